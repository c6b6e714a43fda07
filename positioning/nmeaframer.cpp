#include "nmeaframer.h"

#include <utility>

NmeaFramer::NmeaFramer(qsizetype maximumLength)
    : m_maximumLength(qMax<qsizetype>(1, maximumLength))
{}

ParsedChunk<QByteArray> NmeaFramer::feed(const QByteArray &bytes)
{
    ParsedChunk<QByteArray> parsed;
    const QByteArrayView view(bytes);
    qsizetype from = 0;
    while (from < view.size()) {
        if (m_sentence.isEmpty() && !m_dropping) {
            from = view.indexOf('$', from);
            if (from < 0)
                break;
        }
        const qsizetype lineFeed = view.indexOf('\n', from);
        const qsizetype end = lineFeed < 0 ? view.size() : lineFeed + 1;
        collect(view.sliced(from, end - from), parsed);
        from = end;
    }
    return parsed;
}

bool NmeaFramer::needsMore() const
{
    return !m_sentence.isEmpty();
}

void NmeaFramer::reset()
{
    m_sentence.clear();
    m_dropping = false;
}

qsizetype NmeaFramer::heldSize() const
{
    return m_sentence.size();
}

bool NmeaFramer::checksumHolds(QByteArrayView sentence)
{
    const qsizetype star = sentence.indexOf('*');
    if (star < 0)
        return false;
    int sum = 0;
    for (qsizetype at = 1; at < star; ++at)
        sum ^= static_cast<qint8>(sentence[at]);
    // A sign before the digits would let a negative sum pass; the sum a
    // sentence states is never negative.
    const QByteArrayView stated =
        sentence.sliced(star + 1, qMin<qsizetype>(2, sentence.size() - star - 1));
    return sum == qMax(0, stated.toInt(nullptr, 16));
}

// Takes the bytes of the sentence under way up to and including its LF, or
// up to the end of a chunk without one.
void NmeaFramer::collect(QByteArrayView piece, ParsedChunk<QByteArray> &parsed)
{
    const bool ended = piece.endsWith('\n');
    if (!m_dropping) {
        const qsizetype room = m_maximumLength - m_sentence.size();
        if (piece.size() - qsizetype(ended) <= room) {
            m_sentence.append(piece);
        } else {
            m_sentence.append(piece.first(room));
            parsed.corrupt.append(std::exchange(m_sentence, {}));
            m_dropping = true;
        }
    }
    if (!ended || std::exchange(m_dropping, false))
        return;
    QByteArray sentence = std::exchange(m_sentence, {});
    (checksumHolds(sentence) ? parsed.results : parsed.corrupt).append(std::move(sentence));
}
