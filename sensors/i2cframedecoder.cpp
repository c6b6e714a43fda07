#include "i2cframedecoder.h"

#include <QByteArrayView>

namespace {
const QByteArrayView magic("KX");

// The payload length a header announces.
qsizetype announcedLength(QByteArrayView header)
{
    return qsizetype(quint8(header[3])) << 8 | quint8(header[4]);
}
} // namespace

I2cFrameDecoder::I2cFrameDecoder(qsizetype maxPayload)
    : m_maxPayload(qBound<qsizetype>(0, maxPayload, I2cFrame::maxPayload))
{}

ParsedChunk<I2cFrame> I2cFrameDecoder::feed(const QByteArray &bytes)
{
    ParsedChunk<I2cFrame> parsed;
    if (bytes.isEmpty())
        return parsed;
    m_held.append(bytes);
    const QByteArrayView stream(m_held);

    // Everything before `from` is used up; each byte is searched once.
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = stream.indexOf(magic, from);
        if (start < 0) {
            // A last "K" of the unused bytes may begin the next magic.
            const bool partialMagic = from < stream.size() && stream.endsWith('K');
            from = partialMagic ? stream.size() - 1 : stream.size();
            break;
        }
        from = start;
        if (stream.size() - start < I2cFrame::headerSize)
            break;
        const qsizetype length = announcedLength(stream.sliced(start));
        if (length > m_maxPayload) {
            parsed.corrupt.append(stream.sliced(start, I2cFrame::headerSize).toByteArray());
            from = start + magic.size();
            continue;
        }
        const qsizetype size = length + I2cFrame::overhead;
        if (stream.size() - start < size)
            break;
        const QByteArrayView payload = stream.sliced(start + I2cFrame::headerSize, length);
        if (I2cFrame::checksum(payload) == quint8(stream[start + size - 1]))
            parsed.results.append({quint8(stream[start + 2]), payload.toByteArray()});
        else
            parsed.corrupt.append(stream.sliced(start, size).toByteArray());
        from = start + size;
    }

    m_held.remove(0, from);
    // A large chunk leaves a large allocation behind; the held bytes are few.
    if (m_held.capacity() > 4 * maxHeld())
        m_held.squeeze();
    return parsed;
}

bool I2cFrameDecoder::needsMore() const
{
    return !m_held.isEmpty();
}

void I2cFrameDecoder::reset()
{
    m_held.clear();
}
