// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_spectratof [seconds]
//
// The Spectra and TOF displays. Prints:
// - the cost of one 64-zone line applied to the shown 8 by 8 grid (every
//   label changes), without and with the grid's repaint;
// - the cost of the same line applied to the shown 3-D surface, and of one
//   frame of the surface drawn through its own render-to-image;
// - the cost of one spectrometer value on the shown AS7265X bars and on the
//   curve, without and with the repaint;
// - end-to-end runs of `seconds` (default 10) from a pty into the TOF port of
//   a shown 1200x800 window: a 64-zone sensor at 15 lines/s and a 16-zone
//   sensor at 60 lines/s, each in the grid and in the 3-D view. Each prints
//   the lines sent, the longest GUI stall (10 ms precise timer probe), the
//   processor time used (all threads, per wall-clock time) and the catch-up:
//   how long after its write the last line showed in the grid.

#include "benchsupport.h"
#include "mainwindow.h"
#include "nuvelix_spectroscopy.h"
#include "nuvelix_tof.h"
#include "nuvelix_tof_data.h"
#include "nuvelix_tof_surface.h"
#include "ptywindow.h"
#include "tofzones.h"
#include "windowbench.h"

#include <Q3DSurface>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStackedWidget>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

// A line of `count` random distances (0 to 3999 mm) with its CR LF; value
// `marked` is `mark`, so that the line can be recognised in the grid.
QByteArray distanceLine(int count, QRandomGenerator &random, int marked = -1, int mark = 0)
{
    QByteArray line;
    for (int k = 0; k < count; ++k)
        line += QByteArray::number(k == marked ? mark : random.bounded(4000)) + ',';
    return line + "\r\n";
}

void settle(int ms)
{
    runUntil([] { return false; }, ms);
}

// Microseconds per call of `step`, over `count` calls.
template <typename Step> double perCall(int count, const Step &step)
{
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < count; ++n)
        step(n);
    return clock.nsecsElapsed() / 1000.0 / count;
}

void gridAndSurfaceCosts()
{
    constexpr int lines = 300;
    QRandomGenerator random(7);
    QList<QByteArray> stream;
    for (int n = 0; n < lines; ++n)
        stream.append(distanceLine(64, random).chopped(2));

    nuvelix_tof display;
    display.resize(900, 700);
    display.grid()->changeArrangement(1);
    display.surface()->changeArrangement(1);
    display.show();
    settle(300);

    TofZones zones;
    nuvelix_tof_data *grid = display.grid();
    const auto toGrid = [&](int n) {
        const int count = zones.takeLine(stream.at(n % lines), TofZones::Sensor::VL53LMZ).value();
        for (int i = 0; i < count; ++i)
            grid->updateLabelValues(i, zones.zones().at(i));
    };
    std::printf("one 64-zone line to the 8x8 grid: apply %.0f us, apply and repaint %.0f us\n",
                perCall(lines, toGrid), perCall(lines, [&](int n) {
                    toGrid(n + 1);
                    grid->repaint();
                }));

    display.change(1);
    settle(1500);
    nuvelix_tof_surface *surface = display.surface();
    const QList<double> values(zones.zones().cbegin(), zones.zones().cend());
    const double apply = perCall(lines, [&](int n) {
        static_cast<void>(zones.takeLine(stream.at(n), TofZones::Sensor::VL53LMZ));
        surface->updateMultipleDataPoints(
            surface->masterPoints(), QList<double>(zones.zones().cbegin(), zones.zones().cend()));
    });
    const QSize frame = surface->size();
    const double render = perCall(
        20, [&](int) { static_cast<void>(surface->surfaceGraph()->renderToImage(0, frame)); });
    std::printf(
        "one 64-zone line to the 8x8 surface: apply %.0f us; one %dx%d frame drawn %.1f ms\n",
        apply, frame.width(), frame.height(), render / 1000);
}

void spectrometerCosts()
{
    constexpr int updates = 2000;
    nuvelix_spectroscopy display;
    display.resize(900, 700);
    display.change(2);
    display.show();
    settle(300);
    auto *pages = display.findChild<QStackedWidget *>();
    for (const int page : {2, 3}) {
        display.change(page);
        settle(200);
        const quint8 mode = page == 3 ? 1 : 0;
        const auto update = [&](int n) {
            display.update_data_barset(quint8(n % 18), (n % 97) / 100.0, 2, mode);
        };
        const double apply = perCall(updates, update);
        QWidget *shown = pages->currentWidget();
        if (auto *view = qobject_cast<QChartView *>(shown))
            shown = view->viewport();
        const double repaint = perCall(200, [&](int n) {
            update(n);
            // The chart lays its bars out in an event of its own first.
            QCoreApplication::processEvents();
            shown->repaint();
        });
        std::printf("one AS7265X value on the %s: apply %.1f us, apply and repaint %.2f ms\n",
                    page == 3 ? "curve" : "bars", apply, repaint / 1000);
    }
}

struct Run
{
    const char *name;
    int zonesPerLine;
    int linesPerSecond;
    int view;
};

void endToEnd(PtyWindow &ptyWindow, const Run &run, int seconds)
{
    MainWindow &window = ptyWindow.window();
    auto *type = window.findChild<QComboBox *>(QStringLiteral("TOFTYPEcomboBox"));
    auto *arrangement = window.findChild<QComboBox *>(QStringLiteral("TOFArrangementcomboBox"));
    auto *view = window.findChild<QComboBox *>(QStringLiteral("TOFChartComboBox"));
    type->setCurrentIndex(0);
    arrangement->setCurrentText(run.zonesPerLine == 16 ? QStringLiteral("4x4")
                                                       : QStringLiteral("8x8"));
    view->setCurrentIndex(run.view);
    settle(1000);

    // The grid's top-left label shows zone 0: value 3 of a 16-zone line,
    // value 7 of a 64-zone line, once their rows are mirrored.
    const int marked = run.zonesPerLine == 16 ? 3 : 7;
    auto *grid = window.findChild<nuvelix_tof_data *>();
    const auto *cells = grid->findChild<QGridLayout *>(QStringLiteral("gridLayout_tofdata"));
    const auto *corner = qobject_cast<QLabel *>(cells->itemAtPosition(0, 0)->widget());

    // Each run's marks are its own, so that no run can pass for the next.
    static int runs = 0;
    const int first = 100000 * ++runs;
    const int count = seconds * run.linesPerSecond;
    QRandomGenerator random(11);
    QList<QByteArray> lines;
    for (int n = 1; n <= count; ++n)
        lines.append(distanceLine(run.zonesPerLine, random, marked, first + n));

    std::atomic<qint64> lastWrittenNs{0};
    QElapsedTimer clock;
    const double cpuBefore = cpuSeconds();
    const StallProbe probe;
    clock.start();
    std::thread writer([&] {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        for (int n = 0; n < count; ++n) {
            std::this_thread::sleep_until(
                start + std::chrono::microseconds(n * 1000000LL / run.linesPerSecond));
            writeAll(ptyWindow.masterFd(), lines.at(n));
            lastWrittenNs = clock.nsecsElapsed();
        }
    });
    const QString last = QString::number(first + count);
    runUntil([&] { return corner->text() == last; }, seconds * 1000 + 5000, 1);
    const qint64 shownNs = clock.nsecsElapsed();
    writer.join();
    const double elapsed = shownNs / 1e9;
    std::printf("%-34s sent %5d  last shown %s  longest stall %4lld ms  CPU %3.0f %%  "
                "catch-up %5.1f ms\n",
                run.name, count, corner->text() == last ? "yes" : "NO",
                qlonglong(probe.longestMs()), 100 * (cpuSeconds() - cpuBefore) / elapsed,
                (shownNs - lastWrittenNs) / 1e6);
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const int seconds = argc > 1 ? std::max(2, QByteArray(argv[1]).toInt()) : 10;
    answerPromptsWithOk();

    gridAndSurfaceCosts();
    spectrometerCosts();

    PtyWindow ptyWindow;
    MainWindow &window = ptyWindow.window();
    ptyWindow.showPage(QStringLiteral("TOF"));
    window.findChild<QPushButton *>(QStringLiteral("TOFopencompushButton"))->click();
    settle(500);
    for (const Run &run : {Run{"64 zones at 15 lines/s, grid", 64, 15, 0},
                           Run{"64 zones at 15 lines/s, 3-D", 64, 15, 1},
                           Run{"16 zones at 60 lines/s, grid", 16, 60, 0},
                           Run{"16 zones at 60 lines/s, 3-D", 16, 60, 1}})
        endToEnd(ptyWindow, run, seconds);
    return 0;
}
