#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The text of a long-text box, kept as its lines cut into pieces of a few
// thousand characters, each a string of its own: an edit copies only the
// pieces it touches, a box lays out only the pieces it shows, and a read or
// a copy of the whole text shares the pieces instead of copying them.
//
// A position counts the characters before it, a line break being one.
class LongText
{
public:
    // The length a new text is cut into pieces of.
    static constexpr qsizetype pieceLength = 4096;
    // The longest a piece grows by edits before it is cut again.
    static constexpr qsizetype longestPiece = 2 * pieceLength;
    // The most characters a text holds: a gibibyte in UTF-16.
    static constexpr qsizetype maximumLength = qsizetype(1) << 29;

    struct Piece
    {
        // No line break within.
        QString text;
        // A line break follows.
        bool lineEnd = false;
    };
    using Pieces = QList<Piece>;

    // Pieces [first, first + removed) became [first, first + added).
    struct Change
    {
        int first = 0;
        int removed = 0;
        int added = 0;
    };

    LongText();

    [[nodiscard]] qsizetype length() const { return m_length; }
    [[nodiscard]] int pieceCount() const { return int(m_pieces.size()); }
    [[nodiscard]] const Piece &piece(int index) const { return m_pieces.at(index); }
    [[nodiscard]] qsizetype pieceStart(int index) const;
    // The piece that shows `position`: at the join of two pieces of a line,
    // the later one; before a line break, the piece it ends.
    [[nodiscard]] int pieceAt(qsizetype position) const;

    // The text from `from` to `to`, in pieces that share this text's.
    [[nodiscard]] Pieces pieces(qsizetype from, qsizetype to) const;
    [[nodiscard]] QString text(qsizetype from, qsizetype to) const;

    // Replaces the text from `from` to `to`. `with` holds no line break
    // within a piece's text, as `cut` and `pieces` give them.
    Change replace(qsizetype from, qsizetype to, const Pieces &with);

    // `text` in pieces: each line end (LF, CR LF, CR, the line and the
    // paragraph separator) a break, each line cut into pieces of at most
    // `pieceLength` characters, never within a character.
    [[nodiscard]] static Pieces cut(QStringView text);
    [[nodiscard]] static QString join(const Pieces &pieces);
    [[nodiscard]] static qsizetype length(const Pieces &pieces);
    // Whether the character ends a line in a box.
    [[nodiscard]] static bool endsLine(QChar c);

private:
    Pieces m_pieces;
    qsizetype m_length = 0;
    // Where each piece starts; valid for the first m_validStarts pieces.
    mutable QList<qsizetype> m_starts;
    mutable int m_validStarts = 0;
};

Q_DECLARE_TYPEINFO(LongText::Piece, Q_RELOCATABLE_TYPE);
