// A Modbus slave for the tests and the benchmark, in a process of its own
// since the Modbus tab waits on the thread that would otherwise serve it:
// unit 1 over TCP on 127.0.0.1 and over RTU on a pty, both with the data of
// modbusslavedata.h and kept equal (what a client writes over one is read
// back over the other). Prints "tcp PORT" and "rtu PATH", one line each, and
// serves until its standard input closes.

#include "modbusslavedata.h"
#include "ptyrelay.h"

#include <QCoreApplication>
#include <QModbusDataUnitMap>
#include <QModbusRtuSerialServer>
#include <QModbusTcpServer>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

QModbusDataUnitMap startingData()
{
    using namespace ModbusSlaveData;
    QModbusDataUnit coils(QModbusDataUnit::Coils, 0, tableSize);
    QModbusDataUnit discrete(QModbusDataUnit::DiscreteInputs, 0, tableSize);
    QModbusDataUnit input(QModbusDataUnit::InputRegisters, 0, tableSize);
    QModbusDataUnit holding(QModbusDataUnit::HoldingRegisters, 0, tableSize);
    for (int address = 0; address < tableSize; ++address) {
        coils.setValue(address, coil(address) ? 1 : 0);
        discrete.setValue(address, discreteInput(address) ? 1 : 0);
        input.setValue(address, inputRegister(address));
        holding.setValue(address, holdingRegister(address));
    }
    return {{QModbusDataUnit::Coils, coils},
            {QModbusDataUnit::DiscreteInputs, discrete},
            {QModbusDataUnit::InputRegisters, input},
            {QModbusDataUnit::HoldingRegisters, holding}};
}

void setUp(QModbusServer &server)
{
    server.setServerAddress(ModbusSlaveData::unit);
    server.setMap(startingData());
}

// A free port from a random place of the upper range.
bool listen(QModbusTcpServer &server)
{
    server.setConnectionParameter(QModbusDevice::NetworkAddressParameter,
                                  QStringLiteral("127.0.0.1"));
    for (int tries = 0; tries < 100; ++tries) {
        const int port = QRandomGenerator::global()->bounded(20000, 60000);
        server.setConnectionParameter(QModbusDevice::NetworkPortParameter, port);
        if (server.connectDevice())
            return true;
    }
    return false;
}

// Copies what a client wrote to one server into the other.
void mirror(QModbusServer &from, QModbusServer &to)
{
    QObject::connect(&from, &QModbusServer::dataWritten, &to,
                     [&from, &to](QModbusDataUnit::RegisterType table, int address, int size) {
                         QModbusDataUnit written(table, address, quint16(size));
                         if (from.data(&written))
                             to.setData(written);
                     });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    QModbusTcpServer tcp;
    setUp(tcp);
    if (!listen(tcp)) {
        std::fprintf(stderr, "no TCP port: %s\n", qPrintable(tcp.errorString()));
        return 1;
    }

    PtyRelay relay;
    QModbusRtuSerialServer rtu;
    setUp(rtu);
    rtu.setConnectionParameter(QModbusDevice::SerialPortNameParameter, relay.serverPath());
    rtu.setConnectionParameter(QModbusDevice::SerialBaudRateParameter, QSerialPort::Baud115200);
    rtu.setConnectionParameter(QModbusDevice::SerialDataBitsParameter, QSerialPort::Data8);
    rtu.setConnectionParameter(QModbusDevice::SerialParityParameter, QSerialPort::NoParity);
    rtu.setConnectionParameter(QModbusDevice::SerialStopBitsParameter, QSerialPort::OneStop);
    if (!relay.isOpen() || !rtu.connectDevice()) {
        std::fprintf(stderr, "no RTU port: %s\n", qPrintable(rtu.errorString()));
        return 1;
    }
    mirror(tcp, rtu);
    mirror(rtu, tcp);

    std::printf("tcp %d\nrtu %s\n",
                tcp.connectionParameter(QModbusDevice::NetworkPortParameter).toInt(),
                qPrintable(relay.clientPath()));
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app, &input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            app.quit();
        }
    });
    return app.exec();
}
