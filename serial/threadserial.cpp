#include "threadserial.h"

#include "portsettings.h"

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
    // Queued: the port is closed outside its own notification.
    connect(serialPort, &QSerialPort::errorOccurred, this, &ThreadSerial::checkError,
            Qt::QueuedConnection);
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

void ThreadSerial::run() {}

// A device that is gone makes every read fail at once, over and over: the
// port is closed before that can spin, and the loss is reported.
void ThreadSerial::checkError(QSerialPort::SerialPortError error)
{
    if (m_lost || !serialPort->isOpen())
        return;
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    m_lost = true;
    const QString reason = serialPort->errorString();
    serialPort->close();
    Q_EMIT portLost(reason);
}

void ThreadSerial::readData()
{
    const QByteArray data = serialPort->readAll();
    if (!data.isEmpty())
        Q_EMIT Serial_read_Data(data);
}
