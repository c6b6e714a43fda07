#pragma once

#include "oscframe.h"
#include "streamparser.h"

#include <QByteArray>
#include <QByteArrayView>

// Cuts the byte stream of the oscilloscope board into frames of four values,
// "$0:34;$1:548;$2:0.547;$3:-1.579;" and a line end.
class OscFrameParser : public StreamParser<OscFrame>
{
public:
    // A frame holds at most maximumLength bytes before its LF; a length below
    // 3 counts as 3.
    explicit OscFrameParser(qsizetype maximumLength = 1024);

    // A frame runs from a "$0:" to the next LF, or to the next "$0:" when that
    // comes first: such a frame lost its line end and is reported as corrupt.
    // Bytes outside frames are dropped unreported, NUL bytes among them. A
    // longer frame is reported once by its first maximumLength bytes and
    // dropped up to its LF or the next "$0:". See frameValues for the values.
    [[nodiscard]] ParsedChunk<OscFrame> feed(const QByteArray &bytes) override;
    [[nodiscard]] bool needsMore() const override;
    void reset() override;

    // The values of one frame: for channel n the number after the first
    // "$n:" up to the next ';' (or the frame's end), 0 when it is no finite
    // number. The first tag that is missing ends the reading: that channel
    // and the ones after it stay 0.
    [[nodiscard]] static OscFrame frameValues(QByteArrayView frame);

private:
    enum class State { Outside, InFrame, Dropping };

    void takeFrame(QByteArrayView frame, ParsedChunk<OscFrame> &parsed) const;
    void dropCorrupt(QByteArrayView frame, ParsedChunk<OscFrame> &parsed) const;

    qsizetype m_maximumLength;
    State m_state = State::Outside;
    // In a frame: its bytes so far, from its "$0:". Otherwise: the last bytes
    // seen when they may begin a "$0:" ("$" or "$0").
    QByteArray m_held;
};
