#include "modbusidlereader.h"

#include <QAbstractSocket>
#include <QSerialPort>

#include <sys/ioctl.h>

ModbusIdleReader::ModbusIdleReader(QIODevice *device, Nuvelix_ModBus_Mode mode)
    : QObject(device)
    , m_device(device)
    , m_socket(qobject_cast<QAbstractSocket *>(device))
    , m_mode(mode)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    connect(&m_quiet, &QTimer::timeout, this, &ModbusIdleReader::handOn);
    connect(m_device, &QIODevice::readyRead, this, &ModbusIdleReader::readArrived);
    // What is held when the transport closes is still shown.
    connect(m_device, &QIODevice::aboutToClose, this, &ModbusIdleReader::handOn);
    // Whatever came before the reader did.
    resume();
}

ModbusIdleReader *ModbusIdleReader::of(const QIODevice *device)
{
    return device ? device->findChild<ModbusIdleReader *>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QList<ModbusReplyCollector::Frame> ModbusIdleReader::takeBeforeRequest()
{
    m_paused = true;
    m_quiet.stop();
    // A serial port's driver is asked whether it holds anything, as a wait
    // on the port for nothing costs far more.
    if (auto *serial = qobject_cast<QSerialPort *>(m_device)) {
        int held = 0;
        if (::ioctl(int(serial->handle()), FIONREAD, &held) != 0 || held > 0)
            static_cast<void>(serial->waitForReadyRead(0));
    }
    // Reading a socket that holds nothing costs a buffer and a read more
    // than asking.
    if (m_device->isOpen() && m_device->bytesAvailable() > 0)
        m_held += readDevice();
    if (m_held.isEmpty())
        return {};
    const QList<ModbusReplyCollector::Frame> frames =
        ModbusReplyCollector::framesOf(m_held, m_mode);
    m_held.clear();
    return frames;
}

void ModbusIdleReader::resume()
{
    m_paused = false;
    QMetaObject::invokeMethod(this, &ModbusIdleReader::readArrived, Qt::QueuedConnection);
}

void ModbusIdleReader::readArrived()
{
    if (m_paused || !m_device->isOpen())
        return;
    const QByteArray bytes = readDevice();
    if (!bytes.isEmpty()) {
        if (m_held.isEmpty())
            m_holding.start();
        m_held += bytes;
        if (m_held.size() >= ModbusReplyCollector::maximumReceived ||
            m_holding.elapsed() >= longestHoldMs)
            handOn();
        else
            m_quiet.start();
    }
    if (m_socket && m_socket->state() == QAbstractSocket::UnconnectedState) {
        handOn();
        Q_EMIT peerClosed();
    }
}

// A serial port has read what its driver held at the notification; an
// unbuffered socket is read here, a bounded amount at a time (it notifies
// again while more waits), so a flood never holds the event loop.
QByteArray ModbusIdleReader::readDevice()
{
    if (m_socket)
        return m_socket->read(ModbusReplyCollector::maximumReceived);
    return m_device->readAll();
}

void ModbusIdleReader::handOn()
{
    m_quiet.stop();
    if (m_held.isEmpty())
        return;
    const QList<ModbusReplyCollector::Frame> frames =
        ModbusReplyCollector::framesOf(m_held, m_mode);
    m_held.clear();
    Q_EMIT arrived(frames);
}
