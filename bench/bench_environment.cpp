// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_environment [seconds]
//
// The environment tab and its gauges. Prints:
// - the set-and-repaint cost of each gauge at the size it has in a 1200x800
//   window: a new value set and the part of the window it marked repainted
//   and shown, the mean and the slowest of 2000; and the cost of its own
//   drawing, the whole gauge painted into an image;
// - 10,000 board lines from a pty into the open environment port of a shown
//   window, written as fast as the pty takes them: the time until the tab
//   has read the last one, lines per second, the longest GUI stall;
// - the board's full line rate at 115200 baud for `seconds` (default 10):
//   lines sent and read, the backlog when the board stops (lines not yet
//   read, and how long the tab took to read them), the longest GUI stall,
//   the processor time used (all threads, per wall-clock time) and the
//   resident memory before and after.

#include "benchsupport.h"
#include "cthermometer.h"
#include "dashboard.h"
#include "mainwindow.h"
#include "progressbarpercent.h"
#include "ptywindow.h"
#include "ultraviolet.h"
#include "windowbench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

constexpr int baud = 115200;
constexpr int bytesPerSecond = baud / 10; // 8 data bits, a start and a stop bit

// Line n of a board that sends its six readings in turn; every sixth line
// is an ultraviolet line, so the ultraviolet gauge counts the rounds.
QByteArray boardLine(qint64 n)
{
    const int step = int(n / 6 % 100);
    switch (n % 6) {
    case 0:
        return "Humidity:" + QByteArray::number(30 + step * 0.4, 'f', 2) + "%\r\n";
    case 1:
        return "Temperature:" + QByteArray::number(15 + step * 0.1, 'f', 2) + "C\r\n";
    case 2:
        return "Barometer:" + QByteArray::number(1000 + step) + "Pa\r\n";
    case 3:
        return "Ultraviolet:" + QByteArray::number(step * 12) + "\r\n";
    case 4:
        return "CO2:" + QByteArray::number(400 + step * 50) + "ppm\r\n";
    default:
        return "TVOC:" + QByteArray::number(step * 20) + "ppb\r\n";
    }
}

// Sends lines from `first` on at the byte rate of the port, in 10 ms
// bursts, for `seconds`; counts the lines sent in `sent`.
void sendAtLineRate(int fd, qint64 first, int seconds, std::atomic<qint64> &sent)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    qint64 bytes = 0;
    qint64 n = first;
    for (int tick = 1; tick <= seconds * 100; ++tick) {
        QByteArray burst;
        while (bytes + burst.size() < qint64(tick) * bytesPerSecond / 100)
            burst += boardLine(n++);
        writeAll(fd, burst);
        bytes += burst.size();
        sent = n - first;
        std::this_thread::sleep_until(start + std::chrono::milliseconds(tick * 10));
    }
}

// Sets a new value and lets the window repaint what the gauge marked, as
// the event loop would, `rounds` times: the mean and the slowest in
// microseconds, and the mean of painting the whole gauge into an image (its
// own drawing, without the window's composition and the display).
void setAndRepaint(const char *name, QWidget *widget, const std::function<void(int)> &set)
{
    constexpr int rounds = 2000;
    qint64 slowest = 0;
    QElapsedTimer all;
    all.start();
    QElapsedTimer one;
    for (int n = 0; n < rounds; ++n) {
        one.start();
        set(n);
        QCoreApplication::sendPostedEvents(widget->window(), QEvent::UpdateRequest);
        slowest = std::max(slowest, one.nsecsElapsed());
    }
    const double meanUs = all.nsecsElapsed() / 1000.0 / rounds;
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer paint;
    paint.start();
    for (int n = 0; n < rounds; ++n) {
        set(n);
        widget->render(&image);
    }
    std::printf("%-18s %4dx%-4d  set and repaint: mean %6.1f us, slowest %6.1f us;"
                "  whole gauge into an image: %6.1f us\n",
                name, widget->width(), widget->height(), meanUs, slowest / 1000.0,
                paint.nsecsElapsed() / 1000.0 / rounds);
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    answerPromptsWithOk();

    PtyWindow ptyWindow;
    MainWindow &window = ptyWindow.window();
    ptyWindow.showPage(QStringLiteral("environment"));
    runUntil([] { return false; }, 500);

    auto *humidity = window.findChild<ProgressBarPercent *>(QStringLiteral("humidityGauge"));
    auto *temperature = window.findChild<CThermometer *>(QStringLiteral("temperatureGauge"));
    auto *ultraviolet = window.findChild<Ultraviolet *>(QStringLiteral("ultravioletGauge"));
    auto *co2 = window.findChild<DashBoard *>(QStringLiteral("co2Dial"));
    setAndRepaint("humidity ring", humidity,
                  [humidity](int n) { humidity->setValue(n % 100 + 0.5); });
    setAndRepaint("thermometer", temperature,
                  [temperature](int n) { temperature->setValue(n % 110 - 30 + 0.25); });
    setAndRepaint("ultraviolet gauge", ultraviolet,
                  [ultraviolet](int n) { ultraviolet->setValue(n % 1200); });
    setAndRepaint("dial (CO2)", co2, [co2](int n) { co2->setValue(400 + n * 7 % 14600); });
    for (const char *name : {"barometerDial", "tvocDial"}) {
        auto *dial = window.findChild<DashBoard *>(QLatin1String(name));
        setAndRepaint(name, dial, [dial](int n) { dial->setValue(n % 1100); });
    }

    qint64 rounds = 0; // ultraviolet lines read
    QObject::connect(ultraviolet, &Ultraviolet::valueChanged, [&rounds] { ++rounds; });
    window.findChild<QPushButton *>(QStringLiteral("ENVopencompushButton"))->click();
    runUntil([] { return false; }, 300);

    {
        constexpr qint64 lines = 10000;
        QByteArray stream;
        for (qint64 n = 0; n < lines; ++n)
            stream += boardLine(n);
        const StallProbe probe;
        QElapsedTimer clock;
        clock.start();
        std::thread writer(writeAll, ptyWindow.masterFd(), stream);
        const bool all = runUntil([&] { return rounds >= lines / 6; }, 60000, 1);
        const double elapsed = clock.nsecsElapsed() / 1e9;
        writer.join();
        std::printf("%lld lines (%.1f KiB) as fast as the pty takes them: %s in %.3f s, "
                    "%.0f lines/s, longest stall %lld ms\n",
                    qlonglong(lines), stream.size() / 1024.0, all ? "all read" : "NOT all read",
                    elapsed, lines / elapsed, qlonglong(probe.longestMs()));
    }

    {
        const qint64 before = rounds;
        std::atomic<qint64> sent = 0;
        const long rssBefore = currentRssKb();
        const double cpuBefore = cpuSeconds();
        const StallProbe probe;
        QElapsedTimer clock;
        clock.start();
        std::thread writer(sendAtLineRate, ptyWindow.masterFd(), qint64(0), seconds,
                           std::ref(sent));
        runUntil([&] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000 + 1000);
        writer.join();
        const double elapsed = clock.nsecsElapsed() / 1e9;
        const qint64 sentRounds = (sent + 2) / 6; // ultraviolet lines among them
        const qint64 behind = sentRounds - (rounds - before);
        QElapsedTimer drain;
        drain.start();
        runUntil([&] { return rounds - before >= sentRounds; }, 5000, 1);
        std::printf("%d baud for %.1f s: %lld lines sent (%.0f lines/s), ultraviolet lines "
                    "read %lld of %lld; at the board's stop %lld of them behind, read within "
                    "%lld ms; longest stall %lld ms, CPU %.0f %%, RSS %.1f -> %.1f MB\n",
                    baud, elapsed, qlonglong(sent.load()), sent / elapsed,
                    qlonglong(rounds - before), qlonglong(sentRounds), qlonglong(behind),
                    qlonglong(drain.elapsed()), qlonglong(probe.longestMs()),
                    100 * (cpuSeconds() - cpuBefore) / elapsed, rssBefore / 1024.0,
                    currentRssKb() / 1024.0);
    }
    return 0;
}
