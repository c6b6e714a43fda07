#include "longtext.h"

#include <QTextBoundaryFinder>

#include <cmath>
#include <utility>

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

// Where to cut `text` at or a little before `at` so that no character, nor
// a letter and the marks that go with it, is parted. A run of marks longer
// than the look back is cut between code points.
qsizetype cutPoint(QStringView text, qsizetype at)
{
    if (at <= 0 || at >= text.size() || plainJoin(text[at - 1], text[at]))
        return at;
    constexpr qsizetype lookBack = 32;
    const qsizetype from = qMax<qsizetype>(0, at - lookBack);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                               text.mid(from, qMin(text.size(), at + lookBack) - from));
    finder.setPosition(at - from);
    if (!finder.isAtBoundary())
        finder.toPreviousBoundary();
    if (finder.position() > 0)
        return from + finder.position();
    return text[at].isLowSurrogate() ? at - 1 : at;
}

// A text whose line ends are all '\n', in pieces of about
// LongText::pieceLength characters that keep the pieces' rules.
void appendCut(LongText::Pieces &pieces, QStringView text)
{
    qsizetype start = 0;
    while (text.size() - start > LongText::pieceLength) {
        qsizetype end = cutPoint(text, start + LongText::pieceLength);
        if (end <= start)
            end = start + LongText::pieceLength;
        // A line break goes with the piece before it.
        if (text[end] == u'\n' && text[end - 1] != u'\n')
            ++end;
        pieces.append(text.mid(start, end - start).toString());
        start = end;
    }
    if (start < text.size())
        pieces.append(text.mid(start).toString());
}

// Pieces made by an edit, kept to the rules as each is added: none empty, a
// short one joined to the one before it, one too long cut again, and a line
// break at a piece's start moved to the end of the piece before it where
// that one ends within a line.
class PieceMaker
{
public:
    void add(QString piece)
    {
        if (piece.isEmpty())
            return;
        if (!m_made.isEmpty()) {
            QString &before = m_made.last();
            // Read without detaching: the piece is most often shared.
            if (std::as_const(piece).front() == u'\n' && !before.endsWith(u'\n')) {
                before += u'\n';
                piece.remove(0, 1);
                if (piece.isEmpty())
                    return;
            }
            if (LongText::joinable(before, piece)) {
                before += piece;
                return;
            }
        }
        if (piece.size() > LongText::longestPiece)
            appendCut(m_made, piece);
        else
            m_made.append(std::move(piece));
    }
    LongText::Pieces &made() { return m_made; }

private:
    LongText::Pieces m_made;
};
} // namespace

LongText::LongText()
{
    m_index.replace(0, 0, {{QString(), 0, 1}});
}

LongText::LongText(const Pieces &pieces)
    : LongText()
{
    replace(0, 0, pieces);
}

qsizetype LongText::pieceStart(int index) const
{
    return m_index.before(index).length;
}

int LongText::pieceAt(qsizetype position) const
{
    return m_index.find(&LongTextIndex::Sums::length, position, nullptr);
}

bool LongText::startsLine(int piece) const
{
    return piece == 0 || m_index.piece(piece - 1).endsWith(u'\n');
}

qsizetype LongText::lineOf(qsizetype position) const
{
    LongTextIndex::Sums before;
    const int piece = m_index.find(&LongTextIndex::Sums::length, position, &before);
    return before.breaks +
           QStringView(m_index.piece(piece)).left(position - before.length).count(u'\n');
}

qsizetype LongText::lineStart(qsizetype line) const
{
    if (line <= 0)
        return 0;
    if (line >= lineCount())
        return length();
    LongTextIndex::Sums before;
    const int piece = m_index.find(&LongTextIndex::Sums::breaks, line - 1, &before);
    const QString &text = m_index.piece(piece);
    qsizetype offset = -1;
    for (qsizetype breaks = line - before.breaks; breaks > 0; --breaks)
        offset = text.indexOf(u'\n', offset + 1);
    return before.length + offset + 1;
}

qsizetype LongText::lineEnd(qsizetype line) const
{
    return line + 1 < lineCount() ? lineStart(line + 1) - 1 : length();
}

int LongText::pieceAtRow(qsizetype row) const
{
    return m_index.find(&LongTextIndex::Sums::rows, row, nullptr);
}

void LongText::setRowLength(qreal characters)
{
    m_rowLength = qMax<qreal>(1, characters);
    m_index.setAllRows([this](const QString &piece, int breaks, bool last) {
        return estimatedRows(piece, breaks, last);
    });
}

int LongText::shownParts(const QString &piece, int breaks, bool last)
{
    return breaks + 1 - (piece.endsWith(u'\n') && !last ? 1 : 0);
}

int LongText::estimatedRows(const QString &piece, int breaks, bool last) const
{
    const qreal characters = qreal(piece.size() - breaks);
    return qMax(shownParts(piece, breaks, last), int(std::ceil(characters / m_rowLength)));
}

bool LongText::joinable(const QString &before, const QString &after)
{
    return qMin(before.size(), after.size()) < pieceLength / 2 &&
           before.size() + after.size() <= longestPiece;
}

LongText::Pieces LongText::pieces(qsizetype from, qsizetype to) const
{
    // Any two positions, in either order, read what lies between them.
    from = qBound<qsizetype>(0, from, length());
    to = qBound<qsizetype>(0, to, length());
    if (from > to)
        std::swap(from, to);
    const int first = pieceAt(from);
    const int last = pieceAt(to);
    Pieces result;
    result.reserve(last - first + 1);
    m_index.visit(first, last, [&result](const QString &piece) { result.append(piece); });
    if (from == 0 && to == length())
        return result;
    result.last().truncate(to - pieceStart(last));
    result.first().remove(0, from - pieceStart(first));
    if (result.size() > 1 && result.constLast().isEmpty())
        result.removeLast();
    return result;
}

QString LongText::text(qsizetype from, qsizetype to) const
{
    return join(pieces(from, to));
}

void LongText::replace(qsizetype from, qsizetype to, const Pieces &with)
{
    int first = pieceAt(from);
    qsizetype firstStart = pieceStart(first);
    // An edit at a join takes the piece before it in, so that what it
    // inserts never starts a piece within a line.
    if (from == firstStart && first > 0)
        firstStart = pieceStart(--first);
    const int last = pieceAt(to);
    const qsizetype lastStart = pieceStart(last);

    PieceMaker maker;
    // A short piece beside the edit joins it, so that edits do not leave
    // the text in ever smaller pieces.
    const bool withBefore = first > 0 && piece(first - 1).size() < pieceLength / 2;
    if (withBefore)
        maker.add(piece(first - 1));
    maker.add(piece(first).left(from - firstStart));
    for (const QString &inserted : with)
        maker.add(inserted);
    maker.add(piece(last).mid(to - lastStart));
    const bool withAfter = last + 1 < pieceCount() && piece(last + 1).size() < pieceLength / 2;
    if (withAfter)
        maker.add(piece(last + 1));

    Pieces &made = maker.made();
    if (made.isEmpty())
        made.append(QString());
    const int removedFirst = first - (withBefore ? 1 : 0);
    const int removedLast = last + (withAfter ? 1 : 0);
    const bool endsText = removedLast + 1 == pieceCount();
    QList<LongTextIndex::Item> items;
    items.reserve(made.size());
    for (qsizetype i = 0; i < made.size(); ++i) {
        QString &text = made[i];
        const int breaks = int(text.count(u'\n'));
        const int rows = estimatedRows(text, breaks, endsText && i + 1 == made.size());
        items.append({std::move(text), breaks, rows});
    }
    m_index.replace(removedFirst, removedLast - removedFirst + 1, std::move(items));
}

LongText::Pieces LongText::cut(QStringView text)
{
    Pieces pieces;
    pieces.reserve(text.size() / pieceLength + 1);
    if (std::none_of(text.cbegin(), text.cend(),
                     [](QChar c) { return c != u'\n' && endsLine(c); })) {
        appendCut(pieces, text);
    } else {
        QString normalized;
        normalized.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!endsLine(text[i])) {
                normalized += text[i];
                continue;
            }
            normalized += u'\n';
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        }
        appendCut(pieces, normalized);
    }
    if (pieces.isEmpty())
        pieces.append(QString());
    return pieces;
}

QString LongText::join(const Pieces &pieces)
{
    if (pieces.size() == 1)
        return pieces.constFirst();
    QString text;
    text.reserve(length(pieces));
    for (const QString &piece : pieces)
        text += piece;
    return text;
}

qsizetype LongText::length(const Pieces &pieces)
{
    qsizetype length = 0;
    for (const QString &piece : pieces)
        length += piece.size();
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
