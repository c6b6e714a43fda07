#include "readgate.h"

#include <QIODevice>
#include <QThread>

#include <cstring>

namespace {
// Bytes read a read at a time through a gate.
class GatedDevice : public QIODevice
{
public:
    GatedDevice(std::shared_ptr<ReadGate> gate, const QByteArray &content)
        : m_gate(std::move(gate))
        , m_content(content)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        m_gate->pass();
        const qint64 read = qMin(maxSize, qint64(m_content.size()) - m_at);
        std::memcpy(data, m_content.constData() + m_at, size_t(read));
        m_at += read;
        return read;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const std::shared_ptr<ReadGate> m_gate;
    const QByteArray m_content;
    qint64 m_at = 0;
};
} // namespace

std::unique_ptr<QIODevice> ReadGate::device(const QByteArray &content)
{
    return std::make_unique<GatedDevice>(shared_from_this(), content);
}

void ReadGate::letThrough()
{
    const QMutexLocker lock(&m_mutex);
    ++m_allowed;
    m_changed.wakeAll();
}

void ReadGate::open()
{
    const QMutexLocker lock(&m_mutex);
    m_open = true;
    m_changed.wakeAll();
}

bool ReadGate::readerWaiting() const
{
    const QMutexLocker lock(&m_mutex);
    return !m_open && m_waiting > m_allowed;
}

QSet<Qt::HANDLE> ReadGate::readerThreads() const
{
    const QMutexLocker lock(&m_mutex);
    return m_readers;
}

void ReadGate::pass()
{
    const QMutexLocker lock(&m_mutex);
    m_readers.insert(QThread::currentThreadId());
    ++m_waiting;
    m_changed.wakeAll();
    while (!m_open && m_allowed == 0)
        m_changed.wait(&m_mutex);
    if (!m_open)
        --m_allowed;
    --m_waiting;
}
