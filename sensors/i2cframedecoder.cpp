#include "i2cframedecoder.h"

#include <QByteArrayView>

#include <algorithm>
#include <vector>

namespace {
const QByteArrayView magic("KX");

// The payload length a header announces.
qsizetype announcedLength(QByteArrayView header)
{
    return qsizetype(quint8(header[3])) << 8 | quint8(header[4]);
}

// What the stream tells of a "KX" once enough bytes have come: at `at`, the
// end of its frame, or of its header when the length is beyond the bound.
struct Event
{
    qsizetype at;
    qsizetype start;
    bool plausible;

    [[nodiscard]] bool operator<(const Event &other) const
    {
        return at != other.at ? at < other.at : start < other.start;
    }
};
} // namespace

I2cFrameDecoder::I2cFrameDecoder(qsizetype maxPayload)
    : m_maxPayload(qBound<qsizetype>(0, maxPayload, I2cFrame::maxPayload))
{}

// The held bytes begin with the earliest frame still arriving. Every "KX"
// among them with a whole header is looked at again, but only what the new
// bytes complete is acted on, in the order of the stream position where it
// completes; so chunking changes nothing and a call's work stays within the
// held bytes and the chunk.
ParsedChunk<I2cFrame> I2cFrameDecoder::feed(const QByteArray &bytes)
{
    ParsedChunk<I2cFrame> parsed;
    if (bytes.isEmpty())
        return parsed;
    const qsizetype seen = m_held.size();
    m_held.append(bytes);
    const QByteArrayView stream(m_held);

    std::vector<Event> events;
    // Where frames still arriving begin, or a last header under way.
    std::vector<qsizetype> arriving;
    for (qsizetype start = stream.indexOf(magic); start >= 0;
         start = stream.indexOf(magic, start + 1)) {
        if (stream.size() - start < I2cFrame::headerSize) {
            arriving.push_back(start);
            continue;
        }
        const qsizetype length = announcedLength(stream.sliced(start));
        if (length > m_maxPayload) {
            if (start + I2cFrame::headerSize > seen)
                events.push_back({start + I2cFrame::headerSize, start, false});
            continue;
        }
        const qsizetype end = start + length + I2cFrame::overhead;
        if (end > stream.size())
            arriving.push_back(start);
        else if (end > seen)
            events.push_back({end, start, true});
    }
    std::sort(events.begin(), events.end());

    // Bytes before `used` belong to a frame acted on or lie in front of it.
    qsizetype used = 0;
    for (const Event &event : events) {
        if (event.start < used)
            continue;
        if (!event.plausible) {
            parsed.corrupt.append(stream.sliced(event.start, I2cFrame::headerSize).toByteArray());
            continue;
        }
        const qsizetype size = event.at - event.start;
        const QByteArrayView payload =
            stream.sliced(event.start + I2cFrame::headerSize, size - I2cFrame::overhead);
        if (I2cFrame::checksum(payload) != quint8(stream[event.at - 1])) {
            parsed.corrupt.append(stream.sliced(event.start, size).toByteArray());
            continue;
        }
        parsed.results.append({quint8(stream[event.start + 2]), payload.toByteArray()});
        used = event.at;
    }

    // Kept: from the first frame still arriving behind what was used, else a
    // last "K" that may begin the next magic.
    const auto first = std::lower_bound(arriving.cbegin(), arriving.cend(), used);
    qsizetype keep = stream.size();
    if (first != arriving.cend())
        keep = *first;
    else if (used < stream.size() && stream.endsWith('K'))
        keep = stream.size() - 1;
    m_held.remove(0, keep);
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
