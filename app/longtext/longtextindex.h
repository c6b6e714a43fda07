#pragma once

#include <QString>

#include <functional>
#include <memory>

// The pieces of a long text in order, as a balanced tree (a treap: a binary
// search tree by order whose random priorities keep it balanced) whose
// nodes carry the characters, line breaks and shown rows of the pieces
// below them. A piece is found by its index, by a position, a line break
// or a row, and pieces are replaced, in time that grows with the logarithm
// of their number.
class LongTextIndex
{
public:
    // What pieces add up to.
    struct Sums
    {
        qsizetype length = 0;
        qsizetype breaks = 0;
        qsizetype rows = 0;
    };
    // A piece, its line breaks and the rows it shows.
    struct Item
    {
        QString text;
        int breaks = 0;
        int rows = 1;
    };

    // A piece in the tree, as longtextindex.cpp defines it.
    struct Node;

    LongTextIndex();
    ~LongTextIndex();
    LongTextIndex(const LongTextIndex &) = delete;
    LongTextIndex &operator=(const LongTextIndex &) = delete;
    LongTextIndex(LongTextIndex &&other) noexcept;
    LongTextIndex &operator=(LongTextIndex &&other) noexcept;

    [[nodiscard]] int count() const;
    [[nodiscard]] Sums total() const;
    [[nodiscard]] const QString &piece(int index) const;
    // Never the same for two pieces made apart, in this text or any other,
    // so that what is kept of a piece (its layout) is not taken for
    // another's, even after a whole text made elsewhere took this one's
    // place.
    [[nodiscard]] quint64 id(int index) const;
    [[nodiscard]] int rows(int index) const;
    // The sums of the pieces before a piece.
    [[nodiscard]] Sums before(int index) const;
    // The piece whose characters, line breaks or rows hold the one counted
    // `at` from the start (from 0), and the sums before it; past the end,
    // the last piece.
    [[nodiscard]] int find(qsizetype Sums::*what, qsizetype at, Sums *sumsBefore) const;

    // Pieces [first, first + removed) become `added`.
    void replace(int first, int removed, QList<Item> added);
    void setRows(int index, int rows);
    // Sets every piece's rows, told its text, its line breaks and whether
    // it is the last.
    void setAllRows(const std::function<int(const QString &, int, bool)> &rows);
    // Calls `visit` with the pieces from `first` to `last`, in order.
    void visit(int first, int last, const std::function<void(const QString &)> &visit) const;

private:
    std::unique_ptr<Node> m_root;
    quint32 m_seed = 2463534242u;
};
