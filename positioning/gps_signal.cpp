#include "gps_signal.h"

#include "gsvreader.h"

#include <QMutexLocker>

GPS_Signal::GPS_Signal(QObject *parent)
    : QThread(parent)
{
    qRegisterMetaType<GsvSentence>();
}

GPS_Signal::~GPS_Signal()
{
    stop();
    wait();
}

void GPS_Signal::stop()
{
    const QMutexLocker lock(&m_mutex);
    m_stopping = true;
    m_work.wakeAll();
}

qsizetype GPS_Signal::queueLength() const
{
    const QMutexLocker lock(&m_mutex);
    return m_queue.size();
}

qint64 GPS_Signal::droppedCount() const
{
    const QMutexLocker lock(&m_mutex);
    return m_dropped;
}

qint64 GPS_Signal::readCount() const
{
    const QMutexLocker lock(&m_mutex);
    return m_read;
}

void GPS_Signal::Get_Data(char *s)
{
    QByteArray sentence(s);
    const QMutexLocker lock(&m_mutex);
    m_queue.enqueue(std::move(sentence));
    for (; m_queue.size() > queueLimit; ++m_dropped)
        m_queue.dequeue();
    m_work.wakeAll();
}

void GPS_Signal::Wait_Data(bool status)
{
    const QMutexLocker lock(&m_mutex);
    m_waiting = status;
    if (!status)
        m_work.wakeAll();
}

void GPS_Signal::run()
{
    for (;;) {
        QByteArray sentence;
        {
            QMutexLocker lock(&m_mutex);
            while (!m_stopping && (m_waiting || m_queue.isEmpty()))
                m_work.wait(&m_mutex);
            if (m_stopping)
                return;
            sentence = m_queue.dequeue();
            m_waiting = true;
            ++m_read;
        }
        const GsvSentence read = GsvReader::read(sentence);
        // Handed over on the worker object's own thread, where deliver()
        // drops it once the worker is stopping; a pending hand-over goes
        // with the object.
        QMetaObject::invokeMethod(
            this, [this, read] { deliver(read); }, Qt::QueuedConnection);
    }
}

void GPS_Signal::deliver(const GsvSentence &sentence)
{
    {
        const QMutexLocker lock(&m_mutex);
        if (m_stopping)
            return;
    }
    Q_EMIT ReturnResult(sentence);
}
