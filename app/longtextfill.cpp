#include "longtextfill.h"

#include "longlines.h"

#include <QScrollBar>
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
    connect(&m_next, &QTimer::timeout, this, &LongTextFill::insertSlice);
}

void LongTextFill::start(Mode mode, const QTextCursor &at, const QString &text)
{
    stop();
    m_mode = mode;
    m_text = text;
    m_done = 0;
    m_wasReadOnly = m_box->isReadOnly();
    QTextDocument *document = m_box->document();
    m_hadUndo = document->isUndoRedoEnabled();
    if (mode == Mode::Replace) {
        document->setUndoRedoEnabled(false);
        document->clear();
        m_cursor = QTextCursor(document);
    } else {
        m_cursor = at;
        m_cursor.beginEditBlock();
        m_cursor.removeSelectedText();
        m_cursor.endEditBlock();
    }
    m_run = m_cursor.positionInBlock();
    insertSlice();
    if (mode == Mode::Replace) {
        m_box->moveCursor(QTextCursor::Start);
        m_box->verticalScrollBar()->setValue(0);
    }
}

void LongTextFill::stop()
{
    if (isFilling())
        finish();
}

void LongTextFill::finish()
{
    m_next.stop();
    m_cursor = QTextCursor();
    m_text.clear();
    m_box->setReadOnly(m_wasReadOnly);
    if (m_mode == Mode::Replace)
        m_box->document()->setUndoRedoEnabled(m_hadUndo);
}

void LongTextFill::insertSlice()
{
    const qsizetype end = LongLines::sliceEnd(m_text, m_done, sliceLength);
    const LongLines::Pieces pieces =
        LongLines::split(QStringView(m_text).mid(m_done, end - m_done), m_run);
    QTextDocument *document = m_box->document();
    // Laid out as it is inserted, the slice would be laid out whole at once;
    // enabled again, the layout starts over lazily, a part per turn.
    document->setLayoutEnabled(false);
    m_cursor.joinPreviousEditBlock();
    const QTextBlock first = m_cursor.block();
    const bool inherited = continues(first);
    m_cursor.insertText(pieces.shown);
    // The blocks the slice begins take the format of the block it went into.
    qsizetype number = 0;
    qsizetype added = 0;
    for (QTextBlock block = first.next();
         block.isValid() && block.position() <= m_cursor.position();
         block = block.next(), ++number) {
        const bool continued =
            added < pieces.addedBreaks.size() && pieces.addedBreaks.at(added) == number;
        if (continued)
            ++added;
        if (continued != inherited)
            setContinues(block, continued);
    }
    m_cursor.endEditBlock();
    document->setLayoutEnabled(true);
    m_done = end;
    m_run = pieces.lastRun;
    if (m_done < m_text.size()) {
        m_box->setReadOnly(true);
        m_next.start();
    } else {
        finish();
    }
}

QString LongTextFill::text() const
{
    const QTextDocument *document = m_box->document();
    const int end = document->characterCount() - 1;
    if (!isFilling())
        return documentText(document, 0, end);
    const int at = m_cursor.position();
    QString text = documentText(document, 0, at);
    text.append(QStringView(m_text).mid(m_done));
    text.append(documentText(document, at, end));
    return text;
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

QString LongTextFill::documentText(const QTextDocument *document, int from, int to)
{
    QString text;
    text.reserve(qMax(0, to - from));
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const int start = block.position();
        // The break before this block lies within the range.
        if (start > from && !continues(block))
            text.append(u'\n');
        const QString line = block.text();
        const int left = qMax(from, start) - start;
        const int right = qMin<qsizetype>(to - start, line.size());
        if (right > left)
            text.append(QStringView(line).mid(left, right - left));
    }
    // As QTextDocument::toPlainText gives them.
    for (QChar &c : text) {
        switch (c.unicode()) {
        case QChar::LineSeparator:
        case 0xFDD0:
        case 0xFDD1:
            c = u'\n';
            break;
        case QChar::Nbsp:
            c = u' ';
            break;
        default:
            break;
        }
    }
    return text;
}
