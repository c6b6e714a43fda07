#pragma once

#include "longtextindex.h"

#include <QList>
#include <QString>
#include <QStringView>

// The text of a long-text box, kept in pieces of a few thousand characters,
// each a string of its own that holds as many lines as fit, a line break
// being '\n': an edit copies only the pieces it touches, a box lays out only
// the pieces it shows, a read or a copy of the whole text shares the pieces
// instead of copying them, and a text takes the same memory whatever the
// length of its lines. The pieces are kept in a balanced tree
// (LongTextIndex) that finds a position, a line or a row, and applies an
// edit, in time that grows with the logarithm of the number of pieces.
//
// A position counts the characters before it, a line break being one.
// Pieces keep two rules: none is empty unless the text is, and a piece
// starts with a line break only where the piece before it ends with one, so
// that every join within a line has characters of the line on both sides.
class LongText
{
public:
    // The length a new text is cut into pieces of.
    static constexpr qsizetype pieceLength = 4096;
    // The longest a piece grows by edits before it is cut again.
    static constexpr qsizetype longestPiece = 2 * pieceLength;
    // The most characters a text holds: a gibibyte in UTF-16.
    static constexpr qsizetype maximumLength = qsizetype(1) << 29;

    // A text in pieces, its line breaks '\n' within them.
    using Pieces = QList<QString>;

    LongText();
    // A text of `pieces`, as `replace` would make it: a worker thread may
    // make a long one, for a box to take in at once.
    explicit LongText(const Pieces &pieces);
    LongText(LongText &&other) noexcept = default;
    LongText &operator=(LongText &&other) noexcept = default;

    [[nodiscard]] qsizetype length() const { return m_index.total().length; }
    [[nodiscard]] int pieceCount() const { return m_index.count(); }
    [[nodiscard]] const QString &piece(int index) const { return m_index.piece(index); }
    [[nodiscard]] quint64 pieceId(int index) const { return m_index.id(index); }
    [[nodiscard]] qsizetype pieceStart(int index) const;
    // The piece that shows `position`: at the join of two pieces, the later
    // one; at the text's end, the last.
    [[nodiscard]] int pieceAt(qsizetype position) const;
    // Whether a piece starts a line: the text's first, or after a break.
    [[nodiscard]] bool startsLine(int piece) const;

    // Lines, counted from 0.
    [[nodiscard]] qsizetype lineCount() const { return m_index.total().breaks + 1; }
    [[nodiscard]] qsizetype lineOf(qsizetype position) const;
    [[nodiscard]] qsizetype lineStart(qsizetype line) const;
    // The end of a line, before its line break.
    [[nodiscard]] qsizetype lineEnd(qsizetype line) const;

    // The rows a box shows: each piece counts those of its lines' parts,
    // estimated from a row's length in characters until a layout tells them.
    [[nodiscard]] qsizetype rowCount() const { return m_index.total().rows; }
    [[nodiscard]] qsizetype firstRow(int piece) const { return m_index.before(piece).rows; }
    [[nodiscard]] int pieceAtRow(qsizetype row) const;
    [[nodiscard]] int rows(int piece) const { return m_index.rows(piece); }
    void setRows(int piece, int rows) { m_index.setRows(piece, rows); }
    // Estimates every piece's rows anew, for rows of this many characters.
    void setRowLength(qreal characters);
    [[nodiscard]] qreal rowLength() const { return m_rowLength; }
    // The parts of a piece's lines that show as rows: all but an empty one
    // after its last line break, unless the piece ends the text.
    [[nodiscard]] static int shownParts(const QString &piece, int breaks, bool last);

    // The text between two positions, in pieces that share this text's;
    // the positions in either order, brought within the text.
    [[nodiscard]] Pieces pieces(qsizetype from, qsizetype to) const;
    [[nodiscard]] QString text(qsizetype from, qsizetype to) const;

    // Replaces the text from `from` to `to` (ordered and within the text).
    // `with` is pieces as `cut` and `pieces` give them, or any others:
    // they are cut again where they break the rules.
    void replace(qsizetype from, qsizetype to, const Pieces &with);

    // `text` in pieces: each line end (LF, CR LF, CR, the line and the
    // paragraph separator) a '\n', the text cut into pieces of at most
    // `pieceLength` characters (one more to keep a break with the piece
    // before it), never within a character.
    [[nodiscard]] static Pieces cut(QStringView text);
    [[nodiscard]] static QString join(const Pieces &pieces);
    [[nodiscard]] static qsizetype length(const Pieces &pieces);
    // Whether the character ends a line in a box.
    [[nodiscard]] static bool endsLine(QChar c);
    // Whether two pieces side by side are better one: one of them is short.
    [[nodiscard]] static bool joinable(const QString &before, const QString &after);

private:
    [[nodiscard]] int estimatedRows(const QString &piece, int breaks, bool last) const;

    LongTextIndex m_index;
    qreal m_rowLength = 80;
};
