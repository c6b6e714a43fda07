#include "longtext.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {
// Whether a cut between these two characters surely parts no grapheme: both
// are Latin or both CJK ideographs, none of which combine.
bool plainJoin(QChar before, QChar after)
{
    const auto plain = [](QChar c) {
        return c.unicode() < 0x0300 || (c.unicode() >= 0x4E00 && c.unicode() < 0xA000);
    };
    return plain(before) && plain(after);
}

// Where to cut `line` at or a little before `at` so that no character, nor
// a letter and the marks that go with it, is parted. A run of marks longer
// than the look back is cut between code points.
qsizetype cutPoint(QStringView line, qsizetype at)
{
    if (at <= 0 || at >= line.size() || plainJoin(line[at - 1], line[at]))
        return at;
    constexpr qsizetype lookBack = 32;
    const qsizetype from = qMax<qsizetype>(0, at - lookBack);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                               line.mid(from, qMin(line.size(), at + lookBack) - from));
    finder.setPosition(at - from);
    if (!finder.isAtBoundary())
        finder.toPreviousBoundary();
    if (finder.position() > 0)
        return from + finder.position();
    return line[at].isLowSurrogate() ? at - 1 : at;
}

// One line's text as pieces of at most LongText::pieceLength characters.
void appendLine(LongText::Pieces &pieces, QStringView line, bool lineEnd)
{
    qsizetype start = 0;
    while (line.size() - start > LongText::pieceLength) {
        qsizetype end = cutPoint(line, start + LongText::pieceLength);
        if (end <= start)
            end = start + LongText::pieceLength;
        pieces.append({line.mid(start, end - start).toString(), false});
        start = end;
    }
    pieces.append({line.mid(start).toString(), lineEnd});
}

// A piece made by an edit, cut again once it has grown too long.
void appendBounded(LongText::Pieces &pieces, QString text, bool lineEnd)
{
    if (text.size() <= LongText::longestPiece)
        pieces.append({std::move(text), lineEnd});
    else
        appendLine(pieces, text, lineEnd);
}
} // namespace

LongText::LongText()
    : m_pieces(1)
{}

qsizetype LongText::pieceStart(int index) const
{
    m_starts.resize(m_pieces.size());
    for (; m_validStarts <= index; ++m_validStarts) {
        const int i = m_validStarts;
        m_starts[i] = i == 0 ? 0
                             : m_starts.at(i - 1) + m_pieces.at(i - 1).text.size() +
                                   (m_pieces.at(i - 1).lineEnd ? 1 : 0);
    }
    return m_starts.at(index);
}

int LongText::pieceAt(qsizetype position) const
{
    (void)pieceStart(pieceCount() - 1);
    const auto after = std::upper_bound(m_starts.cbegin(), m_starts.cend(), position);
    return int(after - m_starts.cbegin()) - 1;
}

LongText::Pieces LongText::pieces(qsizetype from, qsizetype to) const
{
    if (from == 0 && to == m_length)
        return m_pieces;
    const int first = pieceAt(from);
    const int last = pieceAt(to);
    Pieces result(m_pieces.cbegin() + first, m_pieces.cbegin() + last + 1);
    result.last().text.truncate(to - pieceStart(last));
    result.last().lineEnd = false;
    result.first().text.remove(0, from - pieceStart(first));
    return result;
}

QString LongText::text(qsizetype from, qsizetype to) const
{
    return join(pieces(from, to));
}

LongText::Change LongText::replace(qsizetype from, qsizetype to, const Pieces &with)
{
    int first = pieceAt(from);
    int last = pieceAt(to);
    const QStringView prefix = QStringView(m_pieces.at(first).text).left(from - pieceStart(first));
    const QStringView suffix = QStringView(m_pieces.at(last).text).mid(to - pieceStart(last));

    Pieces made;
    QString run = prefix.toString();
    for (qsizetype i = 0; i < with.size(); ++i) {
        const Piece &piece = with.at(i);
        if (i == 0)
            run += piece.text;
        else
            run = piece.text;
        if (piece.lineEnd || i + 1 < with.size()) {
            appendBounded(made, std::move(run), piece.lineEnd);
            run = QString();
        }
    }
    run += suffix;
    appendBounded(made, std::move(run), m_pieces.at(last).lineEnd);

    // A short piece at either end joins the piece of its line beside it, so
    // that edits do not leave a line in ever smaller pieces.
    if (first > 0 && !m_pieces.at(first - 1).lineEnd &&
        m_pieces.at(first - 1).text.size() + made.constFirst().text.size() <= pieceLength) {
        --first;
        made.first().text.prepend(m_pieces.at(first).text);
    }
    if (!made.constLast().lineEnd && last + 1 < m_pieces.size() &&
        made.constLast().text.size() + m_pieces.at(last + 1).text.size() <= pieceLength) {
        ++last;
        made.last().text += m_pieces.at(last).text;
        made.last().lineEnd = m_pieces.at(last).lineEnd;
    }
    // An empty piece that goes on into the next one holds nothing; the
    // text's last piece stays, as its last line.
    const bool endsText = last + 1 == m_pieces.size();
    for (qsizetype i = made.size() - (endsText ? 2 : 1); i >= 0; --i) {
        if (made.at(i).text.isEmpty() && !made.at(i).lineEnd)
            made.removeAt(i);
    }

    const int removed = last - first + 1;
    const int added = int(made.size());
    if (added > removed)
        m_pieces.insert(first + removed, added - removed, Piece());
    else if (added < removed)
        m_pieces.remove(first + added, removed - added);
    std::move(made.begin(), made.end(), m_pieces.begin() + first);
    m_length += length(with) - (to - from);
    m_validStarts = qMin(m_validStarts, first + 1);
    return {first, removed, added};
}

LongText::Pieces LongText::cut(QStringView text)
{
    Pieces pieces;
    pieces.reserve(text.size() / pieceLength + 1);
    qsizetype lineStart = 0;
    for (qsizetype i = 0;; ++i) {
        const bool atEnd = i == text.size();
        if (!atEnd && !endsLine(text[i]))
            continue;
        appendLine(pieces, text.mid(lineStart, i - lineStart), !atEnd);
        if (atEnd)
            return pieces;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
}

QString LongText::join(const Pieces &pieces)
{
    if (pieces.size() == 1 && !pieces.constFirst().lineEnd)
        return pieces.constFirst().text;
    QString text;
    text.reserve(length(pieces));
    for (const Piece &piece : pieces) {
        text += piece.text;
        if (piece.lineEnd)
            text += u'\n';
    }
    return text;
}

qsizetype LongText::length(const Pieces &pieces)
{
    qsizetype length = 0;
    for (const Piece &piece : pieces)
        length += piece.text.size() + (piece.lineEnd ? 1 : 0);
    return length;
}

bool LongText::endsLine(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case QChar::LineSeparator:
    case QChar::ParagraphSeparator:
        return true;
    default:
        return false;
    }
}
