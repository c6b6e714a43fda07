#include "receiveview.h"

#include "localclock.h"
#include "scriptfontwarmup.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

namespace {
// Data that comes after a quiet spell shows after a short gathering delay; a
// stream shows at most ten times a second, so that a slow device does not
// keep the window repainting (a repaint costs far more than a read).
constexpr int gatherMs = 10;
constexpr int refreshMs = 100;
// A write takes one view's slice of about this long to write, measured on
// this machine: large enough to keep up, short enough to keep the window
// live.
constexpr qint64 writeBudgetNs = 8'000'000;
// While data keeps coming, a write is followed by twice its own time for
// everything else.
constexpr qint64 pauseShare = 2;
constexpr qsizetype smallestBatchChars = 64 * 1024;
constexpr qsizetype measuredChars = 16 * 1024;
constexpr qsizetype firstBatchChars = 256 * 1024;
constexpr qsizetype largestBatchChars = 4 * 1024 * 1024;
// Display lines: text is cut after this many characters, a hex dump after
// this many bytes. Wider than a view, so a cut looks like a wrap.
constexpr qsizetype textLineCap = 1024;
constexpr qsizetype hexBytesPerLine = 64;
// Bytes held for the hex view: runs of unstamped bytes in pieces of this size.
constexpr qsizetype heldChunkBytes = 64 * 1024;
// Marks a block that goes on from the one before it (cut at the cap).
constexpr int continuationState = 1;

WriteRate viewRate()
{
    return WriteRate(writeBudgetNs, measuredChars, smallestBatchChars, firstBatchChars,
                     largestBatchChars);
}

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
    , m_hexStyle(hexStyle)
    , m_decoder(encoding)
    , m_text{textView, ReceiveLines(textLineCap, 0), viewRate()}
    , m_hex{hexView, ReceiveLines(hexBytesPerLine * HexFormat::charsPerByte(hexStyle), 0),
            viewRate()}
{
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, &ReceiveView::step);
    m_showTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &ReceiveView::show);
    m_sinceRefresh.start();
    m_sinceStep.start();
    m_sinceShow.start();
    setUp();
    // The text view's first text of a script would find and load its fonts
    // in a repaint; random bytes meet dozens of scripts in one.
    if (textView)
        ScriptFontWarmUp::start(textView->font(), this);
}

void ReceiveView::setUp(int maximumBlocks)
{
    m_maximumBlocks = maximumBlocks;
    m_text.lines = ReceiveLines(textLineCap, maximumBlocks);
    m_hex.lines =
        ReceiveLines(hexBytesPerLine * HexFormat::charsPerByte(m_hexStyle), maximumBlocks);
    for (QPlainTextEdit *view : {m_text.view, m_hex.view}) {
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
    const QString stamp = timeStamp ? ReceiveLines::timeStamp(LocalClock::now()) : QString();
    m_text.lines.append(m_decoder.decode(bytes), stamp);
    if (m_hex.view)
        holdHex(bytes, stamp);
    m_streaming = true;
    planStep();
}

// Keeps the bytes for the hex view, as many as its line limit could show,
// dropping whole chunks from the front (so nothing is ever moved). They are
// dumped only when their turn to be written comes: while data floods in,
// most bytes never get that far, and a hidden view dumps nothing. In the
// compact style a chunk without a stamp runs on from the one before, so
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
    if (!m_hex.view)
        return;
    m_hex.view->setVisible(shown);
    if (shown == m_hexShown)
        return;
    m_hexShown = shown;
    if (!shown)
        return;
    // The first slice shows at once, the rest (of a long wait) step by step.
    if (waits(m_hex))
        writeSlice(m_hex, m_hex.rate.batch());
    show();
    planStep();
}

// Dumps the oldest held bytes into the hex view's lines until `chars`
// characters wait there. Held bytes that had to be dropped leave a gap: the
// lines after it replace what the view shows.
void ReceiveView::dumpHeldHex(qsizetype chars)
{
    if (m_heldOverflow)
        m_hex.lines.clear();
    m_heldOverflow = false;
    while (!m_heldHex.empty() && m_hex.lines.pendingChars() < chars) {
        const HeldChunk &chunk = m_heldHex.front();
        m_hex.lines.append(HexFormat::chunk(chunk.bytes, m_hexStyle, !chunk.stamp.isEmpty()),
                           chunk.stamp);
        m_heldBytes -= chunk.bytes.size();
        m_heldHex.pop_front();
    }
}

void ReceiveView::resetDecoder()
{
    m_decoder.reset();
}

// Characters that wait to be written to a view (held hex bytes as they will
// be dumped); a hidden hex view waits for nothing.
qsizetype ReceiveView::waitingChars(const Pane &pane) const
{
    if (&pane == &m_text)
        return m_text.lines.pendingChars();
    if (!m_hex.view || !m_hexShown)
        return 0;
    return m_hex.lines.pendingChars() + m_heldBytes * HexFormat::charsPerByte(m_hexStyle);
}

bool ReceiveView::waits(const Pane &pane) const
{
    if (&pane == &m_text)
        return m_text.lines.hasPending();
    return m_hex.view && m_hexShown && (m_hex.lines.hasPending() || !m_heldHex.empty());
}

bool ReceiveView::holdsSlice(const Pane &pane) const
{
    return waitingChars(pane) >= pane.rate.batch();
}

bool ReceiveView::hasPending() const
{
    return waits(m_text) || waits(m_hex);
}

// Plans the next write step, unless one is planned already. A step comes
// after the time its predecessor owes the rest of the window when a whole
// slice waits or a refresh is under way; otherwise data that comes after a
// quiet spell shows after a short gathering delay, and a trickle shows at
// most ten times a second (a repaint costs far more than a read).
void ReceiveView::planStep()
{
    if (m_stepTimer.isActive() || !(hasPending() || m_streaming))
        return;
    const qint64 delay =
        m_refreshing || holdsSlice(m_text) || holdsSlice(m_hex)
            ? m_pauseMs - m_sinceStep.elapsed()
            : qBound(qint64(gatherMs), refreshMs - m_sinceRefresh.elapsed(), qint64(refreshMs));
    m_stepTimer.start(int(qMax<qint64>(delay, 0)));
}

// The view whose turn it is: one that has not been written in this refresh
// first (the text view before the hex view), then each in turn.
ReceiveView::Pane &ReceiveView::nextPane()
{
    if (!waits(m_hex))
        return m_text;
    if (!waits(m_text))
        return m_hex;
    if (m_text.written != m_hex.written)
        return m_text.written ? m_hex : m_text;
    return m_hexWroteLast ? m_text : m_hex;
}

// Writes one view's slice, each in an event of its own, so that the window
// never waits for more than one at a time.
void ReceiveView::step()
{
    if (!hasPending()) {
        // What came shows nothing yet (a character is not finished); those
        // who count it are told all the same.
        m_streaming = false;
        m_refreshing = false;
        show();
        return;
    }
    if (!m_refreshing) {
        m_refreshing = true;
        m_sinceRefresh.start();
        m_text.written = false;
        m_hex.written = false;
    }
    Pane &pane = nextPane();
    const qint64 elapsedNs = writeSlice(pane, pane.rate.batch());
    pane.written = true;
    m_hexWroteLast = &pane == &m_hex;
    // While data keeps coming, writes take at most a third of the window's
    // time: reading comes first, and lines that newer ones push out of the
    // views are never written anyway. After the stream the rest follows at
    // once.
    m_pauseMs = m_streaming ? pauseShare * elapsedNs / 1'000'000 : 0;
    m_streaming = false;
    m_sinceStep.start();
    Pane &other = &pane == &m_text ? m_hex : m_text;
    m_refreshing = (waits(other) && !other.written) || holdsSlice(m_text) || holdsSlice(m_hex);
    // The views show when a refresh is done, and every refresh interval
    // while a flood keeps one going; the window repaints in an event of its
    // own, after the write.
    const bool longRefresh =
        m_sinceRefresh.elapsed() >= refreshMs && m_sinceShow.elapsed() >= refreshMs;
    if ((!m_refreshing || longRefresh) && !m_showTimer.isActive())
        m_showTimer.start(0);
    planStep();
}

void ReceiveView::flush()
{
    m_stepTimer.stop();
    m_refreshing = false;
    for (Pane *pane : {&m_text, &m_hex}) {
        if (waits(*pane))
            writeSlice(*pane, std::numeric_limits<qsizetype>::max());
    }
    show();
}

// Lets the views paint what they were given and tells who counts. A write
// holds the view's painting until then, so that while data floods in the
// window repaints once per refresh, not once per write.
void ReceiveView::show()
{
    m_showTimer.stop();
    QElapsedTimer clock;
    clock.start();
    releasePaint();
    m_sinceShow.start();
    Q_EMIT updated();
    // Laying the views out again took a while, and their repaint follows in
    // the next event: while a refresh goes on, the next write waits as after
    // a write of the same length.
    if (m_stepTimer.isActive()) {
        m_pauseMs = qMax(m_pauseMs - m_sinceStep.elapsed(), 1 + pauseShare * clock.elapsed());
        m_sinceStep.start();
        m_stepTimer.stop();
        planStep();
    }
}

// Holds a view's painting until the window shows it again. Meanwhile the
// view measures its scroll range by lines alone (as when it centres on
// scrolling): otherwise each write would lay out the text at the bottom of
// the view again, to find how far it scrolls.
void ReceiveView::holdPaint(Pane &pane)
{
    if (pane.paintHeld)
        return;
    pane.paintHeld = true;
    pane.view->setUpdatesEnabled(false);
    pane.centredBefore = pane.view->centerOnScroll();
    pane.view->setCenterOnScroll(true);
}

void ReceiveView::releasePaint()
{
    for (Pane *pane : {&m_text, &m_hex}) {
        if (!pane->paintHeld)
            continue;
        pane->paintHeld = false;
        pane->view->setCenterOnScroll(pane->centredBefore);
        pane->view->verticalScrollBar()->setValue(pane->view->verticalScrollBar()->maximum());
        pane->view->setUpdatesEnabled(true);
    }
}

// Writes the oldest pending lines of a view, about `maximumChars` of them,
// scrolls it to the bottom and returns how long that took.
qint64 ReceiveView::writeSlice(Pane &pane, qsizetype maximumChars)
{
    QElapsedTimer clock;
    clock.start();
    if (&pane == &m_hex)
        dumpHeldHex(maximumChars);
    holdPaint(pane);
    const qsizetype pendingChars = pane.lines.pendingChars();
    ReceiveLines::Batch batch = pane.lines.take(maximumChars);
    const qsizetype chars = pendingChars - pane.lines.pendingChars();
    writeLines(pane.view, std::move(batch));
    pane.view->verticalScrollBar()->setValue(pane.view->verticalScrollBar()->maximum());
    const qint64 elapsedNs = clock.nsecsElapsed();
    pane.rate.measure(chars, elapsedNs);
    return elapsedNs;
}

// Writes a batch of lines at the end of a view: a stamp in green, the data
// after it in black, unstamped lines in the view's own colour.
// Unstamped lines go in together, joined by line feeds: one insertion for
// many lines costs far less than one per line; the lines cut at the cap are
// marked afterwards.
// The oldest blocks that the batch pushes out are removed first, in one step
// (the document's own trimming steps a cursor over every block it drops,
// which lays each of them out), and its own block limit is lifted while the
// batch goes in. The view ends with the same blocks either way, and each
// edit reports only what it added or removed. Removing first also lets the
// document compact its text (which it does when its buffer is nearly full)
// before the batch grows the buffer, rather than once after each edit.
void ReceiveView::writeLines(QPlainTextEdit *view, ReceiveLines::Batch batch)
{
    static const QTextCharFormat stampFormat = foregroundFormat(Qt::darkGreen);
    static const QTextCharFormat dataFormat = foregroundFormat(Qt::black);
    QTextDocument *document = view->document();
    const int blockLimit = document->maximumBlockCount();
    document->setMaximumBlockCount(0);
    const int newBlocks =
        int(batch.lines.size()) - (batch.continuesLastLine || batch.replacesView ? 1 : 0);
    // A batch that fills the view by itself replaces what it shows.
    if (blockLimit > 0 && newBlocks >= blockLimit)
        batch.replacesView = true;
    if (batch.replacesView)
        document->clear();
    else if (blockLimit > 0)
        removeOldestBlocks(document, document->blockCount() + newBlocks - blockLimit);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const auto lines = batch.lines.cbegin();
    QString run;
    qsizetype runStart = -1;   // the run's first line, if any
    bool runContinues = false; // the run holds a line cut at the cap
    const auto insertRun = [&](qsizetype runEnd) {
        if (runStart < 0)
            return;
        // Where the run's first line begins: the last block, or a new one.
        const int firstBlock = cursor.blockNumber() + (run.startsWith(QLatin1Char('\n')) ? 1 : 0);
        cursor.insertText(run, QTextCharFormat());
        if (runContinues)
            markContinuations(document->findBlockByNumber(firstBlock), lines + runStart,
                              lines + runEnd);
        run.clear();
        runStart = -1;
        runContinues = false;
    };
    bool onLastLine = batch.continuesLastLine || batch.replacesView;
    for (qsizetype i = 0; i < qsizetype(batch.lines.size()); ++i) {
        const ReceiveLines::Line &line = lines[i];
        const bool newBlock = !onLastLine;
        onLastLine = false;
        if (line.stampLength == 0) {
            if (runStart < 0)
                runStart = i;
            runContinues = runContinues || line.continuation;
            if (newBlock)
                run += QLatin1Char('\n');
            run += line.text;
            continue;
        }
        insertRun(i);
        if (newBlock)
            cursor.insertBlock();
        cursor.insertText(line.text.left(line.stampLength), stampFormat);
        cursor.insertText(line.text.mid(line.stampLength), dataFormat);
    }
    insertRun(qsizetype(batch.lines.size()));
    cursor.endEditBlock();
    document->setMaximumBlockCount(blockLimit);
}

// Marks the blocks of the lines cut at the cap, one block per line from the
// block of the first line on.
void ReceiveView::markContinuations(QTextBlock block, LineIterator first, LineIterator last)
{
    for (LineIterator line = first; line != last && block.isValid(); ++line, block = block.next()) {
        if (line->continuation)
            block.setUserState(continuationState);
    }
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
    m_stepTimer.stop();
    m_refreshing = false;
    m_text.lines.clear();
    m_hex.lines.clear();
    m_heldHex.clear();
    m_heldBytes = 0;
    m_heldOverflow = false;
    releasePaint();
    for (QPlainTextEdit *view : {m_text.view, m_hex.view}) {
        if (view)
            view->clear();
    }
}

void ReceiveView::scrollToBottom()
{
    for (QPlainTextEdit *view : {m_text.view, m_hex.view}) {
        if (view)
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    }
}

QString ReceiveView::plainText()
{
    flush();
    QString text;
    for (QTextBlock block = m_text.view->document()->firstBlock(); block.isValid();
         block = block.next()) {
        if (block != m_text.view->document()->firstBlock() &&
            block.userState() != continuationState)
            text += QLatin1Char('\n');
        text += block.text();
    }
    return text;
}
