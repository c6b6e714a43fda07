#pragma once

#include "nmeaslmsg.h"

#include <QByteArray>
#include <QMutex>
#include <QQueue>
#include <QThread>
#include <QWaitCondition>

// The GPS Signal dialog's worker: reads the satellites of the GSV sentences
// it is given on its own thread, one sentence at a time, and hands each
// result over by value. After handing one over it takes no sentence until
// the window has drawn it and released it with Wait_Data(false).
class GPS_Signal : public QThread
{
    Q_OBJECT

public:
    // Sentences waiting beyond this many are dropped, oldest first.
    static constexpr qsizetype queueLimit = 50;

    explicit GPS_Signal(QObject *parent = nullptr);
    // Stops the thread and waits for it, since destroying a running QThread
    // aborts the program.
    ~GPS_Signal() override;

    // Ends the thread soon; no result is handed over from now on.
    void stop();

    // Sentences waiting to be read.
    [[nodiscard]] qsizetype queueLength() const;
    // Sentences dropped because the queue was full.
    [[nodiscard]] qint64 droppedCount() const;
    // Sentences read so far.
    [[nodiscard]] qint64 readCount() const;

public Q_SLOTS:
    // Queues a copy of the sentence text (empty for a null pointer); the
    // pointer need only be valid during the call.
    void Get_Data(char *s);
    // While set, the worker holds its next result back; clearing it (the
    // window drew the last result) lets the next sentence be read at once.
    void Wait_Data(bool status);

Q_SIGNALS:
    // One sentence as read, emitted on the thread the worker object lives
    // in (the window's), never after stop().
    void ReturnResult(const GsvSentence &sentence);

protected:
    void run() override;

private:
    void deliver(const GsvSentence &sentence);

    mutable QMutex m_mutex;
    QWaitCondition m_work;
    QQueue<QByteArray> m_queue;
    bool m_waiting = false;
    bool m_stopping = false;
    qint64 m_dropped = 0;
    qint64 m_read = 0;
};
