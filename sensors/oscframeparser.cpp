#include "oscframeparser.h"

#include <cmath>

namespace {
const QByteArrayView frameTag("$0:");

// How many of the last bytes may begin a frame tag: 2 for "$0", 1 for "$".
qsizetype partialTagLength(QByteArrayView bytes)
{
    if (bytes.endsWith("$0"))
        return 2;
    return bytes.endsWith('$') ? 1 : 0;
}
} // namespace

OscFrameParser::OscFrameParser(qsizetype maximumLength)
    : m_maximumLength(qMax<qsizetype>(frameTag.size(), maximumLength))
{}

ParsedChunk<OscFrame> OscFrameParser::feed(const QByteArray &bytes)
{
    ParsedChunk<OscFrame> parsed;
    if (bytes.isEmpty())
        return parsed;
    const QByteArray stream = m_held + bytes;
    m_held.clear();
    const QByteArrayView view(stream);

    // The next LF at or after `from`, searched again only once passed, so
    // that many frames without a line end cost no more than one search.
    qsizetype lineFeed = -2;
    const auto lineFeedFrom = [&](qsizetype from) {
        if (lineFeed == -2 || (lineFeed >= 0 && lineFeed < from))
            lineFeed = view.indexOf('\n', from);
        return lineFeed;
    };

    qsizetype from = 0;
    for (;;) {
        if (m_state != State::InFrame) {
            const qsizetype tag = view.indexOf(frameTag, from);
            const qsizetype end = m_state == State::Dropping ? lineFeedFrom(from) : -1;
            if (end >= 0 && (tag < 0 || end < tag)) {
                m_state = State::Outside;
                from = end + 1;
                continue;
            }
            if (tag < 0) {
                const QByteArrayView rest = view.sliced(from);
                m_held = rest.last(partialTagLength(rest)).toByteArray();
                return parsed;
            }
            m_state = State::InFrame;
            from = tag;
        }

        // A frame starts at `from`: it ends at its LF or at the next tag.
        const qsizetype end = lineFeedFrom(from);
        const qsizetype nextTag = view.indexOf(frameTag, from + frameTag.size());
        if (nextTag >= 0 && (end < 0 || nextTag < end)) {
            dropCorrupt(view.sliced(from, nextTag - from), parsed);
            from = nextTag;
        } else if (end >= 0) {
            takeFrame(view.sliced(from, end - from), parsed);
            m_state = State::Outside;
            from = end + 1;
        } else {
            const QByteArrayView rest = view.sliced(from);
            const qsizetype partial = partialTagLength(rest);
            if (rest.size() - partial > m_maximumLength) {
                dropCorrupt(rest, parsed);
                m_state = State::Dropping;
                m_held = rest.last(partial).toByteArray();
            } else {
                m_held = rest.toByteArray();
            }
            return parsed;
        }
    }
}

bool OscFrameParser::needsMore() const
{
    return m_state == State::InFrame || !m_held.isEmpty();
}

void OscFrameParser::reset()
{
    m_state = State::Outside;
    m_held.clear();
}

OscFrame OscFrameParser::frameValues(QByteArrayView frame)
{
    OscFrame result;
    for (int channel = 0; channel < OscFrame::channelCount; ++channel) {
        const QByteArray tag = '$' + QByteArray::number(channel) + ':';
        const qsizetype at = frame.indexOf(tag);
        if (at < 0)
            break;
        const qsizetype start = at + tag.size();
        qsizetype end = frame.indexOf(';', start);
        if (end < 0)
            end = frame.endsWith('\r') ? frame.size() - 1 : frame.size();
        bool ok = false;
        const double value = frame.sliced(start, end - start).toDouble(&ok);
        result.values[channel] = ok && std::isfinite(value) ? value : 0.0;
    }
    return result;
}

void OscFrameParser::takeFrame(QByteArrayView frame, ParsedChunk<OscFrame> &parsed) const
{
    if (frame.size() > m_maximumLength)
        dropCorrupt(frame, parsed);
    else
        parsed.results.append(frameValues(frame));
}

void OscFrameParser::dropCorrupt(QByteArrayView frame, ParsedChunk<OscFrame> &parsed) const
{
    parsed.corrupt.append(frame.first(qMin(frame.size(), m_maximumLength)).toByteArray());
}
