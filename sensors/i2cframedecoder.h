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

    // Every "KX" may start a frame. Frames are taken in the order in which
    // their last byte arrives: a whole frame whose sum holds is a result as
    // soon as it is there, whatever frame still arriving lies in front of it
    // (that one is dropped with the bytes before the result); a whole frame
    // with a wrong sum is reported as corrupt whole, and a "KX" inside it may
    // still start a frame. A header announcing more than maxPayload bytes is
    // reported as corrupt (its five bytes). Bytes outside frames are dropped
    // unreported; of a stream without "KX" only a last "K" is held.
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
