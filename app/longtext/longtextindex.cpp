#include "longtextindex.h"

#include <QList>

#include <atomic>

#include <utility>

struct LongTextIndex::Node
{
    QString text;
    int breaks = 0;
    int rows = 1;
    quint64 id = 0;
    quint32 priority = 0;
    // Of this node's subtree.
    int count = 1;
    Sums sums;
    std::unique_ptr<Node> left;
    std::unique_ptr<Node> right;
};

namespace {
using Node = LongTextIndex::Node;
// Pieces are made on the window's thread and, for a whole text, on workers.
std::atomic<quint64> nextId{1};
using Link = std::unique_ptr<Node>;

int countOf(const Link &node)
{
    return node ? node->count : 0;
}

LongTextIndex::Sums sumsOf(const Link &node)
{
    return node ? node->sums : LongTextIndex::Sums();
}

void update(Node *node)
{
    const LongTextIndex::Sums left = sumsOf(node->left);
    const LongTextIndex::Sums right = sumsOf(node->right);
    node->count = countOf(node->left) + 1 + countOf(node->right);
    node->sums = {left.length + node->text.size() + right.length,
                  left.breaks + node->breaks + right.breaks, left.rows + node->rows + right.rows};
}

// The first `count` nodes and the others.
std::pair<Link, Link> split(Link node, int count)
{
    if (!node)
        return {};
    if (countOf(node->left) >= count) {
        auto [left, right] = split(std::move(node->left), count);
        node->left = std::move(right);
        update(node.get());
        return {std::move(left), std::move(node)};
    }
    auto [left, right] = split(std::move(node->right), count - countOf(node->left) - 1);
    node->right = std::move(left);
    update(node.get());
    return {std::move(node), std::move(right)};
}

Link merge(Link left, Link right)
{
    if (!left)
        return right;
    if (!right)
        return left;
    if (left->priority > right->priority) {
        left->right = merge(std::move(left->right), std::move(right));
        update(left.get());
        return left;
    }
    right->left = merge(std::move(left), std::move(right->left));
    update(right.get());
    return right;
}

const Node *nodeAt(const Node *node, int index)
{
    while (index != countOf(node->left)) {
        if (index < countOf(node->left)) {
            node = node->left.get();
        } else {
            index -= countOf(node->left) + 1;
            node = node->right.get();
        }
    }
    return node;
}

void setRowsBelow(Node *node, int &index, int count,
                  const std::function<int(const QString &, int, bool)> &rows)
{
    if (!node)
        return;
    setRowsBelow(node->left.get(), index, count, rows);
    node->rows = rows(node->text, node->breaks, ++index == count);
    setRowsBelow(node->right.get(), index, count, rows);
    update(node);
}

void visitBelow(const Node *node, int offset, int first, int last,
                const std::function<void(const QString &)> &visit)
{
    if (!node || last < offset || first >= offset + node->count)
        return;
    const int index = offset + countOf(node->left);
    visitBelow(node->left.get(), offset, first, last, visit);
    if (index >= first && index <= last)
        visit(node->text);
    visitBelow(node->right.get(), index + 1, first, last, visit);
}

// Frees a tree without a call per level of it, so that no tree is too deep.
void release(Link node)
{
    std::vector<Link> left;
    if (node)
        left.push_back(std::move(node));
    while (!left.empty()) {
        Link next = std::move(left.back());
        left.pop_back();
        if (next->left)
            left.push_back(std::move(next->left));
        if (next->right)
            left.push_back(std::move(next->right));
    }
}
} // namespace

LongTextIndex::LongTextIndex() = default;

LongTextIndex::~LongTextIndex()
{
    release(std::move(m_root));
}

LongTextIndex::LongTextIndex(LongTextIndex &&other) noexcept
    : m_root(std::move(other.m_root))
    , m_seed(other.m_seed)
{}

LongTextIndex &LongTextIndex::operator=(LongTextIndex &&other) noexcept
{
    release(std::exchange(m_root, std::move(other.m_root)));
    m_seed = other.m_seed;
    return *this;
}

int LongTextIndex::count() const
{
    return countOf(m_root);
}

LongTextIndex::Sums LongTextIndex::total() const
{
    return sumsOf(m_root);
}

const QString &LongTextIndex::piece(int index) const
{
    return nodeAt(m_root.get(), index)->text;
}

quint64 LongTextIndex::id(int index) const
{
    return nodeAt(m_root.get(), index)->id;
}

int LongTextIndex::rows(int index) const
{
    return nodeAt(m_root.get(), index)->rows;
}

LongTextIndex::Sums LongTextIndex::before(int index) const
{
    Sums sums;
    const auto add = [&sums](const Sums &more) {
        sums.length += more.length;
        sums.breaks += more.breaks;
        sums.rows += more.rows;
    };
    for (const Node *node = m_root.get(); node;) {
        if (index <= countOf(node->left)) {
            if (index == countOf(node->left)) {
                add(sumsOf(node->left));
                break;
            }
            node = node->left.get();
        } else {
            add(sumsOf(node->left));
            add({node->text.size(), node->breaks, node->rows});
            index -= countOf(node->left) + 1;
            node = node->right.get();
        }
    }
    return sums;
}

int LongTextIndex::find(qsizetype Sums::*what, qsizetype at, Sums *sumsBefore) const
{
    Sums sums;
    int index = 0;
    const Node *node = m_root.get();
    at = qMax<qsizetype>(0, at);
    if (at >= node->sums.*what) {
        index = count() - 1;
        if (sumsBefore)
            *sumsBefore = before(index);
        return index;
    }
    for (;;) {
        const Sums left = sumsOf(node->left);
        if (at < left.*what) {
            node = node->left.get();
            continue;
        }
        const Sums own{node->text.size(), node->breaks, node->rows};
        at -= left.*what;
        index += countOf(node->left);
        sums = {sums.length + left.length, sums.breaks + left.breaks, sums.rows + left.rows};
        if (at < own.*what)
            break;
        at -= own.*what;
        ++index;
        sums = {sums.length + own.length, sums.breaks + own.breaks, sums.rows + own.rows};
        node = node->right.get();
    }
    if (sumsBefore)
        *sumsBefore = sums;
    return index;
}

void LongTextIndex::replace(int first, int removed, QList<Item> added)
{
    auto [before, rest] = split(std::move(m_root), first);
    auto [gone, after] = split(std::move(rest), removed);
    release(std::move(gone));
    Link made;
    for (Item &item : added) {
        auto node = std::make_unique<Node>();
        node->breaks = item.breaks;
        node->text = std::move(item.text);
        node->rows = item.rows;
        node->id = nextId++;
        // xorshift: the priorities need no more than to be spread.
        m_seed ^= m_seed << 13;
        m_seed ^= m_seed >> 17;
        m_seed ^= m_seed << 5;
        node->priority = m_seed;
        update(node.get());
        made = merge(std::move(made), std::move(node));
    }
    m_root = merge(merge(std::move(before), std::move(made)), std::move(after));
}

void LongTextIndex::setRows(int index, int rows)
{
    QList<Node *> path;
    for (Node *node = m_root.get();;) {
        path.append(node);
        if (index == countOf(node->left))
            break;
        if (index < countOf(node->left)) {
            node = node->left.get();
        } else {
            index -= countOf(node->left) + 1;
            node = node->right.get();
        }
    }
    path.constLast()->rows = rows;
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        update(path.at(i));
}

void LongTextIndex::setAllRows(const std::function<int(const QString &, int, bool)> &rows)
{
    int index = 0;
    setRowsBelow(m_root.get(), index, count(), rows);
}

void LongTextIndex::visit(int first, int last,
                          const std::function<void(const QString &)> &visit) const
{
    visitBelow(m_root.get(), 0, first, last, visit);
}
