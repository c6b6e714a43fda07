#include "threadserial.h"

#include "portsettings.h"

#include <algorithm>
#include <optional>

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A device that is gone leaves its descriptor hung up: poll reports the
// hang-up at once, and a write of nothing fails with the system's reason
// (a write of nothing to a device that is there succeeds).
std::optional<QString> hangUpReason(int descriptor)
{
    pollfd probe{descriptor, 0, 0};
    if (::poll(&probe, 1, 0) <= 0 || !(probe.revents & (POLLHUP | POLLERR | POLLNVAL)))
        return std::nullopt;
    return qt_error_string(::write(descriptor, "", 0) < 0 ? errno : EIO);
}

} // namespace

ThreadSerial::ThreadSerial(QObject *parent)
    : QThread(parent)
{}

ThreadSerial::~ThreadSerial()
{
    quit();
    wait();
}

void ThreadSerial::setPortSettings(const PortSettings &settings)
{
    portName = settings.portName;
    baudRate = settings.baudRate;
    dataBits = settings.dataBits;
    parity = settings.parity;
    stopBits = settings.stopBits;
}

void ThreadSerial::Init(bool connectRead)
{
    delete serialPort;
    serialPort = new QSerialPort(this);
    serialPort->setPortName(portName);
    serialPort->setBaudRate(baudRate, QSerialPort::AllDirections);
    serialPort->setDataBits(QSerialPort::DataBits(dataBits));
    switch (parity) {
    case 1:
        serialPort->setParity(QSerialPort::OddParity);
        break;
    case 2:
        serialPort->setParity(QSerialPort::EvenParity);
        break;
    case 3:
        serialPort->setParity(QSerialPort::MarkParity);
        break;
    case 4:
        serialPort->setParity(QSerialPort::SpaceParity);
        break;
    default:
        serialPort->setParity(QSerialPort::NoParity);
        break;
    }
    // Index 1 is "1.5": the port keeps its default of one stop bit.
    if (stopBits == 2)
        serialPort->setStopBits(QSerialPort::TwoStop);
    else if (stopBits != 1)
        serialPort->setStopBits(QSerialPort::OneStop);
    serialPort->setFlowControl(QSerialPort::NoFlowControl);
    opened = serialPort->open(QIODevice::ReadWrite);
    if (!opened)
        return;
    if (connectRead)
        connect(serialPort, &QSerialPort::readyRead, this, &ThreadSerial::readData);
    // Direct, so the error is judged while the port's reason is its own.
    connect(serialPort, &QSerialPort::errorOccurred, this, &ThreadSerial::checkError);
}

void ThreadSerial::setDTR(bool on)
{
    if (!serialPort || !serialPort->isOpen())
        return;
    dtr = on;
    serialPort->setDataTerminalReady(on);
}

void ThreadSerial::setRTS(bool on)
{
    if (!serialPort || !serialPort->isOpen())
        return;
    rts = on;
    serialPort->setRequestToSend(on);
}

qint64 ThreadSerial::driverOutputQueued() const
{
    int queued = 0;
    if (!serialPort || !serialPort->isOpen() ||
        ::ioctl(int(serialPort->handle()), TIOCOUTQ, &queued) != 0)
        return 0;
    return std::max(queued, 0);
}

qint64 ThreadSerial::dropDriverOutput()
{
    const qint64 queued = driverOutputQueued();
    if (queued == 0 || ::tcflush(int(serialPort->handle()), TCOFLUSH) != 0)
        return 0;
    // A driver that does not drop its queue still holds it, on its way.
    return std::max<qint64>(queued - driverOutputQueued(), 0);
}

void ThreadSerial::run() {}

// A device that is gone makes every read fail at once, over and over: the
// port is closed before that can spin, and the loss is reported. A write the
// device could not take yet (EAGAIN, which the port reports as a resource
// error, from a flush into a full output buffer) is back-pressure: the bytes
// wait in the port and go as the device takes them. The port's text of an
// error may be stale (a read that finds a hung-up device fails without
// setting errno), so a hang-up is told with the reason the device gives now.
void ThreadSerial::checkError(QSerialPort::SerialPortError error)
{
    if (m_lost || !serialPort->isOpen())
        return;
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    QString reason = serialPort->errorString();
    if (const std::optional<QString> hungUp = hangUpReason(int(serialPort->handle()))) {
        reason = *hungUp;
    } else if (error == QSerialPort::ResourceError && reason == qt_error_string(EAGAIN)) {
        serialPort->clearError();
        return;
    }
    m_lost = true;
    m_lostReason = reason;
    // Closed outside the port's own notification.
    QMetaObject::invokeMethod(this, &ThreadSerial::closeLostPort, Qt::QueuedConnection);
}

void ThreadSerial::closeLostPort()
{
    if (!serialPort->isOpen())
        return;
    serialPort->close();
    Q_EMIT portLost(m_lostReason);
}

void ThreadSerial::readData()
{
    const QByteArray data = serialPort->readAll();
    if (!data.isEmpty())
        Q_EMIT Serial_read_Data(data);
}
