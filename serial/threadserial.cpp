#include "threadserial.h"

#include <QSerialPort>

ThreadSerial::ThreadSerial(QObject *parent)
    : QThread(parent)
{}

ThreadSerial::~ThreadSerial()
{
    quit();
    wait();
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
    if (opened && connectRead)
        connect(serialPort, &QSerialPort::readyRead, this, &ThreadSerial::readData);
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

void ThreadSerial::readData()
{
    const QByteArray data = serialPort->readAll();
    if (!data.isEmpty())
        Q_EMIT Serial_read_Data(data);
}
