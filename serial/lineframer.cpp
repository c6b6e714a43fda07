#include "lineframer.h"

#include <utility>

LineFramer::LineFramer(qsizetype maximumLength, Ending ending)
    : m_maximumLength(qMax<qsizetype>(0, maximumLength))
    , m_ending(ending)
{}

ParsedChunk<QByteArray> LineFramer::feed(const QByteArray &bytes)
{
    ParsedChunk<QByteArray> parsed;
    for (Piece &piece : feedInOrder(bytes))
        (piece.overlong ? parsed.corrupt : parsed.results).append(std::move(piece.bytes));
    return parsed;
}

QList<LineFramer::Piece> LineFramer::feedInOrder(const QByteArray &bytes)
{
    QList<Piece> parsed;
    const QByteArrayView view(bytes);
    qsizetype from = 0;
    while (from < view.size()) {
        const qsizetype lineFeed = bytes.indexOf('\n', from);
        if (lineFeed < 0) {
            takeLineBytes(view.sliced(from), parsed);
            break;
        }
        takeLineBytes(view.sliced(from, lineFeed - from), parsed);
        // The held CR is the one right before this LF.
        if (m_ending == Ending::CrLf && !m_crHeld)
            append("\n", parsed);
        else
            endLine(parsed);
        from = lineFeed + 1;
    }
    return parsed;
}

bool LineFramer::needsMore() const
{
    return !m_dropping && (m_crHeld || !m_line.isEmpty());
}

void LineFramer::reset()
{
    m_line.clear();
    m_crHeld = false;
    m_dropping = false;
}

qsizetype LineFramer::heldSize() const
{
    return m_line.size() + qsizetype(m_crHeld);
}

void LineFramer::takeLineBytes(QByteArrayView piece, QList<Piece> &parsed)
{
    if (piece.isEmpty())
        return;
    // More bytes follow a held CR, so it belongs to the line.
    if (std::exchange(m_crHeld, false))
        append("\r", parsed);
    const bool endsWithCr = m_ending != Ending::Lf && piece.endsWith('\r');
    append(endsWithCr ? piece.chopped(1) : piece, parsed);
    m_crHeld = endsWithCr;
}

void LineFramer::append(QByteArrayView bytes, QList<Piece> &parsed)
{
    if (m_dropping)
        return;
    const qsizetype room = m_maximumLength - m_line.size();
    if (bytes.size() <= room) {
        m_line.append(bytes);
        return;
    }
    m_line.append(bytes.first(room));
    parsed.append({std::exchange(m_line, {}), true});
    m_dropping = true;
}

void LineFramer::endLine(QList<Piece> &parsed)
{
    if (!m_dropping)
        parsed.append({std::exchange(m_line, {})});
    m_crHeld = false;
    m_dropping = false;
}
