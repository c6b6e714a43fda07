#include "modbusreplywait.h"

#include <QAbstractEventDispatcher>
#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QSerialPort>

namespace {

// How long the first wait may block, and how long after the event loop
// last went round it may: together well within what a window may take to
// answer.
constexpr int blockingMs = 5;
constexpr int loopTurnMs = 20;

// When the thread's event loop last went round.
struct LoopTurns
{
    QElapsedTimer sinceTurn;
    bool watched = false;
};
thread_local LoopTurns loopTurns;

[[nodiscard]] bool loopTurnedRecently()
{
    if (!loopTurns.watched) {
        QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
        if (!dispatcher)
            return false;
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                         [] { loopTurns.sinceTurn.start(); });
        loopTurns.watched = true;
        loopTurns.sinceTurn.start();
    }
    return loopTurns.sinceTurn.elapsed() < loopTurnMs;
}

// Writes out what the device holds back from a write.
void sendWritten(QIODevice *device)
{
    if (auto *serial = qobject_cast<QSerialPort *>(device))
        serial->flush();
    else if (auto *socket = qobject_cast<QAbstractSocket *>(device))
        socket->flush();
}

} // namespace

PortWait::Outcome ModbusReplyWait::exchange(QIODevice *device, const QByteArray &request,
                                            ModbusReplyCollector &collector, int timeoutMs)
{
    if (PortWait::isWaiting())
        return PortWait::Outcome::Busy;
    if (!device || !device->isOpen() || device->write(request) != request.size())
        return PortWait::Outcome::Closed;
    sendWritten(device);
    // No event runs while the thread blocks here, so nothing else reads the
    // device or closes it meanwhile, but the device itself may close. What
    // waited before the request was read by the caller; the rest of the
    // answer is read as it comes.
    QElapsedTimer clock;
    clock.start();
    if (loopTurnedRecently()) {
        while (clock.elapsed() < blockingMs &&
               device->waitForReadyRead(int(blockingMs - clock.elapsed())) &&
               !collector.take(device->readAll()))
            continue;
        if (!device->isOpen())
            return PortWait::Outcome::Closed;
        if (collector.complete())
            return PortWait::Outcome::Ready;
    }
    return PortWait::exchange(device, {}, int(qMax<qint64>(0, timeoutMs - clock.elapsed())),
                              [&] { return collector.take(device->readAll()); });
}
