// Run: xvfb-run -a build/bench/bench_modbus [SECONDS] [REPETITIONS]
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
// The first three take turns, REPETITIONS times SECONDS of round trips each
// (default 5 x 2.5 s), so that a machine busy with other work slows them
// alike; each prints the median rate with the slowest and fastest turn and
// the processor time the process spent per round trip, and the tab's and
// the core's medians are set against libmodbus'. A turn of the tab is long
// enough for its logs to refresh in it as often as in a long run (once a
// second while frames flood in); after it, untimed, the window is left
// until both logs show every line they keep, and how long that took is
// printed (they are whole about a second after the presses stop), so that
// the next way does not pay for the tab's work. The tab's line also gives
// the longest stall of the window, inside (the GUI thread's own timer) and
// outside (a window manager's ping). Every reply is checked; a way that
// misses any says how many.
//
// Run: xvfb-run -a build/bench/bench_modbus chatty [SECONDS]
// (also run after the round trips)
//
// A chatty device on the tab's open RTU port while no request runs: the
// device (a thread on a pty's master end) writes noise as fast as the pty
// takes it for SECONDS (default 4), while the window's resident memory is
// sampled; then, the device silent, one Read is pressed (nothing answers it,
// so it makes its three attempts with events running) and the window's
// longest stall meanwhile is measured inside and outside. The same is done
// first with a silent device, an idle port, as the reference in the same
// run; the memory growth and the stall are printed beside it with ratios.

#include "benchsupport.h"
#include "mainwindow.h"
#include "modbusreplycollector.h"
#include "modbusreplywait.h"
#include "modbusslavedata.h"
#include "modbusslaveprocess.h"
#include "nuvelix_modbusclient.h"
#include "pingstallprobe.h"
#include "portlist.h"
#include "portwait.h"
#include "ptywindow.h"
#include "windowbench.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
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
#include <atomic>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>

#include <poll.h>
#include <unistd.h>

using Mode = Nuvelix_ModBus_Mode;

namespace {

constexpr int registers = 125;
constexpr int mbpollSeconds = 3;
// The window's own work after a turn or a change of its fields.
constexpr int settleMs = 200;
// Lines each of the tab's logs keeps, and how long they may take to show
// them all once the presses stop.
constexpr qint64 logLines = 10000;
constexpr qint64 logsWholeMs = 5000;

// The turns of one way: their rates, processor time per round trip, what
// failed, the longest stalls.
struct Turns
{
    QList<double> rates;
    QList<double> processorUs;
    int failed = 0;
    qint64 longestStallMs = -1;
    std::optional<PingStallProbe::Figures> outsideStall;
    // How long the tab's logs took at most to show every line they keep
    // after a turn; -1 when they did not in time.
    qint64 logsWholeAfterMs = 0;
};

double median(QList<double> rates)
{
    std::sort(rates.begin(), rates.end());
    return rates.isEmpty() ? 0.0 : rates.at(rates.size() / 2);
}

// `seconds` 0: one run of mbpoll's.
void print(const char *mode, const char *way, Turns turns, double seconds)
{
    std::sort(turns.rates.begin(), turns.rates.end());
    if (turns.rates.isEmpty())
        return;
    const double middle = median(turns.rates);
    if (seconds == 0) {
        std::printf("%-4s %-10s %8.0f round trips/s  (polling for %d s)\n", mode, way, middle,
                    mbpollSeconds);
        return;
    }
    std::printf("%-4s %-10s %8.0f round trips/s median  (%.0f to %.0f over %lld turns of %.1f s, "
                "%d failed, %.1f us of processor per round trip",
                mode, way, middle, turns.rates.first(), turns.rates.last(),
                qlonglong(turns.rates.size()), seconds, turns.failed, median(turns.processorUs));
    if (turns.longestStallMs >= 0) {
        std::printf(", longest stall %lld ms inside, %s", qlonglong(turns.longestStallMs),
                    qPrintable(PingStallProbe::describe(turns.outsideStall)));
        if (turns.logsWholeAfterMs < 0)
            std::printf(", LOGS NOT WHOLE after %lld ms", qlonglong(logsWholeMs));
        else
            std::printf(", logs whole %lld ms after the turn", qlonglong(turns.logsWholeAfterMs));
    }
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

// Runs round trips for `seconds` as one turn; returns how many.
qint64 takeTurn(Turns &turns, double seconds, const std::function<bool()> &roundTrip)
{
    const double processorBefore = Bench::cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    const auto turnNs = qint64(seconds * 1e9);
    qint64 rounds = 0;
    while (clock.nsecsElapsed() < turnNs) {
        if (!roundTrip())
            ++turns.failed;
        ++rounds;
    }
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    turns.rates.append(double(rounds) / elapsed);
    turns.processorUs.append((Bench::cpuSeconds() - processorBefore) * 1e6 / double(rounds));
    return rounds;
}

// Waits until the tab's logs show as many lines as `rounds` requests and
// replies of `replyBytes` make (or as they keep) and notes how long that
// took: while frames flood in they show only the newest few.
void waitForWholeLogs(Turns &turns, const MainWindow &window, qint64 rounds, qsizetype replyBytes)
{
    const auto *sent = window.findChild<QPlainTextEdit *>(QStringLiteral("Modbus_sendMsgtextEdit"));
    const auto *received =
        window.findChild<QPlainTextEdit *>(QStringLiteral("Modbus_HexTextBrowser"));
    // "0x%1," per byte without the last comma, 64 bytes a line.
    const qint64 replyLines = (replyBytes * 5 - 1 + 319) / 320;
    QElapsedTimer clock;
    clock.start();
    const bool whole = Bench::runUntil(
        [&] {
            return sent->blockCount() >= qMin(rounds, logLines) &&
                   received->blockCount() >= qMin(rounds * replyLines, logLines);
        },
        logsWholeMs);
    turns.logsWholeAfterMs =
        whole && turns.logsWholeAfterMs >= 0 ? qMax(turns.logsWholeAfterMs, clock.elapsed()) : -1;
}

QPushButton *button(const MainWindow &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

// The Modbus tab: each press is one transaction. Its fields are set and the
// window has shown them before the turn begins; after it, both logs are
// left to show every line they keep, then emptied for the next turn.
void throughTheTab(Turns &turns, MainWindow &window, Mode mode, const ModbusSlaveProcess &slave,
                   double seconds)
{
    auto *status = window.statusBar();
    window.findChild<QComboBox *>(QStringLiteral("Modbus_function_comboBox"))->setCurrentIndex(2);
    window.findChild<QSpinBox *>(QStringLiteral("Modbus_address_spinBox"))->setValue(0);
    window.findChild<QSpinBox *>(QStringLiteral("Modbus_quantity_spinBox"))->setValue(registers);
    if (mode == Mode::Rtu) {
        window.findChild<QRadioButton *>(QStringLiteral("ModbusportMode_1"))->click();
        button(window, "ModbusopencompushButton")->click();
    } else {
        window.findChild<QRadioButton *>(QStringLiteral("ModbusportMode_2"))->click();
        window.findChild<QLineEdit *>(QStringLiteral("ModbusTCPclientPortlineEdit"))
            ->setText(QString::number(slave.tcpPort()));
        button(window, "ModbusTCPopencompushButton")->click();
        Bench::runUntil(
            [status] {
                return status->currentMessage() == QLatin1String("Connected to TCP server");
            },
            5000);
    }
    Bench::runUntil([] { return false; }, settleMs);
    QPushButton *read = button(window, "Modbus_pushButton");

    const Bench::StallProbe probe;
    PingStallProbe pings(&window);
    // A failed round leaves another message until the next reply.
    const qint64 rounds = takeTurn(turns, seconds, [read, status] {
        read->click();
        return status->currentMessage() == QLatin1String("Reply received");
    });
    turns.longestStallMs = std::max(turns.longestStallMs, probe.longestMs());
    const std::optional<PingStallProbe::Figures> outside = pings.figures();
    if (outside && (!turns.outsideStall || outside->longestMs > turns.outsideStall->longestMs))
        turns.outsideStall = outside;
    // The reply: a TCP header or an RTU CRC around unit, code, count, data.
    waitForWholeLogs(turns, window, rounds, 3 + 2 * registers + (mode == Mode::Rtu ? 2 : 6));
    button(window, "Modbus_send_cleandatapushButton")->click();
    button(window, "Modbus_revice_cleandatapushButton")->click();
    button(window, mode == Mode::Rtu ? "ModbusopencompushButton" : "ModbusTCPopencompushButton")
        ->click();
    Bench::runUntil([] { return false; }, settleMs);
}

// The tab's road on a bare device: build, exchange until complete, decode.
void throughTheCore(Turns &turns, QIODevice &device, Mode mode, double seconds)
{
    Nuvelix_ModbusClient client;
    const auto read = Nuvelix_ModbusClient::FunctionCode::ReadHoldingRegisters;
    takeTurn(turns, seconds, [&client, &device, mode, read] {
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

void coreOverTcp(Turns &turns, const ModbusSlaveProcess &slave, double seconds)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), slave.tcpPort(),
                         QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (socket.waitForConnected(5000))
        throughTheCore(turns, socket, Mode::Tcp, seconds);
    else
        ++turns.failed;
}

void coreOverRtu(Turns &turns, const ModbusSlaveProcess &slave, double seconds)
{
    QSerialPort port(slave.rtuPath());
    port.setBaudRate(QSerialPort::Baud115200);
    if (port.open(QIODevice::ReadWrite))
        throughTheCore(turns, port, Mode::Rtu, seconds);
    else
        ++turns.failed;
}

void withLibmodbus(Turns &turns, modbus_t *context, double seconds)
{
    if (!context || modbus_set_slave(context, ModbusSlaveData::unit) != 0 ||
        modbus_connect(context) != 0) {
        ++turns.failed;
        if (context)
            modbus_free(context);
        return;
    }
    modbus_set_response_timeout(context, 1, 0);
    takeTurn(turns, seconds, [context] {
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

// What the window came to with a device on its open Modbus port: resident
// memory over the time the device wrote, the bytes it wrote, and the
// longest stall of the Read pressed afterwards.
struct DeviceFigures
{
    QList<double> rssMb; // every half second, from the start
    qint64 written = 0;
    qint64 writingStallMs = 0;
    std::optional<PingStallProbe::Figures> writingStallOutside;
    qint64 readStallMs = 0;
    std::optional<PingStallProbe::Figures> readStallOutside;
    QString readStatus;
};

// The device's thread: noise, as fast as the pty takes it, until stopped.
void writeNoise(int fd, const std::atomic<bool> &stop, qint64 &written)
{
    const QByteArray noise = Bench::randomBytes(64 * 1024, Bench::streamSeed);
    while (!stop.load()) {
        const ssize_t n = ::write(fd, noise.constData(), size_t(noise.size()));
        if (n > 0) {
            written += n;
        } else {
            pollfd ready{fd, POLLOUT, 0};
            ::poll(&ready, 1, 50);
        }
    }
}

DeviceFigures withDevice(bool chatty, double seconds)
{
    PtyWindow pty;
    MainWindow &window = pty.window();
    pty.showPage(QStringLiteral("Modbus"));
    window.findChild<QComboBox *>(QStringLiteral("Modbus_function_comboBox"))->setCurrentIndex(2);
    button(window, "ModbusopencompushButton")->click();
    // The window's first show and layout are over before memory counts.
    Bench::runUntil([] { return false; }, 1000);

    DeviceFigures figures;
    std::atomic<bool> stop{false};
    std::thread device;
    {
        const Bench::StallProbe probe;
        PingStallProbe pings(&window);
        if (chatty)
            device =
                std::thread(writeNoise, pty.masterFd(), std::cref(stop), std::ref(figures.written));
        QElapsedTimer clock;
        clock.start();
        for (int sample = 0; sample <= int(seconds * 2); ++sample) {
            Bench::runUntil([] { return false; }, qMax<qint64>(0, sample * 500 - clock.elapsed()));
            figures.rssMb.append(double(Bench::currentRssKb()) / 1024);
        }
        stop = true;
        if (device.joinable())
            device.join();
        figures.writingStallMs = probe.longestMs();
        figures.writingStallOutside = pings.figures();
    }
    Bench::runUntil([] { return false; }, settleMs);

    const Bench::StallProbe probe;
    PingStallProbe pings(&window);
    button(window, "Modbus_pushButton")->click();
    figures.readStallMs = probe.longestMs();
    figures.readStallOutside = pings.figures();
    figures.readStatus = window.statusBar()->currentMessage();
    button(window, "ModbusopencompushButton")->click();
    Bench::runUntil([] { return false; }, settleMs);
    return figures;
}

void printDevice(const char *what, const DeviceFigures &figures, double seconds)
{
    QStringList samples;
    for (const double mb : figures.rssMb)
        samples.append(QString::number(mb, 'f', 0));
    std::printf("%-14s %7.1f MB written (%.1f MB/s); resident MB every 0.5 s: %s (%+.0f MB)\n"
                "%-14s meanwhile longest stall %lld ms inside, %s\n"
                "%-14s the Read after it: longest stall %lld ms inside, %s; \"%s\"\n",
                what, Bench::megabytes(figures.written),
                Bench::megabytes(figures.written) / seconds, qPrintable(samples.join(u' ')),
                figures.rssMb.last() - figures.rssMb.first(), "", qlonglong(figures.writingStallMs),
                qPrintable(PingStallProbe::describe(figures.writingStallOutside)), "",
                qlonglong(figures.readStallMs),
                qPrintable(PingStallProbe::describe(figures.readStallOutside)),
                qPrintable(figures.readStatus));
}

// The idle port first: the chatty device's figures are set against it.
void chattyDevice(double seconds)
{
    std::printf("A device on the Modbus tab's open RTU port, no request running, %.1f s\n",
                seconds);
    const DeviceFigures idle = withDevice(false, seconds);
    printDevice("idle port", idle, seconds);
    const DeviceFigures chatty = withDevice(true, seconds);
    printDevice("chatty device", chatty, seconds);
    // The growth of each is at least a megabyte, so that a flat line does
    // not divide by nothing.
    const auto growth = [](const DeviceFigures &figures) {
        return qMax(1.0, figures.rssMb.last() - figures.rssMb.first());
    };
    std::printf("chatty / idle: resident memory at the end %.2f, growth %.1f (of at least 1 MB "
                "each), longest stall of the Read %.1f (of at least 10 ms each)\n",
                chatty.rssMb.last() / idle.rssMb.last(), growth(chatty) / growth(idle),
                double(qMax<qint64>(10, chatty.readStallMs)) /
                    double(qMax<qint64>(10, idle.readStallMs)));
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    Bench::answerPromptsWithOk();
    if (argc > 1 && QByteArray(argv[1]) == "chatty") {
        chattyDevice(argc > 2 ? qMax(0.5, QByteArray(argv[2]).toDouble()) : 4);
        return 0;
    }
    const double seconds = argc > 1 ? qMax(0.1, QByteArray(argv[1]).toDouble()) : 2.5;
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
            throughTheTab(tab, window, mode, slave, seconds);
            if (tcp) {
                coreOverTcp(core, slave, seconds);
                withLibmodbus(library, modbus_new_tcp("127.0.0.1", slave.tcpPort()), seconds);
            } else {
                coreOverRtu(core, slave, seconds);
                withLibmodbus(library, modbus_new_rtu(qPrintable(path), 115200, 'N', 8, 1),
                              seconds);
            }
        }
        Turns mbpoll;
        withMbpoll(mbpoll, tcp ? QStringList{QStringLiteral("-mtcp"),
                                             QStringLiteral("-p%1").arg(slave.tcpPort()),
                                             QStringLiteral("127.0.0.1")}
                               : QStringList{QStringLiteral("-mrtu"), QStringLiteral("-b115200"),
                                             QStringLiteral("-Pnone"), path});
        const char *name = tcp ? "TCP" : "RTU";
        print(name, "tab", tab, seconds);
        print(name, "core", core, seconds);
        print(name, "libmodbus", library, seconds);
        print(name, "mbpoll", mbpoll, 0);
        const double reference = median(library.rates);
        if (reference > 0)
            std::printf("%-4s tab / libmodbus %.2f, core / libmodbus %.2f\n", name,
                        median(tab.rates) / reference, median(core.rates) / reference);
    }
    chattyDevice(4);
    return 0;
}
