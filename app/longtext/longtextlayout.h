#pragma once

#include "longtext.h"

#include <QFont>
#include <QList>
#include <QTextLayout>
#include <QTextOption>

#include <memory>
#include <unordered_map>
#include <vector>

class QPainter;

// How a long text shows at a given width. A piece is laid out only when
// asked for, each part of a line within it on its own, in the direction of
// its line's first strong character, and let go of again once others have
// been laid out since. The rows of every piece are kept in the text's index,
// estimated for a piece not laid out, so that a jump anywhere in the text
// lays out what it shows and no more. Offsets are counted within a piece.
class LongTextLayout
{
public:
    // A row of the text: a line of a piece's layout, its parts' rows one
    // after the other.
    struct Row
    {
        int piece = 0;
        int line = 0;

        friend bool operator==(Row a, Row b) { return a.piece == b.piece && a.line == b.line; }
        friend bool operator!=(Row a, Row b) { return !(a == b); }
        friend bool operator<(Row a, Row b)
        {
            return a.piece < b.piece || (a.piece == b.piece && a.line < b.line);
        }
    };

    explicit LongTextLayout(LongText &text);
    ~LongTextLayout();

    void setFont(const QFont &font);
    void setWidth(qreal width);
    // Follows an edit of the text.
    void apply();
    // Text being composed by an input method, shown in `piece` at `offset`;
    // a negative piece shows none.
    void setPreedit(int piece, int offset, const QString &text,
                    const QList<QTextLayout::FormatRange> &formats);

    [[nodiscard]] int rowCount(int piece);
    [[nodiscard]] qsizetype firstRow(int piece) const { return m_text.firstRow(piece); }
    // The row at a row number, counted with the estimates.
    [[nodiscard]] Row rowAt(qsizetype row);
    // The row after and before, or none at either end of the text.
    [[nodiscard]] bool next(Row &row);
    [[nodiscard]] bool previous(Row &row);
    // The row that shows an offset: the row it starts at a row's break.
    [[nodiscard]] Row rowFor(int piece, int offset);
    [[nodiscard]] int rowStart(Row row);
    // Without the line break that may follow.
    [[nodiscard]] int rowLength(Row row);
    // Whether the row is broken from the next row of its line's part.
    [[nodiscard]] bool wraps(Row row);
    // The row's last place: its end, or before the blank it is broken at.
    [[nodiscard]] int lastPlace(Row row);
    [[nodiscard]] qreal cursorToX(Row row, int offset);
    // The place of the row nearest x, its start and last place included.
    [[nodiscard]] int xToCursor(Row row, qreal x);
    [[nodiscard]] qreal rowHeight(Row row);
    // From the top of the row's piece.
    [[nodiscard]] qreal rowY(Row row);
    [[nodiscard]] qreal height(int piece);
    // The offset after or before a character (a grapheme), a line break
    // being one.
    [[nodiscard]] int nextCursorPosition(int piece, int offset);
    [[nodiscard]] int previousCursorPosition(int piece, int offset);
    // Draws a piece with its top left at `origin`, the offsets from
    // `selectionStart` to `selectionEnd` selected.
    void draw(QPainter *painter, int piece, QPointF origin, int selectionStart, int selectionEnd,
              const QTextLayout::FormatRange &selected, const QRectF &clip);
    // Counts up whenever a piece's rows become known or change.
    [[nodiscard]] quint64 rowsGeneration() const { return m_rowsGeneration; }

private:
    // A line's part within a piece.
    struct Part
    {
        int start = 0;
        int length = 0;
        int firstRow = 0;
        qreal y = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        std::unique_ptr<QTextLayout> layout;
    };
    struct Piece
    {
        std::vector<Part> parts;
        int rows = 0;
        qreal height = 0;
        // What keeping its layout costs, as characters.
        qsizetype cost = 0;
        // The edit after which the direction of its first part was checked.
        quint64 checked = 0;
    };

    [[nodiscard]] Piece &laidOut(int piece);
    [[nodiscard]] std::unique_ptr<Piece> layOut(int piece);
    [[nodiscard]] std::pair<Part *, QTextLine> partOf(Row row);
    [[nodiscard]] Part &partAt(Piece &laid, int offset);
    // The direction of the line whose part starts at `position`.
    [[nodiscard]] Qt::LayoutDirection direction(qsizetype position, bool startsLine) const;
    [[nodiscard]] Qt::LayoutDirection directionFrom(qsizetype position) const;
    void forget(quint64 id);
    void forgetAll();

    LongText &m_text;
    QFont m_font;
    QTextOption m_option;
    // A box's width until it has one: laid out narrower, each character
    // would be a row.
    qreal m_width = 400;
    qreal m_averageAdvance = 1;
    // The pieces laid out, by their ids, and the ids, the most recently used
    // last, with what they cost.
    std::unordered_map<quint64, std::unique_ptr<Piece>> m_pieces;
    QList<quint64> m_laidOut;
    qsizetype m_cost = 0;
    quint64 m_edits = 1;
    quint64 m_rowsGeneration = 0;
    struct
    {
        quint64 id = 0;
        int offset = 0;
        QString text;
        QList<QTextLayout::FormatRange> formats;
    } m_preedit;
};
