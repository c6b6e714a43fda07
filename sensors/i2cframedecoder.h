#pragma once

#include "i2cframe.h"
#include "streamparser.h"

#include <QByteArray>

// Cuts the I2C bridge board's byte stream into frames, in linear time and
// with a bounded buffer whatever arrives.
class I2cFrameDecoder : public StreamParser<I2cFrame>
{
public:
    // The longest payload the board sends: a register table is 256 bytes, a
    // scan or read result fewer. A header that announces more is no frame.
    static constexpr qsizetype boardMaxPayload = 1024;

    // Frames of up to maxPayload bytes (at most I2cFrame::maxPayload; the
    // board's side takes the host's commands, which may be that long).
    explicit I2cFrameDecoder(qsizetype maxPayload = boardMaxPayload);

    // Frames are looked for from each "KX" on. A frame with a plausible
    // length is waited for until it is whole, even when its payload holds
    // another "KX": only then is its sum checked, and the frame is a result
    // or, with a wrong sum, reported as corrupt whole. A header announcing
    // more than maxPayload bytes is reported as corrupt (its five bytes) and
    // the search goes on right after its "KX". Bytes outside frames are
    // dropped unreported; of a stream without "KX" only a last "K" is held.
    [[nodiscard]] ParsedChunk<I2cFrame> feed(const QByteArray &bytes) override;
    [[nodiscard]] bool needsMore() const override;
    void reset() override;

    // The bytes held back now: never more than maxHeld().
    [[nodiscard]] qsizetype held() const { return m_held.size(); }
    // An unfinished frame of the longest payload, less its sum byte.
    [[nodiscard]] qsizetype maxHeld() const { return m_maxPayload + I2cFrame::headerSize; }

private:
    qsizetype m_maxPayload;
    // The start of an unfinished frame from its "KX", or a last "K".
    QByteArray m_held;
};
