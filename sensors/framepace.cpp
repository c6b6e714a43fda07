#include "framepace.h"

#include <QtMath>

namespace {
constexpr qreal fallbackRate = 60;
} // namespace

FramePace::FramePace(qreal refreshRate)
    : m_frameMs(qMax(1, qCeil(1000 / (refreshRate >= 1 ? refreshRate : fallbackRate))))
{}

int FramePace::delayMs(qint64 sinceShownMs) const
{
    if (sinceShownMs < 0 || sinceShownMs >= m_frameMs)
        return 0;
    return int(m_frameMs - sinceShownMs);
}
