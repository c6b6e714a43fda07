#include "longtextlayout.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {
// The layouts kept, at most, and what they may cost together beyond the
// fewest kept: a layout holds tens of bytes per character and about as much
// as a few hundred characters on its own.
constexpr int keptPieces = 256;
constexpr int fewestKept = 8;
constexpr qsizetype keptCost = 64 * LongText::pieceLength;
constexpr qsizetype costOfAPart = 200;
// How far a line is read for its first strong character.
constexpr qsizetype directionReach = 1 << 16;

// The direction of the first strong character, or Auto when none is.
Qt::LayoutDirection firstStrong(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        switch (QChar::direction(c)) {
        case QChar::DirL:
            return Qt::LeftToRight;
        case QChar::DirR:
        case QChar::DirAL:
            return Qt::RightToLeft;
        default:
            break;
        }
    }
    return Qt::LayoutDirectionAuto;
}
} // namespace

LongTextLayout::LongTextLayout(LongText &text)
    : m_text(text)
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
    m_pieces.clear();
    m_laidOut.clear();
    m_cost = 0;
    m_text.setRowLength(m_width / m_averageAdvance);
    ++m_rowsGeneration;
}

void LongTextLayout::apply()
{
    // Pieces an edit made are new ones; those it took away are let go of as
    // others are laid out.
    ++m_edits;
    forget(m_preedit.id);
    m_preedit.id = 0;
    ++m_rowsGeneration;
}

void LongTextLayout::setPreedit(int piece, int offset, const QString &text,
                                const QList<QTextLayout::FormatRange> &formats)
{
    const quint64 before = m_preedit.id;
    m_preedit = {text.isEmpty() || piece < 0 ? 0 : m_text.pieceId(piece), offset, text, formats};
    forget(before);
    forget(m_preedit.id);
}

void LongTextLayout::forget(quint64 id)
{
    const auto found = m_pieces.find(id);
    if (found == m_pieces.end())
        return;
    m_cost -= found->second->cost;
    m_laidOut.removeOne(id);
    m_pieces.erase(found);
}

LongTextLayout::Piece &LongTextLayout::laidOut(int piece)
{
    const quint64 id = m_text.pieceId(piece);
    const auto found = m_pieces.find(id);
    if (found != m_pieces.end()) {
        Piece &laid = *found->second;
        // An edit before a piece may have changed the direction of the line
        // it goes on with.
        if (laid.checked == m_edits || m_text.startsLine(piece) ||
            laid.parts.front().direction == direction(m_text.pieceStart(piece), false)) {
            laid.checked = m_edits;
            m_laidOut.move(m_laidOut.indexOf(id), m_laidOut.size() - 1);
            return laid;
        }
        forget(id);
    }
    std::unique_ptr<Piece> made = layOut(piece);
    made->checked = m_edits;
    if (made->rows != m_text.rows(piece)) {
        m_text.setRows(piece, made->rows);
        ++m_rowsGeneration;
    }
    m_cost += made->cost;
    Piece &laid = *made;
    m_pieces.emplace(id, std::move(made));
    m_laidOut.append(id);
    while (m_laidOut.size() > fewestKept && (m_laidOut.size() > keptPieces || m_cost > keptCost))
        forget(m_laidOut.constFirst());
    return laid;
}

std::unique_ptr<LongTextLayout::Piece> LongTextLayout::layOut(int piece)
{
    auto laid = std::make_unique<Piece>();
    const QString &text = m_text.piece(piece);
    const bool last = piece + 1 == m_text.pieceCount();
    const qsizetype pieceStart = m_text.pieceStart(piece);
    const bool preedit = m_preedit.id != 0 && m_preedit.id == m_text.pieceId(piece);
    for (int start = 0;;) {
        const qsizetype found = text.indexOf(u'\n', start);
        const int end = found < 0 ? int(text.size()) : int(found);
        // The empty part after the last break of a piece is the next
        // piece's line, unless the text ends there.
        if (start == end && found < 0 && start > 0 && !last)
            break;
        Part part;
        part.start = start;
        part.length = end - start;
        part.firstRow = laid->rows;
        part.y = laid->height;
        if (start == 0 && !m_text.startsLine(piece)) {
            part.direction = direction(pieceStart, false);
        } else {
            part.direction = firstStrong(QStringView(text).mid(start, end - start));
            // A line that goes on into the next piece is read on there.
            if (part.direction == Qt::LayoutDirectionAuto && found < 0)
                part.direction = direction(pieceStart + end, true);
            else if (part.direction == Qt::LayoutDirectionAuto)
                part.direction = Qt::LeftToRight;
        }
        part.layout = std::make_unique<QTextLayout>(text.mid(start, end - start), m_font);
        QTextOption option = m_option;
        option.setTextDirection(part.direction);
        // A right-to-left row starts at the right, as the rows of its line
        // start and as Up and Down keep a column from a row's start.
        option.setAlignment(part.direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
        part.layout->setTextOption(option);
        part.layout->setCacheEnabled(true);
        if (preedit && m_preedit.offset >= start && m_preedit.offset <= end) {
            part.layout->setPreeditArea(m_preedit.offset - start, m_preedit.text);
            QList<QTextLayout::FormatRange> formats = m_preedit.formats;
            for (QTextLayout::FormatRange &format : formats)
                format.start -= start;
            part.layout->setFormats(formats);
        }
        part.layout->beginLayout();
        qreal y = 0;
        for (QTextLine line = part.layout->createLine(); line.isValid();
             line = part.layout->createLine()) {
            line.setLineWidth(m_width);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        part.layout->endLayout();
        laid->rows += part.layout->lineCount();
        laid->height += y;
        laid->cost += part.length + costOfAPart;
        laid->parts.push_back(std::move(part));
        if (found < 0)
            break;
        start = end + 1;
    }
    return laid;
}

Qt::LayoutDirection LongTextLayout::direction(qsizetype position, bool startsLine) const
{
    const Qt::LayoutDirection found =
        directionFrom(startsLine ? position : m_text.lineStart(m_text.lineOf(position)));
    return found == Qt::LayoutDirectionAuto ? Qt::LeftToRight : found;
}

Qt::LayoutDirection LongTextLayout::directionFrom(qsizetype position) const
{
    const qsizetype end = qMin(m_text.length(), position + directionReach);
    while (position < end) {
        const int piece = m_text.pieceAt(position);
        const qsizetype start = m_text.pieceStart(piece);
        QStringView text = QStringView(m_text.piece(piece)).mid(position - start);
        const qsizetype lineEnd = text.indexOf(u'\n');
        if (lineEnd >= 0)
            text = text.left(lineEnd);
        const Qt::LayoutDirection found = firstStrong(text);
        if (found != Qt::LayoutDirectionAuto || lineEnd >= 0)
            return found;
        position += text.size();
    }
    return Qt::LayoutDirectionAuto;
}

int LongTextLayout::rowCount(int piece)
{
    return laidOut(piece).rows;
}

LongTextLayout::Row LongTextLayout::rowAt(qsizetype row)
{
    const int piece = m_text.pieceAtRow(row);
    const int rows = rowCount(piece);
    return {piece, int(qBound<qsizetype>(0, row - firstRow(piece), qsizetype(rows) - 1))};
}

bool LongTextLayout::next(Row &row)
{
    if (row.line + 1 < rowCount(row.piece)) {
        ++row.line;
        return true;
    }
    if (row.piece + 1 >= m_text.pieceCount())
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
    row.line = rowCount(row.piece) - 1;
    return true;
}

LongTextLayout::Part &LongTextLayout::partAt(Piece &laid, int offset)
{
    const auto after = std::upper_bound(laid.parts.begin(), laid.parts.end(), offset,
                                        [](int at, const Part &part) { return at < part.start; });
    return after == laid.parts.begin() ? laid.parts.front() : *(after - 1);
}

std::pair<LongTextLayout::Part *, QTextLine> LongTextLayout::partOf(Row row)
{
    Piece &laid = laidOut(row.piece);
    // A row kept from before its piece was laid out again (without a
    // composed text, say) may be past its last.
    const int line = qBound(0, row.line, laid.rows - 1);
    const auto after =
        std::upper_bound(laid.parts.begin(), laid.parts.end(), line,
                         [](int at, const Part &part) { return at < part.firstRow; });
    Part &part = *(after - 1);
    return {&part, part.layout->lineAt(line - part.firstRow)};
}

LongTextLayout::Row LongTextLayout::rowFor(int piece, int offset)
{
    Part &part = partAt(laidOut(piece), offset);
    const QTextLine line = part.layout->lineForTextPosition(offset - part.start);
    return {piece,
            part.firstRow + (line.isValid() ? line.lineNumber() : part.layout->lineCount() - 1)};
}

int LongTextLayout::rowStart(Row row)
{
    const auto [part, line] = partOf(row);
    return part->start + line.textStart();
}

int LongTextLayout::rowLength(Row row)
{
    const auto [part, line] = partOf(row);
    return qMin(line.textLength(), part->length - line.textStart());
}

bool LongTextLayout::wraps(Row row)
{
    const auto [part, line] = partOf(row);
    return line.lineNumber() + 1 < part->layout->lineCount();
}

qreal LongTextLayout::cursorToX(Row row, int offset)
{
    const auto [part, line] = partOf(row);
    return line.cursorToX(offset - part->start);
}

int LongTextLayout::lastPlace(Row row)
{
    const auto [part, line] = partOf(row);
    const int end = part->start + line.textStart() + rowLength(row);
    return wraps(row) && m_text.piece(row.piece).at(end - 1).isSpace() ? end - 1 : end;
}

int LongTextLayout::xToCursor(Row row, qreal x)
{
    const auto [part, line] = partOf(row);
    const int start = line.textStart();
    const int last = lastPlace(row) - part->start;
    const auto nearer = [&line, x](int one, int other) {
        return qAbs(line.cursorToX(other) - x) < qAbs(line.cursorToX(one) - x) ? other : one;
    };
    // The toolkit answers beyond a right-to-left row's start with the place
    // before the row, within a right-to-left letter and its marks, and holds
    // back from a wrapped row's end as if a blank broke it: the place is
    // kept within the row and between characters, its end taken where it is
    // the nearest.
    int at = qBound(start, line.xToCursor(x), last);
    if (!part->layout->isValidCursorPosition(at))
        at = nearer(part->layout->previousCursorPosition(at), part->layout->nextCursorPosition(at));
    return part->start + nearer(at, last);
}

qreal LongTextLayout::rowHeight(Row row)
{
    return partOf(row).second.height();
}

qreal LongTextLayout::rowY(Row row)
{
    const auto [part, line] = partOf(row);
    return part->y + line.y();
}

qreal LongTextLayout::height(int piece)
{
    return laidOut(piece).height;
}

int LongTextLayout::nextCursorPosition(int piece, int offset)
{
    Part &part = partAt(laidOut(piece), offset);
    if (offset >= part.start + part.length)
        return offset + 1;
    return part.start + part.layout->nextCursorPosition(offset - part.start);
}

int LongTextLayout::previousCursorPosition(int piece, int offset)
{
    Part &part = partAt(laidOut(piece), offset);
    if (offset <= part.start || offset > part.start + part.length)
        return offset - 1;
    return part.start + part.layout->previousCursorPosition(offset - part.start);
}

void LongTextLayout::draw(QPainter *painter, int piece, QPointF origin, int selectionStart,
                          int selectionEnd, const QTextLayout::FormatRange &selected,
                          const QRectF &clip)
{
    Piece &laid = laidOut(piece);
    for (const Part &part : laid.parts) {
        const qreal top = origin.y() + part.y;
        const qreal height = part.layout->boundingRect().height();
        if (top > clip.bottom())
            break;
        if (top + height < clip.top())
            continue;
        QList<QTextLayout::FormatRange> selections;
        // The selection takes in the line break after the part.
        if (selectionStart <= part.start + part.length && selectionEnd > part.start) {
            QTextLayout::FormatRange range = selected;
            range.start = qMax(selectionStart, part.start) - part.start;
            range.length =
                qMin(selectionEnd, part.start + part.length + 1) - part.start - range.start;
            selections.append(range);
        }
        part.layout->draw(painter, QPointF(origin.x(), top), selections, clip);
    }
}
