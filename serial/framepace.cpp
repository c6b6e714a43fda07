#include "framepace.h"

#include <QtMath>

namespace {
constexpr qreal fallbackRate = 60;
} // namespace

FramePace::FramePace(int frameMs, QObject *parent)
    : QObject(parent)
    , m_frameMs(qMax(1, frameMs))
{
    m_frameEnd.setSingleShot(true);
    connect(&m_frameEnd, &QTimer::timeout, this, &FramePace::dueNow);
}

int FramePace::frameMsOf(qreal refreshRate)
{
    return qMax(1, qCeil(1000 / (refreshRate >= 1 ? refreshRate : fallbackRate)));
}

void FramePace::request()
{
    if (m_frameEnd.isActive())
        return;
    const qint64 since = m_sinceShown.isValid() ? m_sinceShown.elapsed() : m_frameMs;
    if (since >= m_frameMs)
        dueNow();
    else
        m_frameEnd.start(int(m_frameMs - since));
}

void FramePace::dueNow()
{
    m_frameEnd.stop();
    m_sinceShown.start();
    Q_EMIT due();
}
