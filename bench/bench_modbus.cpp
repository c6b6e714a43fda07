// Run: xvfb-run -a build/bench/bench_modbus [ROUNDS] [REPETITIONS]
//
// Round trips per second reading 125 holding registers from the test Modbus
// slave (a process of its own: Qt SerialBus' QModbusTcpServer on loopback and
// QModbusRtuSerialServer on a pty relay), over TCP and over RTU, in the same
// run against the same slave:
//   tab        the Modbus tab, one Read press per round trip, both logs kept
//   core       the tab's road without the window: the codec, the reply wait
//              and the reply collector on a bare socket or serial port
//   libmodbus  libmodbus' own client, modbus_read_registers in a loop
//   mbpoll     Debian's mbpoll polling as fast as it lets (every 10 ms) for
//              three seconds
// The first three take turns, REPETITIONS times ROUNDS round trips each
// (default 5 x 1000), so that a machine busy with other work slows them
// alike; each prints the median rate with the slowest and fastest turn, and
// the tab's and the core's medians are set against libmodbus'. The tab's
// line also gives the longest stall of the GUI thread. Every reply is
// checked; a way that misses any says how many.

#include "benchsupport.h"
#include "mainwindow.h"
#include "modbusreplycollector.h"
#include "modbusreplywait.h"
#include "modbusslavedata.h"
#include "modbusslaveprocess.h"
#include "nuvelix_modbusclient.h"
#include "portlist.h"
#include "portwait.h"
#include "windowbench.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpSocket>

#include <modbus/modbus.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using Mode = Nuvelix_ModBus_Mode;

namespace {

constexpr int registers = 125;
constexpr int mbpollSeconds = 3;

// The turns of one way: their rates, what failed, the longest stall.
struct Turns
{
    QList<double> rates;
    int failed = 0;
    qint64 longestStallMs = -1;
};

double median(QList<double> rates)
{
    std::sort(rates.begin(), rates.end());
    return rates.isEmpty() ? 0.0 : rates.at(rates.size() / 2);
}

// `rounds` 0: one run of mbpoll's.
void print(const char *mode, const char *way, Turns turns, int rounds)
{
    std::sort(turns.rates.begin(), turns.rates.end());
    if (turns.rates.isEmpty())
        return;
    const double middle = median(turns.rates);
    if (rounds == 0) {
        std::printf("%-4s %-10s %8.0f round trips/s  (polling for %d s)\n", mode, way, middle,
                    mbpollSeconds);
        return;
    }
    std::printf("%-4s %-10s %8.0f round trips/s median  (%.0f to %.0f over %lld turns of %d, "
                "%d failed",
                mode, way, middle, turns.rates.first(), turns.rates.last(),
                qlonglong(turns.rates.size()), rounds, turns.failed);
    if (turns.longestStallMs >= 0)
        std::printf(", longest GUI stall %lld ms", qlonglong(turns.longestStallMs));
    std::printf(")\n");
    std::fflush(stdout);
}

bool expectedRegisters(const QList<ushort> &values)
{
    if (values.size() != registers)
        return false;
    for (int address = 0; address < registers; ++address) {
        if (values.at(address) != ModbusSlaveData::holdingRegister(address))
            return false;
    }
    return true;
}

// Runs `rounds` round trips as one turn.
void takeTurn(Turns &turns, int rounds, const std::function<bool()> &roundTrip)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i) {
        if (!roundTrip())
            ++turns.failed;
    }
    turns.rates.append(rounds / (double(clock.nsecsElapsed()) / 1e9));
}

// The Modbus tab: each press is one transaction.
void throughTheTab(Turns &turns, MainWindow &window, Mode mode, const ModbusSlaveProcess &slave,
                   int rounds)
{
    auto *status = window.statusBar();
    const auto button = [&window](const char *name) {
        return window.findChild<QPushButton *>(QLatin1String(name));
    };
    if (mode == Mode::Rtu) {
        window.findChild<QRadioButton *>(QStringLiteral("ModbusportMode_1"))->click();
        button("ModbusopencompushButton")->click();
    } else {
        window.findChild<QRadioButton *>(QStringLiteral("ModbusportMode_2"))->click();
        window.findChild<QLineEdit *>(QStringLiteral("ModbusTCPclientPortlineEdit"))
            ->setText(QString::number(slave.tcpPort()));
        button("ModbusTCPopencompushButton")->click();
        Bench::runUntil(
            [status] {
                return status->currentMessage() == QLatin1String("Connected to TCP server");
            },
            5000);
    }
    window.findChild<QComboBox *>(QStringLiteral("Modbus_function_comboBox"))->setCurrentIndex(2);
    window.findChild<QSpinBox *>(QStringLiteral("Modbus_address_spinBox"))->setValue(0);
    window.findChild<QSpinBox *>(QStringLiteral("Modbus_quantity_spinBox"))->setValue(registers);
    QPushButton *read = button("Modbus_pushButton");

    const Bench::StallProbe probe;
    // A failed round leaves another message until the next reply.
    takeTurn(turns, rounds, [read, status] {
        read->click();
        return status->currentMessage() == QLatin1String("Reply received");
    });
    turns.longestStallMs = std::max(turns.longestStallMs, probe.longestMs());
    button(mode == Mode::Rtu ? "ModbusopencompushButton" : "ModbusTCPopencompushButton")->click();
}

// The tab's road on a bare device: build, exchange until complete, decode.
void throughTheCore(Turns &turns, QIODevice &device, Mode mode, int rounds)
{
    Nuvelix_ModbusClient client;
    const auto read = Nuvelix_ModbusClient::FunctionCode::ReadHoldingRegisters;
    takeTurn(turns, rounds, [&client, &device, mode, read] {
        const QByteArray request =
            client.generateRequest(ModbusSlaveData::unit, read, 0, registers, mode, {});
        ModbusReplyCollector collector(request, mode);
        const PortWait::Outcome outcome =
            ModbusReplyWait::exchange(&device, request, collector, 1000);
        return outcome == PortWait::Outcome::Ready &&
               expectedRegisters(
                   client.parseResponse(read, collector.reply(), mode).value<QList<ushort>>());
    });
}

void coreOverTcp(Turns &turns, const ModbusSlaveProcess &slave, int rounds)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), slave.tcpPort(),
                         QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (socket.waitForConnected(5000))
        throughTheCore(turns, socket, Mode::Tcp, rounds);
    else
        turns.failed += rounds;
}

void coreOverRtu(Turns &turns, const ModbusSlaveProcess &slave, int rounds)
{
    QSerialPort port(slave.rtuPath());
    port.setBaudRate(QSerialPort::Baud115200);
    if (port.open(QIODevice::ReadWrite))
        throughTheCore(turns, port, Mode::Rtu, rounds);
    else
        turns.failed += rounds;
}

void withLibmodbus(Turns &turns, modbus_t *context, int rounds)
{
    if (!context || modbus_set_slave(context, ModbusSlaveData::unit) != 0 ||
        modbus_connect(context) != 0) {
        turns.failed += rounds;
        if (context)
            modbus_free(context);
        return;
    }
    modbus_set_response_timeout(context, 1, 0);
    takeTurn(turns, rounds, [context] {
        uint16_t values[registers];
        if (modbus_read_registers(context, 0, registers, values) != registers)
            return false;
        return expectedRegisters(QList<ushort>(values, values + registers));
    });
    modbus_close(context);
    modbus_free(context);
}

// mbpoll's own pace: polls it made in a few seconds, each announced by a
// "Polling slave" line.
void withMbpoll(Turns &turns, const QStringList &target)
{
    QProcess mbpoll;
    mbpoll.start(QStringLiteral("mbpoll"),
                 QStringList{QStringLiteral("-a1"), QStringLiteral("-r1"), QStringLiteral("-c125"),
                             QStringLiteral("-t4"), QStringLiteral("-l10")} +
                     target);
    if (!mbpoll.waitForStarted(5000)) {
        std::printf("mbpoll did not start: %s\n", qPrintable(mbpoll.errorString()));
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray output;
    while (clock.elapsed() < mbpollSeconds * 1000) {
        mbpoll.waitForReadyRead(100);
        output += mbpoll.readAllStandardOutput();
    }
    const double seconds = double(clock.elapsed()) / 1000;
    mbpoll.kill();
    mbpoll.waitForFinished(3000);
    turns.rates.append(output.count("Polling slave") / seconds);
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    Bench::answerPromptsWithOk();
    const int rounds = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 1000;
    const int repetitions = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 5;

    ModbusSlaveProcess slave(QStringLiteral(MODBUS_TESTSLAVE));
    if (!slave.start()) {
        std::fprintf(stderr, "the test slave did not start: %s\n", qPrintable(slave.errorText()));
        return 1;
    }
    const QString path = slave.rtuPath();
    PortList::setLister([path] { return QStringList{path}; });

    MainWindow window;
    window.resize(1200, 800);
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    tabs->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("Modbus")));
    window.show();
    Bench::runUntil([] { return false; }, 500);

    std::printf("Reading %d holding registers\n", registers);
    for (const Mode mode : {Mode::Tcp, Mode::Rtu}) {
        const bool tcp = mode == Mode::Tcp;
        Turns tab;
        Turns core;
        Turns library;
        for (int turn = 0; turn < repetitions; ++turn) {
            throughTheTab(tab, window, mode, slave, rounds);
            if (tcp) {
                coreOverTcp(core, slave, rounds);
                withLibmodbus(library, modbus_new_tcp("127.0.0.1", slave.tcpPort()), rounds);
            } else {
                coreOverRtu(core, slave, rounds);
                withLibmodbus(library, modbus_new_rtu(qPrintable(path), 115200, 'N', 8, 1), rounds);
            }
        }
        Turns mbpoll;
        withMbpoll(mbpoll, tcp ? QStringList{QStringLiteral("-mtcp"),
                                             QStringLiteral("-p%1").arg(slave.tcpPort()),
                                             QStringLiteral("127.0.0.1")}
                               : QStringList{QStringLiteral("-mrtu"), QStringLiteral("-b115200"),
                                             QStringLiteral("-Pnone"), path});
        const char *name = tcp ? "TCP" : "RTU";
        print(name, "tab", tab, rounds);
        print(name, "core", core, rounds);
        print(name, "libmodbus", library, rounds);
        print(name, "mbpoll", mbpoll, 0);
        const double reference = median(library.rates);
        if (reference > 0)
            std::printf("%-4s tab / libmodbus %.2f, core / libmodbus %.2f\n", name,
                        median(tab.rates) / reference, median(core.rates) / reference);
    }
    return 0;
}
