#include "portwait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QIODevice>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

// Per thread, since nested waits can only come from the loop of the same thread.
thread_local bool waiting = false;

// Marks a wait as running on this thread for as long as it lives.
class WaitingMark
{
public:
    WaitingMark() { waiting = true; }
    ~WaitingMark() { waiting = false; }
    WaitingMark(const WaitingMark &) = delete;
    WaitingMark &operator=(const WaitingMark &) = delete;
};

[[nodiscard]] bool usable(const QPointer<QIODevice> &port)
{
    return port && port->isOpen();
}

} // namespace

PortWait::Outcome PortWait::exchange(QIODevice *port, const QByteArray &request, int timeoutMs,
                                     const std::function<bool()> &ready)
{
    if (waiting)
        return Outcome::Busy;
    const WaitingMark mark;
    const QPointer<QIODevice> guard(port);
    if (!usable(guard))
        return Outcome::Closed;
    Q_ASSERT(port->thread() == QThread::currentThread());

    // The first event to decide wins; later ones (a close while a slot nested
    // deeper still holds the loop) no longer call `ready`.
    QEventLoop loop;
    std::optional<Outcome> outcome;
    const auto decide = [&loop, &outcome](Outcome decided) {
        if (outcome)
            return;
        outcome = decided;
        loop.quit();
    };
    const auto askReady = [&] {
        if (!outcome && ready && ready())
            decide(Outcome::Ready);
    };

    // Connected with the loop as context, so they all go when the wait returns.
    QObject::connect(port, &QIODevice::aboutToClose, &loop, [&] { decide(Outcome::Closed); });
    QObject::connect(port, &QObject::destroyed, &loop, [&] { decide(Outcome::Closed); });
    QObject::connect(port, &QIODevice::readyRead, &loop, askReady);
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] { decide(Outcome::TimedOut); });
    limit.start(std::max(timeoutMs, 0));

    if (!request.isEmpty() && port->write(request) != request.size())
        decide(Outcome::Closed);
    if (!usable(guard))
        decide(Outcome::Closed);
    askReady();
    if (!outcome)
        loop.exec();

    // The loop also ends undecided when the program quits, and a slot nested
    // deeper may have closed the port after the outcome was set: both leave a
    // port not to be touched.
    if (!outcome || !usable(guard))
        return Outcome::Closed;
    return *outcome;
}

PortWait::Outcome PortWait::runPending(QIODevice *port)
{
    if (waiting)
        return Outcome::Busy;
    const WaitingMark mark;
    const QPointer<QIODevice> guard(port);
    if (!usable(guard))
        return Outcome::Closed;
    // A port closed and opened again meanwhile is not the one written to.
    bool closed = false;
    const QObject context;
    QObject::connect(port, &QIODevice::aboutToClose, &context, [&closed] { closed = true; });
    QCoreApplication::processEvents();
    return closed || !usable(guard) ? Outcome::Closed : Outcome::Ready;
}

bool PortWait::isWaiting()
{
    return waiting;
}
