// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_serialterminal [MB] [case...]
//
// A writer thread feeds the open serial terminal through a pty; the window is
// shown at 1200x800 with the serial tab current. Each case prints how fast
// the views showed the stream (MB = 2^20 bytes), whether every byte reached
// the terminal, whether the end of the stream is shown, the longest stall of
// the window measured from outside (window-manager pings, see wmpinger) and
// by a timer on the GUI thread, how often the window repainted, the lines in
// each view and the memory used (the bench's own copy of the stream
// included), and checks that each view holds an exact suffix of what the
// stream shows as. A summary puts the text and hex figures of each stream
// shape side by side with the goals.
//
// MB is the size of each throughput case's stream, 20 by default. Cases
// (default: all; "text" runs every text-* case, "hex" every hex-* case):
//   text-lines    64-byte text lines, hex view hidden, no time stamps
//   text-binary   random bytes (fixed seed), hex view hidden, after a first
//                 megabyte that loads the fonts of the scripts they decode to
//   text-cr       64-byte lines ended by a lone CR, hex view hidden
//   text-endless  one line without any line end, hex view hidden
//   hex-lines, hex-binary, hex-cr, hex-endless
//                 the same streams with the hex view shown
//   hex-stamped   64-byte text lines, hex view shown, time stamps on
//   cpu           64-byte lines paced at 11520 bytes/s for 5 s, hex view hidden:
//                 the CPU time the process used meanwhile
//   keepsend      Keep Send of 8000 bytes every 10 ms for 5 s into a device
//                 that reads 960 bytes/s (a 9600-baud line), then Pause and the
//                 device reading at full speed: the most the port held, the
//                 memory grown and the bytes that still reached the device
//                 after Pause, beside the same writes made on every tick
//                 straight to a port (the road without back-pressure); and
//                 the bytes the terminal counted as sent beside all that
//                 reached the device, which must be equal
//   sendfile-close
//                 Send File of a file of 1998-byte CR LF lines into a device
//                 reading 11520 bytes/s, Close pressed 1 s in: the longest
//                 stall measured from outside around the Close, for a 500 MB
//                 file beside a 1 MB one, and the ratio; how long after the
//                 Close the figure of the bytes not sent (counted on a worker
//                 from the Close on) was shown; and those bytes beside the
//                 file (each CR LF as LF) less what reached the device, which
//                 must be equal
//   sendfile-slow Send File of a 1 MB file of CR LF lines on a share whose
//                 every read takes 3 s, beside the same file on the local
//                 disk, into a device reading at full speed, Close pressed
//                 7 s in: the longest stall measured from outside while it
//                 sends and around the Close, and the ratio; the bytes that
//                 reached the device by the Close; how long after the Close
//                 the figure of the bytes not sent was shown (the read under
//                 way ends first); and those bytes beside the file less what
//                 reached the device, which must be equal

#include "benchsupport.h"
#include "mainwindow.h"
#include "pingstallprobe.h"
#include "portlist.h"
#include "prompt.h"
#include "ptypair.h"
#include "sendfilesource.h"
#include "threadserial.h"
#include "windowbench.h"
#include "windowprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QLCDNumber>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

// No run takes longer than this.
constexpr qint64 runDeadlineMs = 10 * 60 * 1000;
// A run gives up when no byte arrives, or the end is not shown after the
// last byte arrived, for this long.
constexpr qint64 progressDeadlineMs = 60 * 1000;
// 115200 baud with 8 data bits, no parity and one stop bit.
constexpr int slowBytesPerSecond = 11520;
constexpr int slowSeconds = 5;
// The slow case looks for its end seldom, so that the looking costs little
// of the CPU time it measures.
constexpr int quietPollMs = 100;
constexpr qsizetype lineBytes = 64;
// Keep Send: a send box of this many bytes every interval, for this long,
// into a device that reads a 9600-baud line's bytes; after Pause the device
// reads at full speed for a while.
constexpr qsizetype keepSendBytes = 8000;
constexpr int keepSendIntervalMs = 10;
constexpr int keepSendSeconds = 5;
constexpr int slowDeviceBytesPerSecond = 960;
constexpr int afterPauseMs = 1000;
// Send File's close: lines of this many bytes, CR LF included, in a large
// file and in a small one for reference; Close comes this long after the
// send began, with pings this long before and after it.
constexpr qsizetype sendFileLineBytes = 1998;
constexpr qsizetype largeSendFileBytes = qsizetype(500) << 20;
constexpr qsizetype smallSendFileBytes = qsizetype(1) << 20;
constexpr int sendFileCloseAfterMs = 1000;
constexpr int pingsAroundCloseMs = 500;
// The longest wait for the figure of what the Close left unsent.
constexpr int sendFileFigureTimeoutMs = 60000;
// Send File from a slow share: each read takes this long, and Close comes
// this long after the send began.
constexpr int slowShareReadMs = 3000;
constexpr int slowShareCloseAfterMs = 7000;

using Writer = std::function<void(int fd, const std::atomic<bool> &stop)>;

// Writes the bytes to a non-blocking fd, waiting while it is full, until all
// are written or `stop` is set.
void writeAll(int fd, const QByteArray &bytes, const std::atomic<bool> &stop)
{
    qsizetype done = 0;
    while (done < bytes.size() && !stop) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, std::min<qsizetype>(bytes.size() - done, 65536));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        pollfd wait{fd, POLLOUT, 0};
        poll(&wait, 1, 100);
    }
}

// The CPU time of the whole process and of the writer thread alone while
// the writer ran.
struct CpuUse
{
    double process = 0;
    double writer = 0;
    double wallSeconds = 0;
};

// Writes one line at a time, each when it is due at the given rate, and
// sleeps in between.
void writePaced(int fd, const QByteArray &bytes, int bytesPerSecond, const std::atomic<bool> &stop,
                CpuUse &use)
{
    using Clock = std::chrono::steady_clock;
    const double processStart = cpuSeconds();
    const double writerStart = threadCpuSeconds();
    const Clock::time_point start = Clock::now();
    for (qsizetype offset = 0; offset < bytes.size() && !stop; offset += lineBytes) {
        std::this_thread::sleep_until(start +
                                      std::chrono::microseconds(offset * 1000000 / bytesPerSecond));
        writeAll(fd, bytes.mid(offset, lineBytes), stop);
    }
    use.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    use.writer = threadCpuSeconds() - writerStart;
    use.process = cpuSeconds() - processStart;
}

// A device on a pty's master end that reads `bytesPerSecond` (a tenth of
// it every 100 ms) until it is told to read at full speed, and counts what
// it read since it was last asked.
class SlowDevice
{
public:
    SlowDevice(int fd, int bytesPerSecond)
        : m_thread([this, fd, bytesPerSecond] { run(fd, bytesPerSecond); })
    {}
    ~SlowDevice()
    {
        m_stop = true;
        m_thread.join();
    }
    SlowDevice(const SlowDevice &) = delete;
    SlowDevice &operator=(const SlowDevice &) = delete;

    void readFast() { m_fast = true; }
    [[nodiscard]] qint64 takeCount() { return m_read.exchange(0); }

private:
    void run(int fd, int bytesPerSecond)
    {
        char buffer[65536];
        while (!m_stop) {
            const size_t want = m_fast ? sizeof buffer : size_t(bytesPerSecond / 10);
            pollfd readable{fd, POLLIN, 0};
            if (poll(&readable, 1, 10) > 0) {
                const ssize_t n = ::read(fd, buffer, want);
                if (n > 0)
                    m_read += n;
            }
            if (!m_fast)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_fast{false};
    std::atomic<qint64> m_read{0};
    std::thread m_thread;
};

// A file on a share whose every read takes `readMs`, read by Send File's
// worker through the opener tests and benchmarks may install.
class SlowShareFile : public QIODevice
{
public:
    SlowShareFile(const QByteArray &content, int readMs)
        : m_content(content)
        , m_readMs(readMs)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        QThread::msleep(m_readMs);
        const qint64 read = std::min(maxSize, qint64(m_content.size()) - m_at);
        std::memcpy(data, m_content.constData() + m_at, size_t(read));
        m_at += read;
        return read;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray m_content;
    const int m_readMs;
    qint64 m_at = 0;
};

// What a Keep Send run into a slow device came to.
struct KeepSendFigures
{
    qint64 mostQueued = 0;
    long rssGrowthKb = 0;
    qint64 queuedAtPause = 0;
    qint64 afterPause = 0;
    qint64 duringRun = 0;
    qint64 counted = -1; // by the terminal's send counter; none on the reference road
};

// Runs `tick` every keepSendIntervalMs (or, when null, lets the window's own
// repeat run) for keepSendSeconds while `device` reads slowly, noting the
// most `port` held; `pause` ends the repeat, after which the device reads
// at full speed.
KeepSendFigures runKeepSendCase(QSerialPort &port, SlowDevice &device,
                                const std::function<void()> &tick,
                                const std::function<void()> &pause)
{
    KeepSendFigures figures;
    const long rssStart = currentRssKb();
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, tick);
    if (tick)
        ticks.start(keepSendIntervalMs);
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        figures.mostQueued = std::max(figures.mostQueued, port.bytesToWrite());
    });
    sampler.start(5);
    runUntil([] { return false; }, keepSendSeconds * 1000);
    sampler.stop();
    ticks.stop();
    pause();
    figures.rssGrowthKb = currentRssKb() - rssStart;
    figures.queuedAtPause = port.bytesToWrite();
    figures.duringRun = device.takeCount();
    device.readFast();
    runUntil([] { return false; }, afterPauseMs);
    figures.afterPause = device.takeCount();
    return figures;
}

void printKeepSendFigures(const char *road, const KeepSendFigures &figures)
{
    std::printf("    %-34s most held by the port %8lld B, RSS grown %6ld KB, queued at Pause "
                "%8lld B, reached the device: %7lld B during the run, %8lld B after Pause\n",
                road, static_cast<long long>(figures.mostQueued), figures.rssGrowthKb,
                static_cast<long long>(figures.queuedAtPause),
                static_cast<long long>(figures.duringRun),
                static_cast<long long>(figures.afterPause));
    if (figures.counted >= 0)
        std::printf("    %-34s counted as sent %lld B, reached the device %lld B in all (%s)\n", "",
                    static_cast<long long>(figures.counted),
                    static_cast<long long>(figures.duringRun + figures.afterPause),
                    figures.counted == figures.duringRun + figures.afterPause ? "equal"
                                                                              : "NOT EQUAL");
}

// Writes a file of `bytes` bytes (whole lines) of numbered lines of
// sendFileLineBytes, each ended by CR LF; returns the bytes Send File sends
// of it (each CR LF as LF), or -1 when the file could not be written.
qint64 writeCrLfLines(const QString &path, qsizetype bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    const qsizetype lines = bytes / sendFileLineBytes;
    constexpr qsizetype linesPerBlock = 1024;
    QByteArray block;
    for (qsizetype line = 0; line < lines; line += linesPerBlock) {
        block.clear();
        for (qsizetype n = line; n < std::min(lines, line + linesPerBlock); ++n)
            block += QByteArray::number(n).leftJustified(sendFileLineBytes - 2, 'x') + "\r\n";
        if (file.write(block) != block.size())
            return -1;
    }
    return lines * (sendFileLineBytes - 1);
}

// What a Close during Send File came to.
struct SendFileCloseFigures
{
    std::optional<PingStallProbe::Figures> outsideStall;
    QString told;         // the status bar once it has the figure
    qint64 unsent = -1;   // the bytes it told as not sent
    qint64 figureMs = -1; // from the Close until the figure was shown
    qint64 reached = 0;   // the bytes that reached the device in all
    qint64 reachedByClose = 0;
};

// The pty alone: a thread writes the stream, this thread reads the slave.
double rawPtyThroughput(const QByteArray &stream)
{
    PtyPair pty;
    const int slave = ::open(pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    QElapsedTimer clock;
    clock.start();
    std::atomic<bool> stop{false};
    std::thread writer([&pty, &stream, &stop] { writeAll(pty.masterFd(), stream, stop); });
    qint64 received = 0;
    char buffer[65536];
    pollfd readable{slave, POLLIN, 0};
    while (received < stream.size() && poll(&readable, 1, 5000) > 0) {
        const ssize_t n = ::read(slave, buffer, sizeof buffer);
        if (n <= 0)
            break;
        received += n;
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    stop = true;
    writer.join();
    ::close(slave);
    return megabytes(received) / seconds;
}

// Counts the window's repaints: each one starts with an update request to
// the top-level window.
class RepaintCounter : public QObject
{
public:
    explicit RepaintCounter(QWidget *window) { window->installEventFilter(this); }
    [[nodiscard]] int count() const { return m_count; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++m_count;
        return false;
    }

private:
    int m_count = 0;
};

// What one run of a stream through the terminal came to.
struct Outcome
{
    bool opened = false;
    double seconds = 0;
    qint64 received = 0;
    int reads = 0;
    bool intact = false;
    bool endShown = false;
    QString gaveUp;
    std::optional<qint64> longestStallMs;
    std::optional<PingStallProbe::Figures> outsideStall;
    double guiCpuSeconds = 0;
    int textLines = 0;
    int hexLines = 0;
    ViewVerdicts views;
};

class SerialBench
{
public:
    explicit SerialBench(MainWindow &window);
    ~SerialBench();

    CaseFigures runThroughput(const char *name, const QString &what, const QByteArray &stream,
                              bool checkText, bool hexShown, bool timeStamps);
    void runSlow(const QByteArray &stream);
    void runKeepSend();
    void runSendFileClose();
    void runSendFileSlow();

private:
    SendFileCloseFigures closeDuringSendFile(const QString &path);
    SendFileCloseFigures closeDuringSlowSend(const QString &path);
    void takeWhatWasTold(SendFileCloseFigures &figures, SlowDevice &device);
    template <typename T> T *widget(const char *name) const;
    void prepare(bool hexShown, bool timeStamps);
    ThreadSerial *openPort(const PtyPair &pty);
    [[nodiscard]] std::vector<ViewCheck> checks(const QByteArray &stream, bool checkText,
                                                bool checkHex) const;
    Outcome feed(const QByteArray &stream, const std::vector<ViewCheck> &checks,
                 const Writer &writer, bool probeStalls);
    static QString arrivalText(const Outcome &outcome, qsizetype size);
    static void printVerdicts(const Outcome &outcome);

    MainWindow &m_window;
    QPlainTextEdit *m_textView;
    QPlainTextEdit *m_hexView;
    QPushButton *m_openButton;
    QString m_portPath;
};

SerialBench::SerialBench(MainWindow &window)
    : m_window(window)
    , m_textView(widget<QPlainTextEdit>("COM_StrTextBrowser"))
    , m_hexView(widget<QPlainTextEdit>("COM_HexTextBrowser"))
    , m_openButton(widget<QPushButton>("opencompushButton"))
{
    // The port list offers the pty of the current run only.
    PortList::setLister([this] { return QStringList{m_portPath}; });
}

SerialBench::~SerialBench()
{
    PortList::setLister({});
}

template <typename T> T *SerialBench::widget(const char *name) const
{
    return child<T>(m_window, name);
}

void SerialBench::prepare(bool hexShown, bool timeStamps)
{
    auto *tabs = widget<QTabWidget>("tabWidget");
    tabs->setCurrentWidget(widget<QWidget>("serial"));
    widget<QCheckBox>("HEXcheckBox")->setChecked(hexShown);
    widget<QCheckBox>("showtime_checkBox")->setChecked(timeStamps);
    // Each case starts as a fresh session would: empty views, counters at 0.
    widget<QPushButton>("cleandatapushButton")->click();
    widget<QPushButton>("cleanbytespushButton")->click();
}

// Offers the pty as the only port and opens it; returns the worker that
// holds it, or none.
ThreadSerial *SerialBench::openPort(const PtyPair &pty)
{
    m_portPath = pty.slavePath();
    return openSerialTerminalPort(m_window, m_portPath);
}

std::vector<ViewCheck> SerialBench::checks(const QByteArray &stream, bool checkText,
                                           bool checkHex) const
{
    std::vector<ViewCheck> all;
    if (checkText)
        all.emplace_back(m_textView, stream, ViewCheck::Kind::Text);
    if (checkHex)
        all.emplace_back(m_hexView, stream, ViewCheck::Kind::Hex, HexFormat::Style::Compact);
    return all;
}

// Opens a fresh pty, lets `writer` feed it from a thread and runs the window
// until every byte arrived and each checked view shows the end of the
// stream, or a deadline passes.
Outcome SerialBench::feed(const QByteArray &stream, const std::vector<ViewCheck> &checks,
                          const Writer &writer, bool probeStalls)
{
    Outcome outcome;
    PtyPair pty;
    ThreadSerial *worker = openPort(pty);
    if (!worker)
        return outcome;
    outcome.opened = true;

    QElapsedTimer clock;
    qint64 progressAt = 0;
    QCryptographicHash received(QCryptographicHash::Sha1);
    const QMetaObject::Connection counting = QObject::connect(
        worker, &ThreadSerial::Serial_read_Data, &m_window, [&](const QByteArray &data) {
            outcome.received += data.size();
            ++outcome.reads;
            received.addData(data);
            progressAt = clock.elapsed();
        });
    const auto endShown = [&checks] {
        return std::all_of(checks.cbegin(), checks.cend(),
                           [](const ViewCheck &check) { return check.endShown(); });
    };

    // The pinger runs only while stalls are measured: its pings cost the
    // window a little time too.
    std::optional<StallProbe> probe;
    std::optional<PingStallProbe> pings;
    if (probeStalls) {
        probe.emplace();
        pings.emplace(&m_window);
    }
    std::atomic<bool> stop{false};
    const double guiCpuStart = threadCpuSeconds();
    clock.start();
    std::thread writing([&writer, &pty, &stop] { writer(pty.masterFd(), stop); });
    const bool finished = runUntil(
        [&] {
            if (outcome.received >= stream.size() && endShown())
                return true;
            if (clock.elapsed() - progressAt > progressDeadlineMs) {
                outcome.gaveUp = outcome.received < stream.size()
                                     ? QStringLiteral("no byte came for %1 s")
                                     : QStringLiteral("end not shown %1 s after the last byte");
                outcome.gaveUp = outcome.gaveUp.arg(progressDeadlineMs / 1000);
                return true;
            }
            return false;
        },
        runDeadlineMs, probeStalls ? 5 : quietPollMs);
    outcome.seconds = clock.nsecsElapsed() / 1e9;
    outcome.guiCpuSeconds = threadCpuSeconds() - guiCpuStart;
    if (pings)
        outcome.outsideStall = pings->figures();
    if (!finished && outcome.gaveUp.isEmpty())
        outcome.gaveUp = QStringLiteral("TIMED OUT after %1 s").arg(runDeadlineMs / 1000);
    stop = true;
    writing.join();
    QObject::disconnect(counting);
    if (probe)
        outcome.longestStallMs = probe->longestMs();

    outcome.intact =
        outcome.received == stream.size() &&
        received.result() == QCryptographicHash::hash(stream, QCryptographicHash::Sha1);
    outcome.endShown = endShown();
    outcome.textLines = m_textView->blockCount();
    outcome.hexLines = m_hexView->blockCount();
    outcome.views = suffixVerdicts(checks, !outcome.gaveUp.isEmpty());
    m_openButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return outcome;
}

QString SerialBench::arrivalText(const Outcome &outcome, qsizetype size)
{
    const QString reads = QStringLiteral(" in %1 reads").arg(outcome.reads);
    if (outcome.intact)
        return QStringLiteral("every byte arrived") + reads;
    return QStringLiteral("BYTES LOST OR CHANGED (%1 of %2 bytes arrived%3)")
        .arg(outcome.received)
        .arg(size)
        .arg(reads);
}

void SerialBench::printVerdicts(const Outcome &outcome)
{
    if (!outcome.gaveUp.isEmpty())
        std::printf("    run gave up: %s\n", qPrintable(outcome.gaveUp));
    for (const QString &verdict : outcome.views.lines)
        std::printf("    %s\n", qPrintable(verdict));
}

CaseFigures SerialBench::runThroughput(const char *name, const QString &what,
                                       const QByteArray &stream, bool checkText, bool hexShown,
                                       bool timeStamps)
{
    prepare(hexShown, timeStamps);
    const std::vector<ViewCheck> viewChecks = checks(stream, checkText, hexShown);
    const RepaintCounter repaints(&m_window);
    const Outcome outcome = feed(
        stream, viewChecks,
        [&stream](int fd, const std::atomic<bool> &stop) { writeAll(fd, stream, stop); }, true);
    std::printf("[%s] %s, hex view %s, time stamps %s: ", name, qPrintable(what),
                hexShown ? "shown" : "hidden", timeStamps ? "on" : "off");
    CaseFigures figures;
    if (!outcome.opened) {
        std::printf("COULD NOT OPEN the pty\n");
        return figures;
    }
    figures.megabytesPerSecond = megabytes(stream.size()) / outcome.seconds;
    figures.ownStallMs = outcome.longestStallMs.value_or(0);
    if (outcome.outsideStall)
        figures.outsideStallMs = outcome.outsideStall->longestMs;
    figures.exact = outcome.intact && outcome.endShown && outcome.views.exact;
    std::printf(
        "%.1f MB in %.2f s = %.2f MB/s shown; %s; end %s; longest stall %s, own timer "
        "%lld ms; GUI thread busy %.0f %%; window repaints %d; lines text %d hex %d; RSS "
        "now %ld KB\n",
        megabytes(stream.size()), outcome.seconds, figures.megabytesPerSecond,
        qPrintable(arrivalText(outcome, stream.size())), outcome.endShown ? "shown" : "NOT SHOWN",
        qPrintable(PingStallProbe::describe(outcome.outsideStall)),
        static_cast<long long>(figures.ownStallMs), 100 * outcome.guiCpuSeconds / outcome.seconds,
        repaints.count(), outcome.textLines, outcome.hexLines, currentRssKb());
    printVerdicts(outcome);
    return figures;
}

void SerialBench::runSlow(const QByteArray &stream)
{
    prepare(false, false);
    // The same time with nothing to show, for comparison.
    const double idleStart = cpuSeconds();
    int idleRepaints = 0;
    {
        const RepaintCounter repaints(&m_window);
        runUntil([] { return false; }, slowSeconds * 1000, quietPollMs);
        idleRepaints = repaints.count();
    }
    const double idle = cpuSeconds() - idleStart;

    CpuUse use;
    const RepaintCounter repaints(&m_window);
    const Outcome outcome = feed(
        stream, checks(stream, true, false),
        [&stream, &use](int fd, const std::atomic<bool> &stop) {
            writePaced(fd, stream, slowBytesPerSecond, stop, use);
        },
        false);
    std::printf("[cpu] 64-byte lines at %d bytes/s for %d s, serial tab current, hex view "
                "hidden, time stamps off: ",
                slowBytesPerSecond, slowSeconds);
    if (!outcome.opened) {
        std::printf("COULD NOT OPEN the pty\n");
        return;
    }
    const double program = use.process - use.writer;
    std::printf("%.3f s CPU (user+system) in %.2f s = %.1f %% of one core (the bench's writer "
                "thread's %.3f s left out); %s; end %s\n",
                program, use.wallSeconds, 100.0 * program / use.wallSeconds, use.writer,
                qPrintable(arrivalText(outcome, stream.size())),
                outcome.endShown ? "shown" : "NOT SHOWN");
    std::printf("    window repaints %d; idle window for comparison: %.3f s CPU in %d s = %.1f %% "
                "of one core, %d repaints\n",
                repaints.count(), idle, slowSeconds, 100.0 * idle / slowSeconds, idleRepaints);
    printVerdicts(outcome);
}

// The same slow device twice: first written on every tick straight to a
// port, as a repeat without back-pressure does, then by the terminal's Keep
// Send; the figures side by side, with the ratios.
void SerialBench::runKeepSend()
{
    prepare(false, false);
    std::printf("[keepsend] %lld bytes every %d ms for %d s into a device reading %d bytes/s, "
                "then Pause and the device reading at full speed for %d ms:\n",
                static_cast<long long>(keepSendBytes), keepSendIntervalMs, keepSendSeconds,
                slowDeviceBytesPerSecond, afterPauseMs);
    const QByteArray payload(keepSendBytes, 'k');

    KeepSendFigures reference;
    {
        PtyPair pty;
        QSerialPort port(pty.slavePath());
        if (!port.open(QIODevice::ReadWrite)) {
            std::printf("    COULD NOT OPEN the reference pty\n");
            return;
        }
        SlowDevice device(pty.masterFd(), slowDeviceBytesPerSecond);
        reference = runKeepSendCase(
            port, device, [&] { port.write(payload); }, [] {});
    }
    printKeepSendFigures("written on every tick (reference):", reference);

    KeepSendFigures mended;
    {
        PtyPair pty;
        ThreadSerial *worker = openPort(pty);
        if (!worker) {
            std::printf("    COULD NOT OPEN the pty\n");
            return;
        }
        SlowDevice device(pty.masterFd(), slowDeviceBytesPerSecond);
        widget<QPlainTextEdit>("sendMsgtextEdit")->setPlainText(QString::fromLatin1(payload));
        widget<QCheckBox>("obocheckBox")->setChecked(true);
        widget<QSpinBox>("delayspinBox")->setValue(keepSendIntervalMs);
        auto *send = widget<QPushButton>("sendmsgBtn");
        send->click();
        mended = runKeepSendCase(*worker->serialPort, device, {}, [send] { send->click(); });
        mended.counted = widget<QLCDNumber>("sendbyteslcdNumber")->intValue();
        m_openButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    printKeepSendFigures("Keep Send of the terminal:", mended);
    std::printf("    terminal/reference: most held %.4f, RSS grown %.4f, after Pause %.4f\n",
                ratio(mended.mostQueued, reference.mostQueued),
                ratio(mended.rssGrowthKb, reference.rssGrowthKb),
                ratio(mended.afterPause, reference.afterPause));
}

// Starts Send File of the file into a slow device, presses Close part-way
// and lets the device read the rest of what reached the pty.
SendFileCloseFigures SerialBench::closeDuringSendFile(const QString &path)
{
    SendFileCloseFigures figures;
    PtyPair pty;
    if (!openPort(pty))
        return figures;
    SlowDevice device(pty.masterFd(), slowBytesPerSecond);
    Prompt::setFileHandler([&path](const Prompt::FileRequest &) { return path; });
    widget<QPushButton>("sendfileBtn")->click();
    Prompt::setFileHandler({});
    runUntil([] { return false; }, sendFileCloseAfterMs - pingsAroundCloseMs);
    // The rest of the file is counted on a worker from the Close on: the
    // message gets its figure once the count is done.
    const QRegularExpression toldUnsent(QStringLiteral("(\\d+) bytes were not sent"));
    QElapsedTimer sinceClose;
    const auto figureShown = [&] {
        if (figures.figureMs < 0 && toldUnsent.match(statusText(m_window)).hasMatch())
            figures.figureMs = sinceClose.elapsed();
        return figures.figureMs >= 0;
    };
    {
        PingStallProbe pings(&m_window);
        runUntil([] { return false; }, pingsAroundCloseMs);
        m_openButton->click();
        sinceClose.start();
        runUntil(
            [&] {
                figureShown();
                return false;
            },
            pingsAroundCloseMs, 1);
        figures.outsideStall = pings.figures();
    }
    runUntil(figureShown, sendFileFigureTimeoutMs, 1);
    takeWhatWasTold(figures, device);
    return figures;
}

// Once the Close's figure is shown: what it told, and all that reached the
// device, which then reads the rest of what the pty holds.
void SerialBench::takeWhatWasTold(SendFileCloseFigures &figures, SlowDevice &device)
{
    figures.told = statusText(m_window);
    const QRegularExpressionMatch unsent =
        QRegularExpression(QStringLiteral("(\\d+) bytes were not sent")).match(figures.told);
    if (unsent.hasMatch())
        figures.unsent = unsent.captured(1).toLongLong();
    else if (figures.told == QLatin1String("Serial closed"))
        figures.unsent = 0;
    device.readFast();
    runUntil([] { return false; }, afterPauseMs);
    figures.reached = figures.reachedByClose + device.takeCount();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A Close during Send File of a large file beside the same Close of a small
// one: what the Close costs the window should not grow with the file.
void SerialBench::runSendFileClose()
{
    prepare(false, false);
    std::printf("[sendfile-close] Send File of %lld-byte CR LF lines into a device reading %d "
                "bytes/s, Close pressed after %d ms, pings from %d ms before the Close to %d ms "
                "after it:\n",
                static_cast<long long>(sendFileLineBytes), slowBytesPerSecond, sendFileCloseAfterMs,
                pingsAroundCloseMs, pingsAroundCloseMs);
    QTemporaryDir files;
    std::optional<double> stallMs[2];
    const qsizetype sizes[2] = {largeSendFileBytes, smallSendFileBytes};
    for (int i = 0; i < 2; ++i) {
        const qsizetype bytes = sizes[i];
        const QString path = files.filePath(QStringLiteral("lines-%1.txt").arg(bytes));
        const qint64 sent = writeCrLfLines(path, bytes);
        if (sent < 0) {
            std::printf("    COULD NOT WRITE %s\n", qPrintable(path));
            return;
        }
        const SendFileCloseFigures figures = closeDuringSendFile(path);
        if (figures.outsideStall)
            stallMs[i] = figures.outsideStall->longestMs;
        std::printf(
            "    %6.1f MB file: longest stall %s; figure shown %lld ms after the Close; told "
            "\"%s\"; told as not sent %lld B + reached the device %lld B = %lld B, the "
            "file sends %lld B (%s)\n",
            megabytes(bytes), qPrintable(PingStallProbe::describe(figures.outsideStall)),
            static_cast<long long>(figures.figureMs), qPrintable(figures.told),
            static_cast<long long>(figures.unsent), static_cast<long long>(figures.reached),
            static_cast<long long>(figures.unsent + figures.reached), static_cast<long long>(sent),
            figures.unsent + figures.reached == sent ? "equal" : "NOT EQUAL");
        QFile::remove(path);
    }
    if (stallMs[0] && stallMs[1])
        std::printf("    longest stall around the Close, 500 MB/1 MB: %.2f\n",
                    ratio(*stallMs[0], *stallMs[1]));
}

// Starts Send File of the file into a device reading at full speed and
// presses Close part-way, pinging the window from the start of the send
// until the Close's figure is shown.
SendFileCloseFigures SerialBench::closeDuringSlowSend(const QString &path)
{
    SendFileCloseFigures figures;
    PtyPair pty;
    if (!openPort(pty))
        return figures;
    SlowDevice device(pty.masterFd(), slowBytesPerSecond);
    device.readFast();
    const QRegularExpression toldUnsent(QStringLiteral("(\\d+) bytes were not sent"));
    QElapsedTimer sinceClose;
    // A send already done leaves nothing to count: the Close says so alone.
    const auto figureShown = [&] {
        const QString told = statusText(m_window);
        if (figures.figureMs < 0 &&
            (toldUnsent.match(told).hasMatch() || told == QLatin1String("Serial closed")))
            figures.figureMs = sinceClose.elapsed();
        return figures.figureMs >= 0;
    };
    {
        PingStallProbe pings(&m_window);
        Prompt::setFileHandler([&path](const Prompt::FileRequest &) { return path; });
        widget<QPushButton>("sendfileBtn")->click();
        Prompt::setFileHandler({});
        runUntil([] { return false; }, slowShareCloseAfterMs);
        runUntil([] { return false; }, afterPauseMs / 10);
        figures.reachedByClose = device.takeCount();
        m_openButton->click();
        sinceClose.start();
        runUntil(figureShown, sendFileFigureTimeoutMs, 1);
        figures.outsideStall = pings.figures();
    }
    takeWhatWasTold(figures, device);
    return figures;
}

// Send File from a share whose reads take seconds beside the same file on
// the local disk: the window should answer as well in both.
void SerialBench::runSendFileSlow()
{
    prepare(false, false);
    std::printf("[sendfile-slow] Send File of 1 MB of %lld-byte CR LF lines into a device "
                "reading at full speed, from a share whose reads take %d ms each beside the "
                "local disk, Close pressed after %d ms, pings from the send's start until the "
                "Close's figure:\n",
                static_cast<long long>(sendFileLineBytes), slowShareReadMs, slowShareCloseAfterMs);
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("lines.txt"));
    const qint64 sent = writeCrLfLines(path, smallSendFileBytes);
    QFile file(path);
    if (sent < 0 || !file.open(QIODevice::ReadOnly)) {
        std::printf("    COULD NOT WRITE %s\n", qPrintable(path));
        return;
    }
    const QByteArray content = file.readAll();
    const QString shareName = QStringLiteral("/share/lines.txt");
    SendFileSource::setOpener([&content, &shareName](const QString &name) {
        if (name == shareName)
            return SendFileSource::Opening{
                RegularFile::Opened::Yes,
                std::make_unique<SlowShareFile>(content, slowShareReadMs)};
        auto local = std::make_unique<QFile>(name);
        return SendFileSource::Opening{RegularFile::openToRead(*local), std::move(local)};
    });
    std::optional<double> stallMs[2];
    const std::pair<const char *, QString> sources[2] = {{"slow share", shareName},
                                                         {"local disk", path}};
    for (int i = 0; i < 2; ++i) {
        const SendFileCloseFigures figures = closeDuringSlowSend(sources[i].second);
        if (figures.outsideStall)
            stallMs[i] = figures.outsideStall->longestMs;
        std::printf("    %s: longest stall %s; reached the device by the Close %lld B; figure "
                    "shown %lld ms after the Close; told \"%s\"; told as not sent %lld B + "
                    "reached the device %lld B = %lld B, the file sends %lld B (%s)\n",
                    sources[i].first, qPrintable(PingStallProbe::describe(figures.outsideStall)),
                    static_cast<long long>(figures.reachedByClose),
                    static_cast<long long>(figures.figureMs), qPrintable(figures.told),
                    static_cast<long long>(figures.unsent), static_cast<long long>(figures.reached),
                    static_cast<long long>(figures.unsent + figures.reached),
                    static_cast<long long>(sent),
                    figures.unsent + figures.reached == sent ? "equal" : "NOT EQUAL");
    }
    SendFileSource::setOpener({});
    if (stallMs[0] && stallMs[1])
        std::printf("    longest stall, slow share/local disk: %.2f\n",
                    ratio(*stallMs[0], *stallMs[1]));
}

QStringList allCases()
{
    QStringList cases;
    for (const char *view : {"text-", "hex-"}) {
        for (const StreamShape &shape : streamShapes("\n"))
            cases.append(QLatin1String(view) + QLatin1String(shape.name));
    }
    cases.insert(cases.indexOf(QLatin1String("hex-lines")) + 1, QStringLiteral("hex-stamped"));
    cases.append(QStringLiteral("cpu"));
    cases.append(QStringLiteral("keepsend"));
    cases.append(QStringLiteral("sendfile-close"));
    cases.append(QStringLiteral("sendfile-slow"));
    return cases;
}

// Each shape's text and hex figures side by side, with the goals: the hex
// view shows at least 12 MB/s, and no stall reaches 50 ms.
void printSummary(const QMap<QString, CaseFigures> &figures, double rawMegabytesPerSecond,
                  qsizetype size)
{
    constexpr double hexGoal = 12;
    constexpr double stallGoalMs = 50;
    std::printf("summary: %.1f MB fed per case; raw pty %.1f MB/s; goals: hex >= %.0f MB/s, "
                "stalls < %.0f ms\n",
                megabytes(size), rawMegabytesPerSecond, hexGoal, stallGoalMs);
    printCaseTable(figures, QStringLiteral("text-"), QStringLiteral("hex-"),
                   {{"hex/goal", hexGoal}, {"hex/raw", rawMegabytesPerSecond}});
    if (figures.contains(QStringLiteral("hex-stamped"))) {
        const CaseFigures stamped = figures.value(QStringLiteral("hex-stamped"));
        std::printf("  stamped hex: %.2f MB/s, stall %s ms outside, %lld ms own timer\n",
                    stamped.megabytesPerSecond, qPrintable(outsideStallText(stamped)),
                    static_cast<long long>(stamped.ownStallMs));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);

    QStringList arguments = QCoreApplication::arguments().mid(1);
    bool numeric = false;
    const int sizeMb = arguments.isEmpty() ? 0 : arguments.front().toInt(&numeric);
    if (numeric)
        arguments.removeFirst();
    const qsizetype size = qsizetype(numeric && sizeMb > 0 ? sizeMb : 20) * 1024 * 1024;
    const std::optional<QStringList> cases = chosenCases(arguments, allCases());
    if (!cases) {
        std::printf("usage: bench_serialterminal [megabytes] [case...]\ncases: text hex %s\n",
                    qPrintable(allCases().join(QLatin1Char(' '))));
        return 2;
    }
    answerPromptsWithOk();

    std::printf("stream: %.1f MB per throughput case\n", megabytes(size));
    const double raw = rawPtyThroughput(numberedLines(size, "\n"));
    std::printf("raw pty throughput: %.1f MB/s\n", raw);

    MainWindow window;
    window.resize(1200, 800);
    window.show();
    runUntil([] { return false; }, 500);
    SerialBench bench(window);
    std::printf("RSS before: %ld KB\n", currentRssKb());

    QMap<QString, CaseFigures> figures;
    FontWarmUp fontWarmUp;
    for (const QString &name : *cases) {
        const QByteArray caseName = name.toLatin1();
        if (name == QLatin1String("cpu")) {
            bench.runSlow(numberedLines(qsizetype(slowBytesPerSecond) * slowSeconds, "\n"));
            continue;
        }
        if (name == QLatin1String("keepsend")) {
            bench.runKeepSend();
            continue;
        }
        if (name == QLatin1String("sendfile-close")) {
            bench.runSendFileClose();
            continue;
        }
        if (name == QLatin1String("sendfile-slow")) {
            bench.runSendFileSlow();
            continue;
        }
        const bool hexShown = name.startsWith(QLatin1String("hex-"));
        if (name == QLatin1String("hex-stamped")) {
            figures[name] =
                bench.runThroughput(caseName.constData(), QStringLiteral("64-byte lines"),
                                    numberedLines(size, "\n"), true, true, true);
            continue;
        }
        const QString shapeName = name.section(QLatin1Char('-'), 1);
        const StreamShape shape = streamShape(shapeName, "\n");
        if (const std::optional<QByteArray> warmUp = fontWarmUp.streamBefore(shape))
            bench.runThroughput(caseName.constData(), FontWarmUp::what(), *warmUp, false, hexShown,
                                false);
        figures[name] = bench.runThroughput(caseName.constData(), shape.what, shape.make(size),
                                            shape.textChecked || !hexShown, hexShown, false);
    }
    printSummary(figures, raw, size);
    std::printf("peak RSS: %ld KB\n", peakRssKb());
    return 0;
}
