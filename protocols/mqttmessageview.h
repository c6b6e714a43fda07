#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTime>
#include <QTimer>

#include <deque>

class QTextEdit;

// The MQTT tab's received messages: a paragraph per message, "Time:" with
// the arrival time in red, "Topic:" with the topic in blue and "receive:"
// with the payload (UTF-8) in green, written as plain text, never as markup.
// Messages are written in batches, at most ten times a second while each
// batch fits a write's time budget (measured on the machine), and the view
// keeps only the newest messages within a line and a character limit, so a
// flood of messages costs bounded time and memory.
class MqttMessageView : public QObject
{
    Q_OBJECT

public:
    // What one message may show of its payload; a longer one ends in "…".
    static constexpr qsizetype maximumPayloadChars = 256 * 1024;

    explicit MqttMessageView(QTextEdit *view, QObject *parent = nullptr);

    void append(const QTime &arrival, const QString &topic, const QByteArray &payload);
    // Writes what is pending now.
    void flush();
    void clear();

private:
    struct Message
    {
        QString time;
        QString topic;
        QString payload;
    };

    void dropOldestPending();
    void dropOldestShown();

    QTextEdit *m_view;
    std::deque<Message> m_pending;
    qsizetype m_pendingChars = 0;
    qsizetype m_batchLines = 100;
    QTimer m_flushTimer;
    QElapsedTimer m_sinceWrite;
    QTextCharFormat m_labelFormat;
    QTextCharFormat m_timeFormat;
    QTextCharFormat m_topicFormat;
    QTextCharFormat m_payloadFormat;
};
