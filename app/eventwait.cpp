#include "eventwait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

void waitProcessingEvents(int ms)
{
    if (ms <= 0)
        return;
    constexpr qint64 sliceMs = 100;
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QEventLoop slice;
        const qint64 remaining = std::max<qint64>(deadline.remainingTime(), 1);
        QTimer::singleShot(std::chrono::milliseconds(std::min(remaining, sliceMs)),
                           Qt::PreciseTimer, &slice, &QEventLoop::quit);
        slice.exec();
    }
}
