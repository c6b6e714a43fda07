#include "mqttmessageview.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <array>
#include <limits>

namespace {
constexpr qsizetype maximumChars = 2 * 1024 * 1024;
// Display lines are cut after this many characters, as in the terminals'
// text views: wider than the view, so a cut looks like a wrap.
constexpr qsizetype lineCap = 1024;
// The oldest shown messages go a tenth of the lines at a time: each edit at
// the top moves every line below it.
constexpr qsizetype trimLines = MqttMessageView::maximumLines / 10;
// A write follows this long after the last message, and at most this long
// after the write before while messages keep coming (sooner, though not
// within the gap, when half a write waits); more of a backlog follows after
// a pause for other events.
constexpr int gatherMs = 2;
constexpr qint64 writeGapMs = 25;
constexpr qint64 writeIntervalMs = 100;
constexpr int backlogPauseMs = 10;
// What one write may cost. A line weighs one plus a unit per 64 characters.
constexpr qint64 writeBudgetNs = 12'000'000;
constexpr qsizetype charsPerWeight = 64;
// Writes lighter than this are not measured, and none is planned lighter:
// about twenty cut lines, a few milliseconds.
constexpr qsizetype measuredWeight = 32;
constexpr qsizetype smallestBatchWeight = 256;
// Marks the note on dropped messages. Every other block keeps a new block's
// state: a split leaves the state with the part before it.
constexpr int noteState = 2;

const QString timeLabel = QStringLiteral("Time:");
const QString topicLabel = QStringLiteral("\t\tTopic:");
const QString payloadLabel = QStringLiteral("\t\treceive:");

// Line ends become line feeds (CR LF and a lone CR, as the terminals show
// them), and the characters with which the view would start a paragraph or
// a frame of its own become a line feed or U+FFFD.
QString displayable(QString text)
{
    const auto special = [](QChar c) {
        return c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) ||
               c == QChar(0xFDD1);
    };
    if (std::none_of(text.cbegin(), text.cend(), special))
        return text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar(0xFDD0), QChar::ReplacementCharacter);
    text.replace(QChar(0xFDD1), QChar::ReplacementCharacter);
    return text;
}

QTextCharFormat coloured(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

qsizetype weightOf(qsizetype chars)
{
    return 1 + chars / charsPerWeight;
}
} // namespace

MqttMessageView::MqttMessageView(QTextEdit *view, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_rate(writeBudgetNs, measuredWeight, smallestBatchWeight, smallestBatchWeight,
             qsizetype(maximumLines) * weightOf(lineCap))
    , m_timeFormat(coloured(Qt::red))
    , m_topicFormat(coloured(Qt::blue))
    , m_payloadFormat(coloured(Qt::darkGreen))
    , m_noteFormat(coloured(Qt::gray))
{
    m_noteFormat.setFontItalic(true);
    m_view->document()->setUndoRedoEnabled(false);
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, &MqttMessageView::flushIfQuiet);
    m_clock.start();
}

void MqttMessageView::append(const QTime &arrival, const QString &topic, const QByteArray &payload)
{
    QString text = QString::fromUtf8(payload.left(maximumPayloadChars * 4));
    if (text.size() > maximumPayloadChars || payload.size() > maximumPayloadChars * 4)
        text = text.left(maximumPayloadChars) + QChar(0x2026);
    // The time's text is the same for a whole minute of messages.
    const int minute = arrival.hour() * 60 + arrival.minute();
    if (minute != m_timeMinute) {
        m_timeMinute = minute;
        m_timeText = arrival.toString(QStringLiteral("hh:mm"));
    }
    Message message{m_timeText, displayable(topic), displayable(text), {}, 0};
    cut(message);
    m_keptLines += message.lineCount();
    m_keptChars += message.chars();
    m_pendingLines += message.lineCount();
    m_pendingChars += message.chars();
    m_pendingWeight += message.weight;
    m_messages.push_back(std::move(message));
    dropOldest();
    // Half a write waiting goes out soon, not sooner than a while after the
    // write before; less waits for the stream to pause.
    m_lastArrivalMs = m_clock.elapsed();
    m_writeDue = m_writeDue || m_pendingWeight >= m_rate.batch() / 2;
    writeWithin(m_writeDue ? qMax<qint64>(0, m_lastWriteMs + writeGapMs - m_lastArrivalMs)
                           : gatherMs);
}

// A message that fits one display line is written from its parts; a longer
// one, or one with line feeds, is cut into lines as the terminals cut them.
// Its lines beyond what the view holds are left out.
void MqttMessageView::cut(Message &message) const
{
    const qsizetype dataChars =
        topicLabel.size() + message.topic.size() + payloadLabel.size() + message.payload.size();
    if (dataChars <= lineCap && !message.topic.contains(u'\n') &&
        !message.payload.contains(u'\n')) {
        message.weight = weightOf(dataChars);
        return;
    }
    ReceiveLines cutter(lineCap, std::numeric_limits<int>::max());
    cutter.append(topicLabel + message.topic + payloadLabel + message.payload,
                  timeLabel + message.time);
    message.lines = cutter.take().lines;
    if (message.lines.size() > size_t(maximumLines)) {
        message.lines.resize(size_t(maximumLines));
        message.lines.back().text += QChar(0x2026);
    }
    for (const ReceiveLines::Line &line : message.lines)
        message.weight += weightOf(line.text.size());
}

// Makes the next write come within `ms`.
void MqttMessageView::writeWithin(qint64 ms)
{
    const qint64 due = m_clock.elapsed() + ms;
    if (m_flushTimer.isActive() && m_dueMs <= due)
        return;
    m_dueMs = due;
    m_flushTimer.start(int(ms));
}

void MqttMessageView::flushIfQuiet()
{
    const qint64 now = m_clock.elapsed();
    const qint64 quietMs = now - m_lastArrivalMs;
    const qint64 sinceWriteMs = now - m_lastWriteMs;
    if (!m_writeDue && quietMs < gatherMs && sinceWriteMs < writeIntervalMs) {
        writeWithin(qMin(gatherMs - quietMs, writeIntervalMs - sinceWriteMs));
        return;
    }
    write(quietMs >= gatherMs);
}

// After a pause of the stream the newest message is shown at once when more
// than one write waits before it; while the stream flows, when more than
// two do, so that a stream the view keeps up with is written in order.
void MqttMessageView::write(bool paused)
{
    m_flushTimer.stop();
    m_writeDue = false;
    m_lastWriteMs = m_clock.elapsed();
    if (m_viewStale) {
        emptyView();
        m_viewStale = false;
    }
    if (m_messages.empty())
        return;
    QScrollBar *scrollBar = m_view->verticalScrollBar();
    const bool atBottom = scrollBar->value() == scrollBar->maximum();
    QElapsedTimer clock;
    clock.start();
    // Written newest first, a write shows only those, quickly after a
    // pause; the older ones follow from the next write on.
    const bool newestFirst =
        m_pendingWeight - m_messages.back().weight > (paused ? 1 : 2) * m_rate.batch();
    if (newestFirst)
        showNewestFirst(paused ? m_rate.batch() / 4 : m_rate.batch());
    const qsizetype appended = appendPending();
    const qint64 appendNs = clock.nsecsElapsed();
    const qsizetype left = m_rate.batch() - appended;
    if (!newestFirst && m_shownTo == qsizetype(m_messages.size()) && (appended == 0 || left > 0))
        prependOlder(qMax<qsizetype>(left, 1));
    dropOldestShown();
    if (atBottom)
        scrollBar->setValue(scrollBar->maximum());
    m_rate.measure(appended, appendNs);
    if (m_pendingWeight > 0 || m_shownFrom > 0 || m_topHidden > 0)
        writeWithin(backlogPauseMs);
}

// What is shown, and the messages waiting that are older than the newest
// ones that weigh `weight`, will go above those: the view is emptied for
// them.
void MqttMessageView::showNewestFirst(qsizetype newest)
{
    emptyView();
    qsizetype first = qsizetype(m_messages.size()) - 1;
    qsizetype weight = m_messages.back().weight;
    while (first > 0 && weight + m_messages.at(size_t(first - 1)).weight <= newest)
        weight += m_messages.at(size_t(--first)).weight;
    m_shownFrom = first;
    m_shownTo = first;
    m_topHidden = 0;
    m_partLines = 0;
    m_pendingLines = 0;
    m_pendingChars = 0;
    m_pendingWeight = 0;
    for (auto message = m_messages.cbegin() + first; message != m_messages.cend(); ++message) {
        m_pendingLines += message->lineCount();
        m_pendingChars += message->chars();
        m_pendingWeight += message->weight;
    }
}

// Appends waiting messages in order, as many lines as fit a write (at least
// one); a long message may go in over several writes. Returns the weight
// written.
qsizetype MqttMessageView::appendPending()
{
    if (m_pendingWeight == 0)
        return 0;
    QTextCursor cursor(m_view->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    qsizetype written = 0;
    while (m_shownTo < qsizetype(m_messages.size()) && written < m_rate.batch()) {
        const Message &message = m_messages.at(size_t(m_shownTo));
        qsizetype last = m_partLines;
        while (last < message.lineCount() &&
               (written == 0 || written + lineWeight(message, last) <= m_rate.batch()))
            written += lineWeight(message, last++);
        if (last == m_partLines)
            break;
        writeLines(cursor, message, m_partLines, last, false);
        for (qsizetype line = m_partLines; line < last; ++line)
            m_pendingWeight -= lineWeight(message, line);
        m_pendingLines -= last - m_partLines;
        m_partLines = last;
        if (m_partLines == message.lineCount()) {
            m_pendingChars -= message.chars();
            m_partLines = 0;
            ++m_shownTo;
        }
    }
    cursor.endEditBlock();
    return written;
}

// Writes the lines of the older messages just above the shown ones, newest
// first, as many as fit `budget` (at least one): a long message may come in
// over several writes, its last lines first.
void MqttMessageView::prependOlder(qsizetype budget)
{
    QTextDocument *document = m_view->document();
    QTextBlock top = document->firstBlock();
    if (top.userState() == noteState)
        top = top.next();
    if (!top.isValid() || (m_shownFrom == 0 && m_topHidden == 0))
        return;
    const int position = top.position();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    qsizetype written = 0;
    while (written == 0 || written < budget) {
        if (m_topHidden == 0) {
            if (m_shownFrom == 0)
                break;
            --m_shownFrom;
            m_topHidden = m_messages.at(size_t(m_shownFrom)).lineCount();
        }
        const Message &message = m_messages.at(size_t(m_shownFrom));
        qsizetype first = m_topHidden;
        while (first > 0 && (written == 0 || written + lineWeight(message, first - 1) <= budget))
            written += lineWeight(message, --first);
        if (first == m_topHidden)
            break;
        cursor.setPosition(position);
        writeLines(cursor, message, first, m_topHidden, true);
        m_topHidden = first;
    }
    cursor.endEditBlock();
}

// Lines [first, last) of a message, each a block of its own: at the end of
// the view, or (`above`) just above the block the cursor starts.
void MqttMessageView::writeLines(QTextCursor &cursor, const Message &message, qsizetype first,
                                 qsizetype last, bool above)
{
    const auto begin = [&] {
        if (!above && !m_view->document()->isEmpty())
            cursor.insertBlock();
    };
    const auto end = [&] {
        if (above)
            cursor.insertBlock();
    };
    if (message.lines.empty()) {
        begin();
        cursor.insertText(timeLabel, m_labelFormat);
        cursor.insertText(message.time, m_timeFormat);
        cursor.insertText(topicLabel, m_labelFormat);
        cursor.insertText(message.topic, m_topicFormat);
        cursor.insertText(payloadLabel, m_labelFormat);
        cursor.insertText(message.payload, m_payloadFormat);
        end();
        return;
    }
    // Where each part of the text after the stamp ends, with its format.
    const qsizetype topicEnd = topicLabel.size() + message.topic.size();
    const std::array<std::pair<qsizetype, const QTextCharFormat *>, 4> parts{{
        {topicLabel.size(), &m_labelFormat},
        {topicEnd, &m_topicFormat},
        {topicEnd + payloadLabel.size(), &m_labelFormat},
        {std::numeric_limits<qsizetype>::max(), &m_payloadFormat},
    }};
    qsizetype at = 0;
    for (qsizetype i = 0; i < last; ++i) {
        const ReceiveLines::Line &line = message.lines.at(size_t(i));
        QStringView data = QStringView(line.text).sliced(line.stampLength);
        if (line.stampLength == 0 && !line.continuation)
            ++at; // the line feed that ended the line before
        if (i < first) {
            at += data.size();
            continue;
        }
        begin();
        if (line.stampLength > 0) {
            cursor.insertText(timeLabel, m_labelFormat);
            cursor.insertText(message.time, m_timeFormat);
        }
        while (!data.isEmpty()) {
            const auto part = std::find_if(parts.cbegin(), parts.cend(),
                                           [at](const auto &p) { return p.first > at; });
            const qsizetype take = qMin(data.size(), part->first - at);
            cursor.insertText(data.first(take).toString(), *part->second);
            at += take;
            data = data.sliced(take);
        }
        end();
    }
}

qsizetype MqttMessageView::lineWeight(const Message &message, qsizetype line)
{
    return message.lines.empty() ? message.weight
                                 : weightOf(message.lines.at(size_t(line)).text.size());
}

void MqttMessageView::clear()
{
    m_flushTimer.stop();
    m_writeDue = false;
    m_messages.clear();
    m_shownFrom = 0;
    m_shownTo = 0;
    m_topHidden = 0;
    m_partLines = 0;
    m_keptLines = 0;
    m_keptChars = 0;
    m_pendingLines = 0;
    m_pendingChars = 0;
    m_pendingWeight = 0;
    m_viewStale = false;
    emptyView();
    m_dropped = 0;
    m_droppedShown = 0;
}

// Empties the view, which then shows no note on dropped messages.
void MqttMessageView::emptyView()
{
    m_view->clear();
    m_view->document()->setUndoRedoEnabled(false);
    m_droppedShown = -1;
}

// Keeps what the view can hold. Older messages waiting to go above the
// shown ones go at once; shown ones go when the next write takes them from
// the view, unless the messages waiting to be appended alone fill it: then
// every shown one goes now and the view is emptied at the next write.
void MqttMessageView::dropOldest()
{
    while (m_messages.size() > 1 && (m_keptLines > maximumLines || m_keptChars > maximumChars)) {
        const bool frontShown = m_shownFrom == 0 && (m_shownTo > 0 || m_partLines > 0);
        if (frontShown) {
            if (m_pendingLines <= maximumLines && m_pendingChars <= maximumChars)
                return;
            m_viewStale = true;
        }
        popFront();
    }
}

void MqttMessageView::popFront()
{
    const Message &front = m_messages.front();
    m_keptLines -= front.lineCount();
    m_keptChars -= front.chars();
    if (m_shownFrom > 0) {
        --m_shownFrom;
        --m_shownTo;
    } else if (m_shownTo > 0) {
        --m_shownTo;
        m_topHidden = 0;
    } else {
        for (qsizetype line = m_partLines; line < front.lineCount(); ++line)
            m_pendingWeight -= lineWeight(front, line);
        m_pendingLines -= front.lineCount() - m_partLines;
        m_pendingChars -= front.chars();
        m_partLines = 0;
    }
    m_messages.pop_front();
    ++m_dropped;
}

// Takes the oldest shown messages from the view when it holds more than it
// keeps, a tenth of its lines at a time, and says how many are gone; one
// edit at the top does both.
void MqttMessageView::dropOldestShown()
{
    const auto over = [this](qsizetype lines) {
        return m_keptLines > lines || m_keptChars > maximumChars;
    };
    while (m_shownFrom > 0 && over(maximumLines))
        popFront();
    qsizetype lines = 0;
    if (over(maximumLines)) {
        while (m_shownTo > 1 && over(maximumLines - trimLines)) {
            lines += m_messages.front().lineCount() - m_topHidden;
            popFront();
        }
    }
    if (lines == 0 && m_dropped == m_droppedShown)
        return;
    QTextDocument *document = m_view->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    if (lines > 0) {
        QTextBlock first = document->firstBlock();
        if (first.userState() == noteState)
            first = first.next();
        cursor.setPosition(first.position());
        cursor.setPosition(document->findBlockByNumber(first.blockNumber() + int(lines)).position(),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    showDropped(cursor);
    cursor.endEditBlock();
}

// The note on the first line: how many messages the view no longer keeps.
void MqttMessageView::showDropped(QTextCursor &cursor)
{
    if (m_dropped == 0 || m_dropped == m_droppedShown)
        return;
    m_droppedShown = m_dropped;
    QTextDocument *document = m_view->document();
    cursor.setPosition(0);
    if (document->firstBlock().userState() == noteState) {
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    } else if (!document->isEmpty()) {
        cursor.insertBlock();
        cursor.setPosition(0);
    }
    document->firstBlock().setUserState(noteState);
    cursor.insertText(tr("Older messages dropped: %1").arg(m_dropped), m_noteFormat);
}
