#include "receiveview.h"

#include "receiveformat.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

namespace {
// Long enough to gather many reads of a fast port, short enough to look live.
constexpr int flushDelayMs = 40;
// A batch this large is written at once, so that one write never holds the
// GUI thread for long when data comes faster than the timer.
constexpr qsizetype flushAtChars = 256 * 1024;
} // namespace

ReceiveView::ReceiveView(QPlainTextEdit *textView, QPlainTextEdit *hexView, QObject *parent,
                         QStringConverter::Encoding encoding)
    : QObject(parent)
    , m_textView(textView)
    , m_hexView(hexView)
    , m_decoder(encoding)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(flushDelayMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &ReceiveView::flush);
    m_stampFormat.setForeground(Qt::darkGreen);
    m_dataFormat.setForeground(Qt::black);
}

void ReceiveView::setUp(int maximumBlocks)
{
    for (QPlainTextEdit *view : {m_textView, m_hexView}) {
        view->setMaximumBlockCount(maximumBlocks);
        view->setReadOnly(true);
        view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

void ReceiveView::appendBytes(const QByteArray &bytes, bool timeStamp)
{
    append(m_decoder.decode(bytes), ReceiveFormat::hexDump(bytes), timeStamp);
}

void ReceiveView::resetDecoder()
{
    m_decoder.reset();
}

void ReceiveView::append(const QString &text, const QString &hex, bool timeStamp)
{
    Chunk chunk;
    if (timeStamp)
        chunk.stamp = ReceiveFormat::timeStamp(QTime::currentTime());
    chunk.text = text;
    chunk.hex = hex;
    m_pendingChars += chunk.text.size() + chunk.hex.size();
    m_pending.push_back(std::move(chunk));
    if (m_pendingChars >= flushAtChars)
        flush();
    else if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void ReceiveView::flush()
{
    m_flushTimer.stop();
    if (m_pending.empty())
        return;
    write(m_textView, &Chunk::text);
    write(m_hexView, &Chunk::hex);
    m_pending.clear();
    m_pendingChars = 0;
    scrollToBottom();
}

// Runs of unstamped chunks are joined into one insertion; a stamped chunk
// starts a new line (unless the view is still empty).
// The document's own block limit is lifted while the batch goes in and the
// oldest blocks are removed afterwards in one step: the document's own
// trimming steps a cursor over every block it drops, which lays each of them
// out (and long wrapped hex lines cost the most). The view ends with the same
// blocks either way, and each edit reports only what it added or removed.
void ReceiveView::write(QPlainTextEdit *view, QString Chunk::*part)
{
    QTextDocument *document = view->document();
    const int blockLimit = document->maximumBlockCount();
    document->setMaximumBlockCount(0);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    QString run;
    const auto insertRun = [&cursor, &run] {
        if (run.isEmpty())
            return;
        cursor.insertText(run, QTextCharFormat());
        run.clear();
    };
    for (const Chunk &chunk : m_pending) {
        if (chunk.stamp.isEmpty()) {
            run += chunk.*part;
            continue;
        }
        insertRun();
        if (!document->isEmpty())
            cursor.insertBlock();
        cursor.insertText(chunk.stamp, m_stampFormat);
        cursor.insertText(chunk.*part, m_dataFormat);
    }
    insertRun();
    cursor.endEditBlock();
    if (blockLimit > 0)
        removeOldestBlocks(document, document->blockCount() - blockLimit);
    document->setMaximumBlockCount(blockLimit);
}

// Removes the first `count` blocks. Inside an edit block the cursor is
// placed by position without laying out any block.
void ReceiveView::removeOldestBlocks(QTextDocument *document, int count)
{
    if (count <= 0)
        return;
    QTextCursor oldest(document);
    oldest.beginEditBlock();
    // The block that becomes the first keeps the character format of the
    // first one, as with the document's own trimming.
    const QTextCharFormat firstFormat = oldest.blockCharFormat();
    oldest.setPosition(document->findBlockByNumber(count).position(), QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
    oldest.setBlockCharFormat(firstFormat);
    oldest.endEditBlock();
}

void ReceiveView::clear()
{
    m_flushTimer.stop();
    m_pending.clear();
    m_pendingChars = 0;
    m_textView->clear();
    m_hexView->clear();
}

void ReceiveView::scrollToBottom()
{
    for (QPlainTextEdit *view : {m_textView, m_hexView})
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}
