#include "nmeaframer.h"

#include <utility>

NmeaFramer::NmeaFramer(qsizetype maximumLength)
    : m_lines(qMax<qsizetype>(1, maximumLength))
{}

ParsedChunk<QByteArray> NmeaFramer::feed(const QByteArray &bytes)
{
    ParsedChunk<QByteArray> parsed;
    const QByteArrayView view(bytes);
    qsizetype from = 0;
    while (from < view.size()) {
        if (!m_inSentence) {
            from = view.indexOf('$', from);
            if (from < 0)
                break;
            m_inSentence = true;
        }
        const qsizetype lineFeed = view.indexOf('\n', from);
        const qsizetype end = lineFeed < 0 ? view.size() : lineFeed + 1;
        takeSentenceBytes(view.sliced(from, end - from), parsed);
        from = end;
    }
    return parsed;
}

bool NmeaFramer::needsMore() const
{
    return m_lines.needsMore();
}

void NmeaFramer::reset()
{
    m_lines.reset();
    m_inSentence = false;
    m_crLast = false;
}

qsizetype NmeaFramer::heldSize() const
{
    return m_lines.heldSize();
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
// up to the end of a chunk without one. The line framer drops the line end,
// which goes back on a complete sentence as it came.
void NmeaFramer::takeSentenceBytes(QByteArrayView piece, ParsedChunk<QByteArray> &parsed)
{
    const bool ended = piece.endsWith('\n');
    const bool crBeforeLf =
        ended && (piece.size() > 1 ? piece.at(piece.size() - 2) == '\r' : m_crLast);
    m_crLast = piece.endsWith('\r');
    ParsedChunk<QByteArray> lines =
        m_lines.feed(QByteArray::fromRawData(piece.data(), piece.size()));
    parsed.corrupt.append(std::move(lines.corrupt));
    for (QByteArray &sentence : lines.results) {
        sentence.append(crBeforeLf ? "\r\n" : "\n");
        (checksumHolds(sentence) ? parsed.results : parsed.corrupt).append(std::move(sentence));
    }
    m_inSentence = !ended;
}
