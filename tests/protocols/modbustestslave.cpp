// A Modbus slave for the tests and the benchmark, in a process of its own
// since the Modbus tab waits on the thread that would otherwise serve it:
// unit 1 over TCP on 127.0.0.1 and over RTU on a pty, both with the data of
// modbusslavedata.h and kept equal (what a client writes over one is read
// back over the other). Prints "tcp PORT" and "rtu PATH", one line each, and
// serves until its standard input closes.

#include "modbusslavedata.h"
#include "ptypair.h"

#include <QCoreApplication>
#include <QModbusRtuSerialServer>
#include <QModbusTcpServer>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

void setUp(QModbusServer &server)
{
    using namespace ModbusSlaveData;
    QModbusDataUnit coils(QModbusDataUnit::Coils, 0, tableSize);
    QModbusDataUnit discrete(QModbusDataUnit::DiscreteInputs, 0, tableSize);
    QModbusDataUnit input(QModbusDataUnit::InputRegisters, 0, tableSize);
    QModbusDataUnit holding(QModbusDataUnit::HoldingRegisters, 0, tableSize);
    for (int address = 0; address < tableSize; ++address) {
        coils.setValue(address, coil(address));
        discrete.setValue(address, discreteInput(address));
        input.setValue(address, inputRegister(address));
        holding.setValue(address, holdingRegister(address));
    }
    server.setServerAddress(unit);
    server.setMap({{QModbusDataUnit::Coils, coils},
                   {QModbusDataUnit::DiscreteInputs, discrete},
                   {QModbusDataUnit::InputRegisters, input},
                   {QModbusDataUnit::HoldingRegisters, holding}});
}

// Copies what is waiting on one pty master to the other; the notifier rests
// meanwhile, so bytes keep their order while a full pty is waited on.
void pass(QSocketNotifier &notifier, PtyPair &from, PtyPair &to)
{
    notifier.setEnabled(false);
    to.write(from.readAvailable());
    notifier.setEnabled(true);
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

    // A free port from a random place of the upper range.
    QModbusTcpServer tcp;
    setUp(tcp);
    tcp.setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
    for (int tries = 0; tries < 100 && tcp.state() != QModbusDevice::ConnectedState; ++tries) {
        tcp.setConnectionParameter(QModbusDevice::NetworkPortParameter,
                                   QRandomGenerator::global()->bounded(20000, 60000));
        tcp.connectDevice();
    }

    // Two pty pairs joined at their master ends: the server opens the slave
    // end of one, a client the other's.
    PtyPair client;
    PtyPair server;
    QSocketNotifier fromClient(client.masterFd(), QSocketNotifier::Read);
    QSocketNotifier fromServer(server.masterFd(), QSocketNotifier::Read);
    QObject::connect(&fromClient, &QSocketNotifier::activated,
                     [&] { pass(fromClient, client, server); });
    QObject::connect(&fromServer, &QSocketNotifier::activated,
                     [&] { pass(fromServer, server, client); });
    QModbusRtuSerialServer rtu;
    setUp(rtu);
    rtu.setConnectionParameter(QModbusDevice::SerialPortNameParameter, server.slavePath());
    rtu.setConnectionParameter(QModbusDevice::SerialParityParameter, QSerialPort::NoParity);
    if (tcp.state() != QModbusDevice::ConnectedState || !client.isOpen() || !server.isOpen() ||
        !rtu.connectDevice()) {
        std::fprintf(stderr, "not serving: %s %s\n", qPrintable(tcp.errorString()),
                     qPrintable(rtu.errorString()));
        return 1;
    }
    mirror(tcp, rtu);
    mirror(rtu, tcp);

    std::printf("tcp %d\nrtu %s\n",
                tcp.connectionParameter(QModbusDevice::NetworkPortParameter).toInt(),
                qPrintable(client.slavePath()));
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
