#include "longtextlayout.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
// The layouts kept, at most: a layout holds tens of bytes per character.
constexpr int keptLayouts = 256;
constexpr qsizetype keptLength = 64 * LongText::pieceLength;
} // namespace

LongTextLayout::LongTextLayout(const LongText &text)
    : m_text(text)
    , m_entries(size_t(text.pieceCount()))
{
    m_option.setWrapMode(QTextOption::WrapAnywhere);
}

LongTextLayout::~LongTextLayout() = default;

void LongTextLayout::setFont(const QFont &font)
{
    m_font = font;
    m_averageAdvance = qMax(1.0, QFontMetricsF(font).averageCharWidth());
    forgetAll();
}

void LongTextLayout::setWidth(qreal width)
{
    if (qFuzzyCompare(width, m_width))
        return;
    m_width = width;
    forgetAll();
}

void LongTextLayout::forgetAll()
{
    for (Entry &entry : m_entries)
        entry = Entry();
    m_laidOut.clear();
    m_laidOutLength = 0;
    rowsChanged(0);
}

void LongTextLayout::apply(const LongText::Change &change)
{
    const auto at = m_entries.begin() + change.first;
    m_entries.erase(at, at + change.removed);
    std::vector<Entry> added(size_t(change.added));
    m_entries.insert(m_entries.begin() + change.first, std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
    const int shift = change.added - change.removed;
    QList<int> laidOut;
    m_laidOutLength = 0;
    for (const int piece : std::as_const(m_laidOut)) {
        const int moved = piece < change.first                     ? piece
                          : piece >= change.first + change.removed ? piece + shift
                                                                   : -1;
        if (moved < 0)
            continue;
        laidOut.append(moved);
        m_laidOutLength += m_entries[size_t(moved)].layout->text().size();
    }
    m_laidOut = laidOut;
    if (m_preedit.piece >= change.first)
        m_preedit.piece = -1;
    rowsChanged(change.first);
}

void LongTextLayout::setPreedit(int piece, int offset, const QString &text,
                                const QList<QTextLayout::FormatRange> &formats)
{
    const int before = m_preedit.piece;
    m_preedit = {text.isEmpty() ? -1 : piece, offset, text, formats};
    for (const int changed : {before, m_preedit.piece}) {
        if (changed >= 0 && changed < int(m_entries.size()) && m_entries[size_t(changed)].layout)
            forget(changed);
    }
}

QTextLayout *LongTextLayout::layout(int piece)
{
    Entry &entry = m_entries[size_t(piece)];
    if (entry.layout) {
        m_laidOut.move(m_laidOut.indexOf(piece), m_laidOut.size() - 1);
        return entry.layout.get();
    }
    auto layout = std::make_unique<QTextLayout>(m_text.piece(piece).text, m_font);
    layout->setTextOption(m_option);
    layout->setCacheEnabled(true);
    if (piece == m_preedit.piece) {
        layout->setPreeditArea(m_preedit.offset, m_preedit.text);
        layout->setFormats(m_preedit.formats);
    }
    layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(m_width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    if (entry.rows != layout->lineCount()) {
        entry.rows = layout->lineCount();
        rowsChanged(piece + 1);
    }
    m_laidOutLength += layout->text().size();
    entry.layout = std::move(layout);
    m_laidOut.append(piece);
    while (m_laidOut.size() > 1 && (m_laidOut.size() > keptLayouts || m_laidOutLength > keptLength))
        forget(m_laidOut.constFirst());
    return entry.layout.get();
}

void LongTextLayout::forget(int piece)
{
    m_laidOutLength -= m_entries[size_t(piece)].layout->text().size();
    m_entries[size_t(piece)].layout.reset();
    m_laidOut.removeOne(piece);
}

qsizetype LongTextLayout::rows(int piece) const
{
    const Entry &entry = m_entries[size_t(piece)];
    if (entry.rows >= 0)
        return entry.rows;
    const qreal width = m_averageAdvance * qreal(m_text.piece(piece).text.size());
    return qMax<qsizetype>(1, qsizetype(std::ceil(width / qMax<qreal>(m_width, 1))));
}

void LongTextLayout::rowsChanged(int piece)
{
    m_validRows = qMin(m_validRows, piece);
    ++m_rowsGeneration;
}

qsizetype LongTextLayout::firstRow(int piece)
{
    m_rowStarts.resize(m_entries.size());
    for (; m_validRows <= piece; ++m_validRows) {
        const int i = m_validRows;
        m_rowStarts[i] = i == 0 ? 0 : m_rowStarts.at(i - 1) + rows(i - 1);
    }
    return m_rowStarts.at(piece);
}

LongTextLayout::Row LongTextLayout::rowAt(qsizetype row)
{
    const int last = int(m_entries.size()) - 1;
    (void)firstRow(last);
    const auto after = std::upper_bound(m_rowStarts.cbegin(), m_rowStarts.cend(), row);
    const int piece = qMax(0, int(after - m_rowStarts.cbegin()) - 1);
    const int lines = layout(piece)->lineCount();
    return {piece, int(qBound<qsizetype>(0, row - firstRow(piece), qsizetype(lines) - 1))};
}

bool LongTextLayout::next(Row &row)
{
    if (row.line + 1 < layout(row.piece)->lineCount()) {
        ++row.line;
        return true;
    }
    if (row.piece + 1 >= int(m_entries.size()))
        return false;
    row = {row.piece + 1, 0};
    return true;
}

bool LongTextLayout::previous(Row &row)
{
    if (row.line > 0) {
        --row.line;
        return true;
    }
    if (row.piece == 0)
        return false;
    --row.piece;
    row.line = layout(row.piece)->lineCount() - 1;
    return true;
}

QTextLine LongTextLayout::line(Row row)
{
    // A row kept from before its piece was laid out again (without a
    // composed text, say) may be past its last line.
    QTextLayout *laidOut = layout(row.piece);
    return laidOut->lineAt(qBound(0, row.line, laidOut->lineCount() - 1));
}
