#include "localclock.h"

#include <QDateTime>

namespace {
constexpr qint64 msPerMinute = 60 * 1000;
constexpr qint64 msPerDay = 24 * 60 * msPerMinute;
} // namespace

QTime LocalClock::now()
{
    thread_local qint64 minute = -1;
    thread_local qint64 offsetMs = 0;
    const qint64 utcMs = QDateTime::currentMSecsSinceEpoch();
    if (utcMs / msPerMinute != minute) {
        minute = utcMs / msPerMinute;
        offsetMs = qint64(QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc()) * 1000;
    }
    const qint64 local = ((utcMs + offsetMs) % msPerDay + msPerDay) % msPerDay;
    return QTime::fromMSecsSinceStartOfDay(int(local));
}
