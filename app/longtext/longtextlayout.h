#pragma once

#include "longtext.h"

#include <QFont>
#include <QList>
#include <QTextLayout>
#include <QTextOption>

#include <memory>
#include <vector>

// How a long text shows at a given width: each piece laid out on its own
// into rows, only once it is asked for, and let go of again once many others
// have been laid out since. A piece not laid out counts the rows its length
// would fill at the font's average width, so that a jump anywhere in the
// text lays out what it shows and no more.
class LongTextLayout
{
public:
    // A row of the text: a line of a piece's layout.
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

    explicit LongTextLayout(const LongText &text);
    ~LongTextLayout();

    void setFont(const QFont &font);
    void setWidth(qreal width);
    // Follows an edit of the text.
    void apply(const LongText::Change &change);
    // Text being composed by an input method, shown in `piece` at `offset`;
    // a negative piece shows none.
    void setPreedit(int piece, int offset, const QString &text,
                    const QList<QTextLayout::FormatRange> &formats);

    // The piece laid out. It stays valid until another piece is laid out or
    // the text changes.
    [[nodiscard]] QTextLayout *layout(int piece);
    [[nodiscard]] qsizetype firstRow(int piece);
    // The row at a row number, counted with the estimates.
    [[nodiscard]] Row rowAt(qsizetype row);
    // The row after and before, or none at either end of the text.
    [[nodiscard]] bool next(Row &row);
    [[nodiscard]] bool previous(Row &row);
    [[nodiscard]] QTextLine line(Row row);
    // Counts up whenever a piece's rows become known or change.
    [[nodiscard]] quint64 rowsGeneration() const { return m_rowsGeneration; }

private:
    struct Entry
    {
        std::unique_ptr<QTextLayout> layout;
        // Negative until the piece is laid out at this width.
        int rows = -1;
    };

    [[nodiscard]] qsizetype rows(int piece) const;
    void rowsChanged(int piece);
    // Lets go of a piece's layout.
    void forget(int piece);
    void forgetAll();

    const LongText &m_text;
    QFont m_font;
    QTextOption m_option;
    // A box's width until it has one: laid out narrower, each character
    // would be a row.
    qreal m_width = 400;
    qreal m_averageAdvance = 1;
    std::vector<Entry> m_entries;
    // Pieces with a layout, the most recently used last, and their
    // characters.
    QList<int> m_laidOut;
    qsizetype m_laidOutLength = 0;
    // The first row of each piece; valid for the first m_validRows pieces.
    QList<qsizetype> m_rowStarts;
    int m_validRows = 0;
    quint64 m_rowsGeneration = 0;
    struct
    {
        int piece = -1;
        int offset = 0;
        QString text;
        QList<QTextLayout::FormatRange> formats;
    } m_preedit;
};
