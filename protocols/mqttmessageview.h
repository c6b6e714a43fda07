#pragma once

#include "receivelines.h"
#include "writerate.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTime>
#include <QTimer>

#include <deque>

class QTextCursor;
class QTextEdit;

// The MQTT tab's received messages: "Time:" with the arrival time in red,
// "Topic:" with the topic in blue and "receive:" with the payload (UTF-8)
// in green, written as plain text, never as markup. Like the terminals'
// receive views, a line ends at each line feed and long lines are cut into
// display lines, so that no line grows without bound and the cost per byte
// is the same whatever the payload.
//
// The view keeps the newest whole messages within a line and a character
// limit and says at its top how many older ones it dropped. Messages are
// written a few milliseconds after the stream pauses, at least ten times a
// second while it flows, each write within a time budget (measured on the
// machine). When more waits than the view can write soon, the newest
// messages are written first and the older ones fill in above them in the
// writes that follow, so the view always ends with the newest messages, in
// order and whole, and a flood costs bounded time and memory.
class MqttMessageView : public QObject
{
    Q_OBJECT

public:
    // What one message may show of its payload; a longer one ends in "…".
    static constexpr qsizetype maximumPayloadChars = 256 * 1024;
    // Display lines the view keeps, as the terminals' receive views do.
    static constexpr int maximumLines = 10000;

    explicit MqttMessageView(QTextEdit *view, QObject *parent = nullptr);

    void append(const QTime &arrival, const QString &topic, const QByteArray &payload);
    void clear();

private:
    struct Message
    {
        QString time;
        QString topic;
        QString payload;
        // The display lines when the message takes more than one.
        std::deque<ReceiveLines::Line> lines;
        // What writing it costs, in line weights.
        qsizetype weight = 0;
        [[nodiscard]] qsizetype lineCount() const
        {
            return lines.empty() ? 1 : qsizetype(lines.size());
        }
        [[nodiscard]] qsizetype chars() const { return topic.size() + payload.size(); }
    };

    void cut(Message &message) const;
    void writeWithin(qint64 ms);
    void flushIfQuiet();
    void write(bool paused);
    void showNewestFirst(qsizetype newest);
    [[nodiscard]] qsizetype appendPending();
    void prependOlder(qsizetype budget);
    void writeLines(QTextCursor &cursor, const Message &message, qsizetype first, qsizetype last,
                    bool above);
    [[nodiscard]] static qsizetype lineWeight(const Message &message, qsizetype line);
    void dropOldest();
    void dropOldestShown();
    void showDropped(QTextCursor &cursor);
    void emptyView();
    void popFront();

    QTextEdit *m_view;
    // The messages kept: [0, m_shownFrom) wait to be written above the
    // shown ones, [m_shownFrom, m_shownTo) are shown but for the first
    // m_topHidden lines of the first, the first m_partLines lines of the one
    // at m_shownTo are shown too, and the rest wait to be appended.
    std::deque<Message> m_messages;
    qsizetype m_shownFrom = 0;
    qsizetype m_shownTo = 0;
    qsizetype m_topHidden = 0;
    qsizetype m_partLines = 0;
    qsizetype m_keptLines = 0;
    qsizetype m_keptChars = 0;
    // What waits to be appended, the lines of a part written aside.
    qsizetype m_pendingLines = 0;
    qsizetype m_pendingChars = 0;
    qsizetype m_pendingWeight = 0;
    // Messages received and no longer kept, and the count the note shows.
    qint64 m_dropped = 0;
    qint64 m_droppedShown = 0;
    // Shown messages are no longer kept: the view is emptied at the next write.
    bool m_viewStale = false;
    // How fast the view takes lines, in line weights, and what a write takes.
    WriteRate m_rate;
    bool m_writeDue = false;
    QTimer m_flushTimer;
    // Times on m_clock: when the timer fires, the last write and message.
    QElapsedTimer m_clock;
    qint64 m_dueMs = 0;
    qint64 m_lastWriteMs = 0;
    qint64 m_lastArrivalMs = 0;
    int m_timeMinute = -1;
    QString m_timeText;
    QTextCharFormat m_labelFormat;
    QTextCharFormat m_timeFormat;
    QTextCharFormat m_topicFormat;
    QTextCharFormat m_payloadFormat;
    QTextCharFormat m_noteFormat;
};
