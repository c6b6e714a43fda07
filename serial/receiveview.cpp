#include "receiveview.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

namespace {
// Data that comes after a quiet spell shows after a short gathering delay; a
// stream shows at most ten times a second, so that a slow device does not
// keep the window repainting (a repaint costs far more than a read).
constexpr int gatherMs = 10;
constexpr int refreshMs = 100;
// When data comes faster than the timer, a batch is written as soon as it
// would take about this long to write, measured on this machine: large
// enough batches to keep up, short enough writes to keep the window live.
constexpr qint64 writeBudgetNs = 15'000'000;
constexpr qsizetype smallestBatchChars = 64 * 1024;
constexpr qsizetype measuredChars = 16 * 1024;
constexpr qsizetype largestBatchChars = 4 * 1024 * 1024;
// Display lines: text is cut after this many characters, a hex dump after
// this many bytes. Wider than a view, so a cut looks like a wrap.
constexpr qsizetype textLineCap = 1024;
constexpr qsizetype hexBytesPerLine = 64;
// The hidden hex view keeps runs of unstamped bytes in pieces of this size.
constexpr qsizetype heldChunkBytes = 64 * 1024;
// Marks a block that goes on from the one before it (cut at the cap).
constexpr int continuationState = 1;

QTextCharFormat foregroundFormat(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}
} // namespace

ReceiveView::ReceiveView(QPlainTextEdit *textView, QPlainTextEdit *hexView, QObject *parent,
                         HexFormat::Style hexStyle, ReceiveDecoder::Encoding encoding)
    : QObject(parent)
    , m_textView(textView)
    , m_hexView(hexView)
    , m_hexStyle(hexStyle)
    , m_decoder(encoding)
    , m_textLines(textLineCap, 0)
    , m_hexLines(hexBytesPerLine * HexFormat::charsPerByte(hexStyle), 0)
{
    m_flushTimer.setSingleShot(true);
    m_sinceWrite.start();
    connect(&m_flushTimer, &QTimer::timeout, this, &ReceiveView::writeText);
    m_hexStepTimer.setSingleShot(true);
    connect(&m_hexStepTimer, &QTimer::timeout, this, &ReceiveView::writeHex);
    setUp();
}

void ReceiveView::setUp(int maximumBlocks)
{
    m_maximumBlocks = maximumBlocks;
    m_textLines = ReceiveLines(textLineCap, maximumBlocks);
    m_hexLines = ReceiveLines(hexBytesPerLine * HexFormat::charsPerByte(m_hexStyle), maximumBlocks);
    for (QPlainTextEdit *view : {m_textView, m_hexView}) {
        if (!view)
            continue;
        view->setMaximumBlockCount(maximumBlocks);
        view->setReadOnly(true);
        view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

void ReceiveView::appendBytes(const QByteArray &bytes, bool timeStamp, const QString &source)
{
    if (source != m_source) {
        m_decoder.reset();
        m_source = source;
    }
    const QString stamp = timeStamp ? ReceiveLines::timeStamp(QTime::currentTime()) : QString();
    m_textLines.append(m_decoder.decode(bytes), stamp);
    if (m_hexView) {
        if (m_hexShown)
            m_hexLines.append(HexFormat::chunk(bytes, m_hexStyle, timeStamp), stamp);
        else
            holdHex(bytes, stamp);
    }
    // A hex step already on its way is not pushed back by another text step.
    if (m_textLines.pendingChars() >= m_textRate.batchChars ||
        (m_hexLines.pendingChars() >= m_hexRate.batchChars && !m_hexStepTimer.isActive()))
        writeText();
    else if (!m_flushTimer.isActive())
        m_flushTimer.start(
            int(qBound(qint64(gatherMs), refreshMs - m_sinceWrite.elapsed(), qint64(refreshMs))));
}

// Keeps the bytes of the hidden hex view, as many as its line limit could
// show, dropping whole chunks from the front (so nothing is ever moved). In
// the compact style a chunk without a stamp runs on from the one before, so
// small ones are kept together.
void ReceiveView::holdHex(const QByteArray &bytes, const QString &stamp)
{
    if (stamp.isEmpty() && m_hexStyle == HexFormat::Style::Compact && !m_heldHex.empty() &&
        m_heldHex.back().bytes.size() < heldChunkBytes)
        m_heldHex.back().bytes += bytes;
    else
        m_heldHex.push_back({bytes, stamp});
    m_heldBytes += bytes.size();
    const qsizetype enough = m_maximumBlocks * hexBytesPerLine;
    while (m_heldHex.size() > 1 && (qsizetype(m_heldHex.size()) > m_maximumBlocks + 1 ||
                                    m_heldBytes - m_heldHex.front().bytes.size() >= enough)) {
        m_heldBytes -= m_heldHex.front().bytes.size();
        m_heldHex.pop_front();
        m_heldOverflow = true;
    }
}

void ReceiveView::setHexViewShown(bool shown)
{
    if (!m_hexView)
        return;
    m_hexView->setVisible(shown);
    if (shown == m_hexShown)
        return;
    m_hexShown = shown;
    if (!shown)
        return;
    if (m_heldOverflow)
        m_hexLines.clear();
    for (const HeldChunk &chunk : m_heldHex)
        m_hexLines.append(HexFormat::chunk(chunk.bytes, m_hexStyle, !chunk.stamp.isEmpty()),
                          chunk.stamp);
    m_heldHex.clear();
    m_heldBytes = 0;
    m_heldOverflow = false;
    flush();
}

void ReceiveView::resetDecoder()
{
    m_decoder.reset();
}

void ReceiveView::flush()
{
    writeText();
    writeHex();
}

// A batch is written in two steps, the text view's and the hex view's, each
// in an event of its own, so that the window never waits for both at once.
void ReceiveView::writeText()
{
    m_flushTimer.stop();
    m_sinceWrite.start();
    writeStep(m_textView, m_textLines, m_textRate);
    if (m_hexView && m_hexLines.hasPending()) {
        if (!m_hexStepTimer.isActive())
            m_hexStepTimer.start(0);
    } else
        Q_EMIT updated();
}

void ReceiveView::writeHex()
{
    m_hexStepTimer.stop();
    if (!m_hexView || !m_hexLines.hasPending())
        return;
    writeStep(m_hexView, m_hexLines, m_hexRate);
    Q_EMIT updated();
}

void ReceiveView::writeStep(QPlainTextEdit *view, ReceiveLines &lines, WriteRate &rate)
{
    if (!lines.hasPending())
        return;
    const qsizetype chars = lines.pendingChars();
    QElapsedTimer clock;
    clock.start();
    writeLines(view, lines.take());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    rate.measure(chars, clock.nsecsElapsed());
}

// Follows how fast this view takes text on this machine and sizes its
// batches to the write budget. A slower write counts at once, a faster one
// only a little: the document's own housekeeping makes some writes much
// slower than the rest, and those must fit the budget too. Writes too small
// to tell are not counted.
void ReceiveView::WriteRate::measure(qsizetype chars, qint64 elapsedNs)
{
    if (chars < measuredChars || elapsedNs <= 0)
        return;
    const double measured = double(chars) / double(elapsedNs);
    charsPerNs =
        charsPerNs > 0 && measured > charsPerNs ? 0.9 * charsPerNs + 0.1 * measured : measured;
    batchChars =
        qBound(smallestBatchChars, qsizetype(charsPerNs * writeBudgetNs), largestBatchChars);
}

// Writes a batch of lines at the end of a view: a stamp in green, the data
// after it in black, unstamped lines in the view's own colour.
// The document's own block limit is lifted while the batch goes in and the
// oldest blocks are removed afterwards in one step: the document's own
// trimming steps a cursor over every block it drops, which lays each of them
// out. The view ends with the same blocks either way, and each edit reports
// only what it added or removed.
void ReceiveView::writeLines(QPlainTextEdit *view, ReceiveLines::Batch batch)
{
    static const QTextCharFormat stampFormat = foregroundFormat(Qt::darkGreen);
    static const QTextCharFormat dataFormat = foregroundFormat(Qt::black);
    QTextDocument *document = view->document();
    const int blockLimit = document->maximumBlockCount();
    document->setMaximumBlockCount(0);
    if (batch.replacesView)
        document->clear();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // Plain lines go in together, joined by line feeds: one insertion for
    // many lines costs far less than one per line.
    QString plainRun;
    const auto insertPlainRun = [&cursor, &plainRun] {
        if (plainRun.isEmpty())
            return;
        cursor.insertText(plainRun, QTextCharFormat());
        plainRun.clear();
    };
    bool onLastLine = batch.continuesLastLine || batch.replacesView;
    for (const ReceiveLines::Line &line : batch.lines) {
        const bool newBlock = !onLastLine;
        onLastLine = false;
        if (line.stampLength == 0 && !line.continuation) {
            if (newBlock)
                plainRun += QLatin1Char('\n');
            plainRun += line.text;
            continue;
        }
        insertPlainRun();
        if (newBlock)
            cursor.insertBlock();
        if (line.stampLength > 0) {
            cursor.insertText(line.text.left(line.stampLength), stampFormat);
            cursor.insertText(line.text.mid(line.stampLength), dataFormat);
        } else {
            cursor.insertText(line.text, QTextCharFormat());
        }
        if (line.continuation)
            cursor.block().setUserState(continuationState);
    }
    insertPlainRun();
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
    m_hexStepTimer.stop();
    m_textLines.clear();
    m_hexLines.clear();
    m_heldHex.clear();
    m_heldBytes = 0;
    m_heldOverflow = false;
    for (QPlainTextEdit *view : {m_textView, m_hexView}) {
        if (view)
            view->clear();
    }
}

void ReceiveView::scrollToBottom()
{
    for (QPlainTextEdit *view : {m_textView, m_hexView}) {
        if (view)
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    }
}

QString ReceiveView::plainText()
{
    flush();
    QString text;
    for (QTextBlock block = m_textView->document()->firstBlock(); block.isValid();
         block = block.next()) {
        if (block != m_textView->document()->firstBlock() && block.userState() != continuationState)
            text += QLatin1Char('\n');
        text += block.text();
    }
    return text;
}
