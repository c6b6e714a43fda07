#pragma once

#include "modbusreplycollector.h"
#include "nuvelix_modbusclient.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

class QAbstractSocket;
class QIODevice;

// Reads a Modbus transport while no request waits for its answer, so that
// what a device sends unasked (a late reply, another master's traffic, line
// noise) neither piles up in memory nor passes for the next reply. What
// comes is held until the line has been quiet for a moment, for a second at
// most or up to ModbusReplyCollector::maximumReceived bytes, then cut into
// frames, none of them answering a request; of a longer run only its newest
// bytes are kept. An unbuffered socket meets its peer's close (a FIN or a
// reset) only when it is read: then it leaves the connected state without a
// signal of its own, and the reader tells it. The reader is a child of its
// device and goes with it.
class ModbusIdleReader : public QObject
{
    Q_OBJECT

public:
    // A run of bytes is handed on once nothing more came for so long.
    static constexpr int quietMs = 20;
    static constexpr qint64 longestHoldMs = 1000;

    ModbusIdleReader(QIODevice *device, Nuvelix_ModBus_Mode mode);

    // The reader of `device`, if it has one.
    [[nodiscard]] static ModbusIdleReader *of(const QIODevice *device);

    // Stops reading while a request waits (its wait reads the device itself)
    // and returns, cut into frames, what came unasked up to now: held here,
    // in the device or in a serial port's driver, where a late reply would
    // otherwise pass for the answer.
    [[nodiscard]] QList<ModbusReplyCollector::Frame> takeBeforeRequest();
    // Reads again once the request is over; what came meanwhile is read
    // from the event loop, and a close met meanwhile is told then.
    void resume();

Q_SIGNALS:
    void arrived(const QList<ModbusReplyCollector::Frame> &frames);
    // The TCP peer closed or reset the connection; the socket holds why.
    void peerClosed();

private:
    void readArrived();
    [[nodiscard]] QByteArray readDevice();
    void handOn();

    QIODevice *m_device;
    QAbstractSocket *m_socket;
    Nuvelix_ModBus_Mode m_mode;
    bool m_paused = false;
    QByteArray m_held;
    QElapsedTimer m_holding;
    QTimer m_quiet;
};
