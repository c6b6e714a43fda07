#include "mappace.h"

MapPace::MapPace(int intervalMs, QObject *parent)
    : QObject(parent)
{
    m_interval.setSingleShot(true);
    m_interval.setInterval(intervalMs);
    connect(&m_interval, &QTimer::timeout, this, &MapPace::intervalEnded);
}

void MapPace::offer(const QStringList &calls)
{
    if (m_interval.isActive()) {
        m_waiting = calls;
        return;
    }
    m_interval.start();
    Q_EMIT due(calls);
}

void MapPace::intervalEnded()
{
    if (m_waiting.isEmpty())
        return;
    m_interval.start();
    Q_EMIT due(std::exchange(m_waiting, {}));
}
