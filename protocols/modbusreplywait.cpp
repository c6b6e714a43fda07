#include "modbusreplywait.h"

#include <QAbstractEventDispatcher>
#include <QAbstractSocket>
#include <QElapsedTimer>

#include <array>

#include <poll.h>

namespace {

// How long the first wait may block, and how long after the event loop
// last went round it may: together well within what a window may take to
// answer.
constexpr int blockingMs = 5;
constexpr int loopTurnMs = 20;
// A Modbus frame is at most 260 bytes.
constexpr qsizetype readChunk = 1024;

// When the thread's event loop last went round.
struct LoopTurns
{
    QElapsedTimer sinceTurn;
    bool watched = false;
};
thread_local LoopTurns loopTurns;

void watchLoopTurns()
{
    if (loopTurns.watched)
        return;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                     [] { loopTurns.sinceTurn.start(); });
    loopTurns.watched = true;
    loopTurns.sinceTurn.start();
}

// Hands a socket's request to the system at once. A serial port is never
// flushed, as no writer of the shared port is: a flush writes at once, and a
// device that cannot take bytes yet refuses it. The port writes the request
// as the device takes it, from the wait below or from the event loop.
void sendWritten(QIODevice *device)
{
    if (auto *socket = qobject_cast<QAbstractSocket *>(device))
        socket->flush();
}

// Whether the device still carries an answer: an unbuffered socket meets
// its peer's close (a FIN or a reset) only when it is read, and then leaves
// the connected state while it stays open.
bool carries(QIODevice *device)
{
    const auto *socket = qobject_cast<const QAbstractSocket *>(device);
    return device->isOpen() && (!socket || socket->state() == QAbstractSocket::ConnectedState);
}

// Blocks up to `ms` for something to read and hands it to the collector;
// false when nothing came or the device gave nothing. An unbuffered socket
// is waited on and read directly: Qt's own wait turns its read notifier off
// for every reply and the read on again, which wakes the event loop for
// nothing, and reading it all takes one more read that finds nothing.
bool takeArrived(QIODevice *device, ModbusReplyCollector &collector, int ms)
{
    auto *socket = qobject_cast<QAbstractSocket *>(device);
    if (!socket || !socket->openMode().testFlag(QIODevice::Unbuffered)) {
        if (device->bytesAvailable() == 0 && !device->waitForReadyRead(ms))
            return false;
        static_cast<void>(collector.take(device->readAll()));
        return true;
    }
    pollfd readable{int(socket->socketDescriptor()), POLLIN, 0};
    if (::poll(&readable, 1, ms) <= 0)
        return false;
    std::array<char, readChunk> bytes;
    const qint64 read = socket->read(bytes.data(), qint64(bytes.size()));
    if (read <= 0)
        return false;
    static_cast<void>(collector.take(QByteArrayView(bytes.data(), read)));
    return true;
}

} // namespace

PortWait::Outcome ModbusReplyWait::exchange(QIODevice *device, const QByteArray &request,
                                            ModbusReplyCollector &collector, int timeoutMs,
                                            const std::function<void()> &whileSent)
{
    if (PortWait::isWaiting())
        return PortWait::Outcome::Busy;
    QElapsedTimer clock;
    clock.start();
    if (!device || !device->isOpen() || device->write(request) != request.size())
        return PortWait::Outcome::Closed;
    sendWritten(device);
    if (whileSent)
        whileSent();
    // Events that have waited a while run now, while the answer is on its
    // way, so that the window keeps answering however fast requests follow
    // each other.
    watchLoopTurns();
    if (!loopTurns.watched || loopTurns.sinceTurn.elapsed() >= loopTurnMs) {
        const PortWait::Outcome pending = PortWait::runPending(device);
        if (pending != PortWait::Outcome::Ready)
            return pending;
        loopTurns.sinceTurn.start();
    }
    // No event runs while the thread blocks here, so nothing else reads the
    // device or closes it meanwhile, but the device itself may close, or the
    // peer. What waited before the request was read by the caller; the rest
    // of the answer is read as it comes.
    while (!collector.complete() && clock.elapsed() < blockingMs &&
           takeArrived(device, collector, int(blockingMs - clock.elapsed())))
        continue;
    // An answer that came with the peer's close still counts; the close
    // ends the wait at once.
    if (!device->isOpen())
        return PortWait::Outcome::Closed;
    if (collector.complete())
        return PortWait::Outcome::Ready;
    if (!carries(device))
        return PortWait::Outcome::Closed;
    const PortWait::Outcome outcome =
        PortWait::exchange(device, {}, int(qMax<qint64>(0, timeoutMs - clock.elapsed())),
                           [&] { return collector.take(device->readAll()) || !carries(device); });
    return outcome == PortWait::Outcome::Ready && !collector.complete() ? PortWait::Outcome::Closed
                                                                        : outcome;
}
