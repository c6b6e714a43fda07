#pragma once

#include <QByteArray>
#include <QMutex>
#include <QSet>
#include <QWaitCondition>

#include <memory>

class QIODevice;

// A gate that the reads of a file's bytes pass, as on a share that answers
// slowly or not at all: each read waits until the test lets it through, or
// for good once the gate is open. It notes the threads that read.
class ReadGate : public std::enable_shared_from_this<ReadGate>
{
public:
    // A device that holds `content` and whose every read passes this gate;
    // open to read, it reports no size, as a /proc file.
    [[nodiscard]] std::unique_ptr<QIODevice> device(const QByteArray &content);

    // Lets the next read through.
    void letThrough();
    void open();
    // A read waits at the gate that it was not told to let through.
    [[nodiscard]] bool readerWaiting() const;
    [[nodiscard]] QSet<Qt::HANDLE> readerThreads() const;

    // Called by a device's read.
    void pass();

private:
    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    int m_allowed = 0;
    int m_waiting = 0;
    bool m_open = false;
    QSet<Qt::HANDLE> m_readers;
};
