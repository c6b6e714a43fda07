// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_oscilloscope [seconds] [gl]
//
// The oscilloscope tab with four channels of 20000 points. Prints:
// - the cost of one frame: parsed from the port's bytes and taken into the
//   chart's data, all four channels full;
// - the cost of one redraw of four lines over 20000 points each: handing
//   the lines their points and painting the view, with each line thinned to
//   two points per three pixel columns and drawn without antialiasing as
//   the chart does with so many points, the same antialiased and their
//   ratio, and unthinned;
// - two end-to-end runs of `seconds` (default 10) at 1000 frames/s from a
//   pty into the open oscilloscope port of a shown 1200x800 window: with
//   the default X window of 50 samples, and after a right-click fit that
//   shows all 20000 points of each channel. Each prints the frames sent and
//   received and their ratio, redraws per second, the longest GUI stall
//   (10 ms precise timer probe), the processor time used (all threads, per
//   wall-clock time) and the resident memory before and after; beside them
//   the same window idle for 3 s, the machine's own stalls and load.
// "gl" draws the lines through OpenGL instead, for comparison.

#include "benchsupport.h"
#include "mainwindow.h"
#include "mwaveview.h"
#include "oscframeparser.h"
#include "ptywindow.h"
#include "windowbench.h"

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

constexpr int framesPerSecond = 1000;
constexpr int channels = OscFrame::channelCount;

// Frame n of a board that sends four noisy waves.
QByteArray frame(qint64 n)
{
    QByteArray bytes;
    for (int channel = 0; channel < channels; ++channel) {
        const double value = 10 * std::sin(n * 0.01 * (channel + 1)) + std::sin(n * 1.7) * 0.5;
        bytes += '$' + QByteArray::number(channel) + ':' + QByteArray::number(value, 'f', 3) + ';';
    }
    return bytes + "\r\n";
}

// Sends `count` frames from `first` on, ten every 10 ms.
void sendPaced(int fd, qint64 first, qint64 count)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (qint64 sent = 0; sent < count; sent += 10) {
        QByteArray burst;
        for (qint64 n = sent; n < std::min(sent + 10, count); ++n)
            burst += frame(first + n);
        writeAll(fd, burst);
        std::this_thread::sleep_until(
            start + std::chrono::milliseconds((sent + 10) * 1000 / framesPerSecond));
    }
}

QList<QLineSeries *> lines(const MWaveView &view)
{
    QList<QLineSeries *> found;
    for (QAbstractSeries *series : view.chart()->series())
        found.append(qobject_cast<QLineSeries *>(series));
    return found;
}

// Frames parsed from port-sized chunks and taken into a view whose four
// channels are full: microseconds per frame.
double frameCost(MWaveView &view)
{
    constexpr int frames = 200000;
    constexpr int framesPerChunk = 32; // what a read brings at full speed
    QList<QByteArray> chunks;
    for (int n = 0; n < frames; n += framesPerChunk) {
        QByteArray chunk;
        for (int i = n; i < n + framesPerChunk; ++i)
            chunk += frame(i);
        chunks.append(chunk);
    }
    OscFrameParser parser;
    double x = MWaveView::pointLimit;
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray &chunk : chunks) {
        for (const OscFrame &parsed : parser.feed(chunk).results) {
            x += 1;
            for (int channel = 0; channel < channels; ++channel)
                view.addSeriesData(WAVE_CH(channel), QPointF(x, parsed.values.at(channel)));
        }
    }
    return clock.nsecsElapsed() / 1000.0 / frames;
}

struct RedrawCost
{
    double replaceMs = 0;
    double paintMs = 0;
    qsizetype pointsPerLine = 0;
};

// Hands each line the points of the whole window, thinned as the chart
// does or not at all, and lets the view paint them, antialiased or not: the
// mean of 10 redraws.
RedrawCost redrawCost(MWaveView &view, bool thinned, bool antialiased)
{
    view.setRenderHint(QPainter::Antialiasing, antialiased);
    constexpr int redraws = 10;
    const QList<QLineSeries *> series = lines(view);
    const auto *axisX = qobject_cast<QValueAxis *>(view.chart()->axes(Qt::Horizontal).first());
    const int buckets =
        thinned ? int(view.chart()->plotArea().width()) / MWaveView::pixelsPerBucket : 0;
    RedrawCost cost;
    QElapsedTimer clock;
    for (int n = 0; n < redraws; ++n) {
        clock.start();
        for (int channel = 0; channel < channels; ++channel) {
            const QList<QPointF> points =
                view.trace(WAVE_CH(channel))->drawPoints(axisX->min(), axisX->max(), buckets);
            cost.pointsPerLine = points.size();
            series.at(channel)->replace(points);
        }
        cost.replaceMs += clock.nsecsElapsed() / 1e6;
        clock.start();
        // The new points schedule the paint; OpenGL lines are then drawn by a
        // widget of their own in a paint of its own.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        cost.paintMs += clock.nsecsElapsed() / 1e6;
    }
    cost.replaceMs /= redraws;
    cost.paintMs /= redraws;
    return cost;
}

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    [[nodiscard]] qint64 count() const { return m_count; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return false;
    }

private:
    qint64 m_count = 0;
};

// The frames the window has taken so far: the x of channel 0's newest point.
qint64 framesTaken(const MWaveView &view)
{
    const WaveTrace *trace = view.trace(WAVE_CH0);
    return trace->isEmpty() ? 0 : qint64(trace->at(trace->size() - 1).x());
}

void endToEnd(const char *name, MWaveView &view, int fd, qint64 &sent, int seconds)
{
    const PaintCounter paints(view.viewport());
    const qint64 takenBefore = framesTaken(view);
    const long rssBefore = currentRssKb();
    const qint64 count = qint64(seconds) * framesPerSecond;
    const double cpuBefore = cpuSeconds();
    const StallProbe probe;
    QElapsedTimer clock;
    clock.start();
    std::thread writer(sendPaced, fd, sent, count);
    runUntil([&] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000 + 1000);
    writer.join();
    sent += count;
    runUntil([&] { return framesTaken(view) >= sent; }, 5000);
    const double elapsed = clock.elapsed() / 1000.0;
    const qint64 received = framesTaken(view) - takenBefore;
    std::printf("%-28s %4.1f s  sent %6lld  received %6lld (%.3f)  redraws %5.1f/s  longest stall"
                " %4lld ms  CPU %3.0f %%  RSS %6.1f -> %6.1f MB\n",
                name, elapsed, qlonglong(count), qlonglong(received), double(received) / count,
                paints.count() / elapsed, qlonglong(probe.longestMs()),
                100 * (cpuSeconds() - cpuBefore) / elapsed, rssBefore / 1024.0,
                currentRssKb() / 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const int seconds = argc > 1 ? std::max(10, QByteArray(argv[1]).toInt()) : 10;
    const bool openGl = argc > 2 && QByteArray(argv[2]) == "gl";
    answerPromptsWithOk();
    std::printf("lines drawn %s\n", openGl ? "through OpenGL" : "plainly");

    {
        MWaveView view;
        view.resize(1200, 800);
        view.show();
        runUntil([] { return false; }, 300);
        for (QLineSeries *series : lines(view))
            series->setUseOpenGL(openGl);
        for (int x = 1; x <= MWaveView::pointLimit; ++x)
            for (int channel = 0; channel < channels; ++channel)
                view.addSeriesData(WAVE_CH(channel), QPointF(x, 10 * std::sin(x * 0.01 * channel)));
        std::printf("one frame, 4 full channels of %lld points: %.2f us\n",
                    qlonglong(MWaveView::pointLimit), frameCost(view));
        QContextMenuEvent fit(QContextMenuEvent::Mouse, QPoint(600, 400), QPoint(600, 400));
        QApplication::sendEvent(view.viewport(), &fit);
        runUntil([] { return false; }, 300);
        const auto print = [](const char *how, const RedrawCost &cost) {
            std::printf("one redraw of 4 x %lld points, %s (%lld a line): replace %.1f ms, "
                        "paint %.1f ms\n",
                        qlonglong(MWaveView::pointLimit), how, qlonglong(cost.pointsPerLine),
                        cost.replaceMs, cost.paintMs);
        };
        const RedrawCost smooth = redrawCost(view, true, true);
        const RedrawCost drawn = redrawCost(view, true, false);
        print("thinned, antialiased", smooth);
        print("thinned, as the chart draws", drawn);
        std::printf("  as the chart draws / antialiased: %.2f\n",
                    (drawn.replaceMs + drawn.paintMs) / (smooth.replaceMs + smooth.paintMs));
        print("unthinned, antialiased", redrawCost(view, false, true));
    }

    PtyWindow ptyWindow;
    MainWindow &window = ptyWindow.window();
    ptyWindow.showPage(QStringLiteral("Oscilloscope"));
    auto *view = window.findChild<MWaveView *>();
    for (QLineSeries *series : lines(*view))
        series->setUseOpenGL(openGl);
    window.findChild<QPushButton *>(QStringLiteral("OSCopencompushButton"))->click();
    runUntil([] { return false; }, 500);

    // The reference: the same window with no frames coming, whose stalls
    // and processor time are the machine's own.
    {
        const double cpuBefore = cpuSeconds();
        const StallProbe probe;
        QElapsedTimer clock;
        clock.start();
        runUntil([] { return false; }, 3000);
        std::printf("%-28s %4.1f s  no frames  longest stall %4lld ms  CPU %3.0f %%\n",
                    "window idle (reference)", clock.elapsed() / 1000.0,
                    qlonglong(probe.longestMs()),
                    100 * (cpuSeconds() - cpuBefore) / (clock.elapsed() / 1000.0));
    }
    qint64 sent = 0;
    endToEnd("window of 50 samples", *view, ptyWindow.masterFd(), sent, seconds);

    // Fill every channel, then fit: the X window spans all 20000 points.
    QByteArray fill;
    for (qint64 n = sent; n < sent + MWaveView::pointLimit; ++n)
        fill += frame(n);
    std::thread filler(writeAll, ptyWindow.masterFd(), fill);
    sent += MWaveView::pointLimit;
    runUntil([&] { return framesTaken(*view) >= sent; }, 60000);
    filler.join();
    QContextMenuEvent fit(QContextMenuEvent::Mouse, QPoint(600, 400), QPoint(600, 400));
    QApplication::sendEvent(view->viewport(), &fit);
    runUntil([] { return false; }, 300);
    endToEnd("window of all 20000 points", *view, ptyWindow.masterFd(), sent, seconds);
    return 0;
}
