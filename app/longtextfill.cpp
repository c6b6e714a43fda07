#include "longtextfill.h"

#include "longlines.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {
// The block format property that marks a block continuing a line.
constexpr int continuesProperty = QTextFormat::UserProperty + 0x4C54;
} // namespace

LongTextFill::LongTextFill(QTextEdit *box)
    : QObject(box)
    , m_box(box)
{
    m_next.setSingleShot(true);
    m_next.setInterval(0);
    connect(&m_next, &QTimer::timeout, this, [this] { insertSlice(false); });
}

void LongTextFill::start(Mode mode, const QTextCursor &at, QStringList parts)
{
    if (isFilling())
        finish();
    m_mode = mode;
    m_parts = std::move(parts);
    m_done = 0;
    m_wasReadOnly = m_box->isReadOnly();
    QTextDocument *document = m_box->document();
    m_hadUndo = document->isUndoRedoEnabled();
    // Nor is the text before a selection laid out to take the selection out.
    document->setLayoutEnabled(false);
    if (mode == Mode::Replace) {
        // Cleared first, so that turning undo off has no old text to compact.
        document->clear();
        document->setUndoRedoEnabled(false);
        m_cursor = QTextCursor(document);
    } else {
        m_cursor = at;
        m_cursor.beginEditBlock();
        m_cursor.removeSelectedText();
        m_cursor.endEditBlock();
    }
    m_run = m_cursor.positionInBlock();
    insertSlice(true);
}

void LongTextFill::finish()
{
    m_next.stop();
    m_cursor = QTextCursor();
    m_parts.clear();
    m_box->setReadOnly(m_wasReadOnly);
    if (m_mode == Mode::Replace)
        m_box->document()->setUndoRedoEnabled(m_hadUndo);
    m_box->document()->setLayoutEnabled(true);
}

void LongTextFill::insertSlice(bool first)
{
    const QString &part = m_parts.constFirst();
    const qsizetype end = LongLines::cut(part, qMin(part.size(), m_done + sliceLength));
    const LongLines::Pieces pieces =
        LongLines::split(QStringView(part).mid(m_done, end - m_done), m_run);
    QTextDocument *document = m_box->document();
    // Laid out as it goes in, a slice would be laid out whole at once, and
    // the text before it too. Enabled again, the layout starts over from the
    // top (LayoutPace): after the first slice, so that the box shows its
    // start, and once all is in, but not in between, where it would lay the
    // same start out each time.
    document->setLayoutEnabled(false);
    m_cursor.joinPreviousEditBlock();
    const QTextBlock into = m_cursor.block();
    const bool inherited = continues(into);
    m_cursor.insertText(pieces.shown);
    // The box's cursor went along with the first slice; moved back while
    // nothing is laid out, it does not lay the slice out to show where it was.
    if (first && m_mode == Mode::Replace)
        m_box->moveCursor(QTextCursor::Start);
    // The blocks the slice begins take the format of the block it went into.
    qsizetype number = 0;
    qsizetype added = 0;
    for (QTextBlock block = into.next(); block.isValid() && block.position() <= m_cursor.position();
         block = block.next(), ++number) {
        const bool continued =
            added < pieces.addedBreaks.size() && pieces.addedBreaks.at(added) == number;
        if (continued)
            ++added;
        if (continued != inherited)
            setContinues(block, continued);
    }
    m_cursor.endEditBlock();
    m_done = end;
    m_run = pieces.lastRun;
    // A part that is in lets go of its memory.
    if (m_done == part.size()) {
        m_parts.removeFirst();
        m_done = 0;
    }
    if (m_parts.isEmpty()) {
        finish();
        return;
    }
    m_box->setReadOnly(true);
    m_next.start();
    if (first)
        document->setLayoutEnabled(true);
}

QString LongTextFill::text(QString room) const
{
    const QTextDocument *document = m_box->document();
    const int end = document->characterCount() - 1;
    if (!isFilling())
        return documentText(document, 0, end, std::move(room));
    const int at = m_cursor.position();
    QString text = documentText(document, 0, at, std::move(room));
    QString pending = m_parts.constFirst().mid(m_done);
    for (qsizetype i = 1; i < m_parts.size(); ++i)
        pending.append(m_parts.at(i));
    text.append(LongLines::asBoxText(std::move(pending)));
    return documentText(document, at, end, std::move(text));
}

bool LongTextFill::continues(const QTextBlock &block)
{
    return block.blockFormat().boolProperty(continuesProperty);
}

void LongTextFill::setContinues(const QTextBlock &block, bool continued)
{
    QTextBlockFormat format = block.blockFormat();
    if (continued)
        format.setProperty(continuesProperty, true);
    else
        format.clearProperty(continuesProperty);
    QTextCursor(block).setBlockFormat(format);
}

QString LongTextFill::documentText(const QTextDocument *document, int from, int to, QString text)
{
    text.reserve(text.size() + qMax(0, to - from));
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const int start = block.position();
        // The break before this block lies within the range.
        if (start > from && !continues(block))
            text.append(u'\n');
        // Of the characters LongLines::asBoxText changes, only these two
        // occur within a block: the others end blocks.
        QString line = block.text();
        line.replace(QChar::Nbsp, u' ').replace(QChar::LineSeparator, u'\n');
        const int left = qMax(from, start) - start;
        const int right = qMin<qsizetype>(to - start, line.size());
        if (right > left)
            text.append(QStringView(line).mid(left, right - left));
    }
    return text;
}
