#include "mqttmessageview.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {
constexpr int maximumLines = 5000;
constexpr qsizetype maximumChars = 2 * 1024 * 1024;
constexpr qint64 writeIntervalMs = 100;
// What one write may cost, and the pause between writes of a backlog.
constexpr double writeBudgetNs = 12e6;
constexpr int backlogPauseMs = 10;

// Line breaks in a topic or payload become line separators, so that each
// message stays one paragraph.
QString oneParagraph(QString text)
{
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    for (const QChar breakChar : {QChar(u'\r'), QChar(u'\n'), QChar(QChar::ParagraphSeparator)})
        text.replace(breakChar, QChar::LineSeparator);
    return text;
}

QTextCharFormat coloured(Qt::GlobalColor colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}
} // namespace

MqttMessageView::MqttMessageView(QTextEdit *view, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_timeFormat(coloured(Qt::red))
    , m_topicFormat(coloured(Qt::blue))
    , m_payloadFormat(coloured(Qt::darkGreen))
{
    m_view->document()->setUndoRedoEnabled(false);
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, &MqttMessageView::flush);
    m_sinceWrite.start();
}

void MqttMessageView::append(const QTime &arrival, const QString &topic, const QByteArray &payload)
{
    QString text = QString::fromUtf8(payload.left(maximumPayloadChars * 4));
    if (text.size() > maximumPayloadChars || payload.size() > maximumPayloadChars * 4)
        text = text.left(maximumPayloadChars) + QChar(0x2026);
    Message message{arrival.toString(QStringLiteral("hh:mm")), oneParagraph(topic),
                    oneParagraph(text)};
    m_pendingChars += message.topic.size() + message.payload.size();
    m_pending.push_back(std::move(message));
    dropOldestPending();
    if (!m_flushTimer.isActive())
        m_flushTimer.start(int(qMax<qint64>(0, writeIntervalMs - m_sinceWrite.elapsed())));
}

void MqttMessageView::flush()
{
    m_flushTimer.stop();
    if (m_pending.empty())
        return;
    QElapsedTimer clock;
    clock.start();
    QScrollBar *scrollBar = m_view->verticalScrollBar();
    const bool atBottom = scrollBar->value() == scrollBar->maximum();
    QTextDocument *document = m_view->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const qsizetype lines = qMin(qsizetype(m_pending.size()), m_batchLines);
    for (qsizetype i = 0; i < lines; ++i) {
        const Message &message = m_pending.front();
        if (!document->isEmpty())
            cursor.insertBlock();
        cursor.insertText(QStringLiteral("Time:"), m_labelFormat);
        cursor.insertText(message.time, m_timeFormat);
        cursor.insertText(QStringLiteral("\t\tTopic:"), m_labelFormat);
        cursor.insertText(message.topic, m_topicFormat);
        cursor.insertText(QStringLiteral("\t\treceive:"), m_labelFormat);
        cursor.insertText(message.payload, m_payloadFormat);
        m_pendingChars -= message.topic.size() + message.payload.size();
        m_pending.pop_front();
    }
    cursor.endEditBlock();
    dropOldestShown();
    if (atBottom)
        scrollBar->setValue(scrollBar->maximum());
    m_sinceWrite.restart();
    // The next write takes as many lines as fit the time budget at what
    // these cost; a backlog is written on after a pause for other events.
    const double nsPerLine = double(clock.nsecsElapsed()) / double(lines);
    m_batchLines =
        qBound<qsizetype>(1, qsizetype(writeBudgetNs / nsPerLine), qsizetype(maximumLines));
    if (!m_pending.empty())
        m_flushTimer.start(backlogPauseMs);
}

void MqttMessageView::clear()
{
    m_flushTimer.stop();
    m_pending.clear();
    m_pendingChars = 0;
    m_view->clear();
    m_view->document()->setUndoRedoEnabled(false);
}

// Messages that the view would drop at once are not kept.
void MqttMessageView::dropOldestPending()
{
    while (m_pending.size() > 1 &&
           (m_pending.size() > size_t(maximumLines) || m_pendingChars > maximumChars)) {
        m_pendingChars -= m_pending.front().topic.size() + m_pending.front().payload.size();
        m_pending.pop_front();
    }
}

void MqttMessageView::dropOldestShown()
{
    QTextDocument *document = m_view->document();
    int lines = document->blockCount();
    qsizetype chars = document->characterCount();
    QTextBlock last = document->firstBlock();
    int dropped = 0;
    while (lines - dropped > 1 && (lines - dropped > maximumLines || chars > maximumChars)) {
        chars -= last.length();
        last = last.next();
        ++dropped;
    }
    if (dropped == 0)
        return;
    QTextCursor cursor(document);
    cursor.setPosition(last.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
