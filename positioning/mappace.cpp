#include "mappace.h"

MapPace::MapPace(int frameMs, QObject *parent)
    : QObject(parent)
    , m_pace(frameMs)
{
    connect(&m_pace, &FramePace::due, this, [this] {
        if (!m_waiting.isEmpty())
            Q_EMIT due(std::exchange(m_waiting, {}));
    });
}

void MapPace::offer(const QStringList &calls)
{
    m_waiting = calls;
    m_pace.request();
}
