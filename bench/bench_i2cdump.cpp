// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_i2cdump [MB] [seconds]
//
// The i2cdump tab's receive side. Prints:
// - decoder throughput on a board's stream (register tables with now and
//   then a scan or read answer, MB = 2^20 bytes, 10 by default) fed in
//   32-byte chunks: MB/s and frames/s;
// - hostile streams of the same size in 32-byte chunks, and of a tenth of
//   it, so that the two times show the work stays linear: "KX FF FF"
//   headers, "KX" upon "KX", and frames of the longest accepted length with
//   wrong sums; with the most bytes the decoder held;
// - one 256-register table frame on the shown register-table widget, every
//   value changed: taken by updateValues, then shown at its turn and
//   painted; beside it the road before tables waited for their show: the
//   frame put on the cells register by register as it comes, each new text
//   running the layout, and painted; with the ratio;
// - a board streaming such tables from a pty into the i2cdump tab of a
//   shown 1200x800 window for `seconds` (5 by default) at 115200 baud's pace
//   (11520 bytes/s, 44 tables/s) and as fast as the pty takes them, each
//   through the tab and through the road before (which paints the cells as
//   the tab does now), then one last table of its own: tables sent, the
//   processor share of the process and of its GUI thread, the longest stall
//   measured from outside (window-manager pings) and inside (a 10 ms timer),
//   whether the last table shows exact and how long after its write; beside
//   them the same window idle for 3 s, and the ratios of the tab's figures
//   to the road before's and to the idle window's.
// Each decoder figure is the best of three runs.

#include "benchsupport.h"
#include "i2cframe.h"
#include "i2cframedecoder.h"
#include "mainwindow.h"
#include "nuvelix_i2c_tools.h"
#include "pingstallprobe.h"
#include "ptywindow.h"
#include "threadserial.h"
#include "windowbench.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QList>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

using namespace Bench;

namespace {

constexpr int runs = 3;
constexpr qsizetype chunkSize = 32;

QByteArray table(int round)
{
    QByteArray values(256, '\0');
    for (int n = 0; n < values.size(); ++n)
        values[n] = char(n * 7 + round);
    return I2cFrame{I2cFrame::RegisterTable, values}.encode();
}

// Tables, every tenth frame a scan or read answer.
QByteArray boardStream(qsizetype size)
{
    QByteArray stream;
    stream.reserve(size + 300);
    for (int round = 0; stream.size() < size; ++round) {
        if (round % 10 == 5)
            stream += I2cFrame{I2cFrame::ScanResult, QByteArray::fromHex("3c48")}.encode();
        else if (round % 10 == 9)
            stream += I2cFrame{I2cFrame::ReadResult, QByteArray(16, 'K')}.encode();
        else
            stream += table(round);
    }
    return stream;
}

struct Run
{
    double seconds = 0;
    qsizetype frames = 0;
    qsizetype corrupt = 0;
    qsizetype mostHeld = 0;
};

Run decode(const QByteArray &stream)
{
    Run best;
    for (int run = 0; run < runs; ++run) {
        QList<QByteArray> chunks;
        for (qsizetype from = 0; from < stream.size(); from += chunkSize)
            chunks.append(stream.mid(from, chunkSize));
        I2cFrameDecoder decoder;
        Run current;
        QElapsedTimer clock;
        clock.start();
        for (const QByteArray &chunk : chunks) {
            const ParsedChunk<I2cFrame> parsed = decoder.feed(chunk);
            current.frames += parsed.results.size();
            current.corrupt += parsed.corrupt.size();
            current.mostHeld = std::max(current.mostHeld, decoder.held());
        }
        current.seconds = clock.nsecsElapsed() / 1e9;
        if (run == 0 || current.seconds < best.seconds)
            best = current;
    }
    return best;
}

void printHostile(const char *name, const QByteArray &pattern, qsizetype size)
{
    const QByteArray tenth = pattern.repeated(size / 10 / pattern.size());
    const QByteArray whole = pattern.repeated(size / pattern.size());
    const Run small = decode(tenth);
    const Run large = decode(whole);
    std::printf("%-44s %6.1f MB: %7.1f ms, %6.1f MB: %7.1f ms (x%.1f), %7.1f MB/s, "
                "%lld dropped, held at most %lld bytes\n",
                name, megabytes(tenth.size()), small.seconds * 1e3, megabytes(whole.size()),
                large.seconds * 1e3, large.seconds / small.seconds,
                megabytes(whole.size()) / large.seconds, qlonglong(large.corrupt),
                qlonglong(std::max(small.mostHeld, large.mostHeld)));
}

// The road before tables waited for their show: every table of a chunk put
// on the cells as it comes, register by register.
void everyTableAsItComes(nuvelix_i2c_tools &tools, I2cFrameDecoder &decoder,
                         const QByteArray &bytes)
{
    for (const I2cFrame &frame : decoder.feed(bytes).results) {
        if (frame.type != I2cFrame::RegisterTable)
            continue;
        const qsizetype count = std::min<qsizetype>(frame.payload.size(), 256);
        for (int index = 0; index < count; ++index)
            tools.updateLabelValues(index, quint8(frame.payload.at(index)));
    }
}

// Whether every cell shows its value in `frame`'s table.
bool shows(const nuvelix_i2c_tools &tools, const QByteArray &frame)
{
    const QByteArray values = frame.mid(I2cFrame::headerSize, 256);
    for (int index = 0; index < 256; ++index) {
        if (tools.registerLabel(index)->text() !=
            QString::fromLatin1(values.mid(index, 1).toHex().toUpper()))
            return false;
    }
    return true;
}

// The road before runs the layout at each text change, as a label's
// layout does unless it is switched off.
void runLayoutAtEachChange(nuvelix_i2c_tools &tools)
{
    tools.layout()->setEnabled(true);
    tools.layout()->activate();
}

void tableCosts()
{
    constexpr int frames = 200;
    nuvelix_i2c_tools tools;
    tools.resize(600, 500);
    tools.show();
    runUntil([] { return false; }, 300);
    const qreal refresh = tools.screen()->refreshRate();
    // Longer than a frame of the screen, so that each table is due at once.
    const auto frameWait = std::chrono::milliseconds(int(1000 / std::max<qreal>(refresh, 1)) + 2);
    QElapsedTimer clock;
    const auto timed = [&clock](double &sumMs, const auto &step) {
        clock.start();
        step();
        sumMs += clock.nsecsElapsed() / 1e6;
    };
    // The turns of the show, or of the layout, and of the paint.
    const auto untilPainted = [] {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    };
    double takenMs = 0;
    double shownMs = 0;
    bool exact = true;
    for (int round = 0; round < frames; ++round) {
        const QByteArray frame = table(round);
        timed(takenMs, [&] { tools.updateValues(frame); });
        std::this_thread::sleep_for(frameWait);
        timed(shownMs, untilPainted);
        exact = exact && shows(tools, frame);
    }
    runLayoutAtEachChange(tools);
    I2cFrameDecoder decoder;
    double beforeMs = 0;
    for (int round = 0; round < frames; ++round) {
        const QByteArray frame = table(frames + round);
        timed(beforeMs, [&] {
            everyTableAsItComes(tools, decoder, frame);
            untilPainted();
        });
    }
    std::printf("screen refresh %.0f Hz\n", refresh);
    std::printf("one 256-register table frame, every value changed (mean of %d):\n"
                "  taken %.3f ms, shown and painted %.3f ms%s\n"
                "  road before: put on the cells register by register, the layout run and "
                "painted %.3f ms\n"
                "  ratio %.2f\n",
                frames, takenMs / frames, shownMs / frames, exact ? "" : " (NOT EXACT)",
                beforeMs / frames, (takenMs + shownMs) / beforeMs);
}

// 115200 baud with 8 data bits, no parity and one stop bit; 0: as fast as
// the pty takes the bytes.
struct Pace
{
    const char *name;
    int bytesPerSecond;
};

struct StreamFigures
{
    qint64 tables = 0;
    double cpuShare = 0;
    double guiCpuShare = 0;
    std::optional<PingStallProbe::Figures> outside;
    qint64 insideStallMs = 0;
    bool exact = false;
    double catchUpMs = 0;
};

// The table sent last: none of the stream's tables reads like it.
QByteArray lastTable()
{
    QByteArray values(256, '\0');
    for (int n = 0; n < values.size(); ++n)
        values[n] = char(n * 13 + 101);
    return I2cFrame{I2cFrame::RegisterTable, values}.encode();
}

void printFigures(const char *name, const StreamFigures &figures, double seconds)
{
    std::printf("%-36s %6lld tables (%5.0f/s)  CPU %3.0f %% (GUI thread %3.0f %%)  stall %s, "
                "%4lld ms inside  last table %s after %.1f ms\n",
                name, qlonglong(figures.tables), figures.tables / seconds, figures.cpuShare,
                figures.guiCpuShare, qPrintable(PingStallProbe::describe(figures.outside)),
                qlonglong(figures.insideStallMs), figures.exact ? "exact" : "NOT SHOWN",
                figures.catchUpMs);
}

// Streams tables for `seconds` at the pace, then the last table, and waits
// until it shows.
StreamFigures stream(PtyWindow &ptyWindow, const Pace &pace, int seconds)
{
    const auto *tools = ptyWindow.window().findChild<nuvelix_i2c_tools *>();
    QList<QByteArray> tables;
    for (int round = 0; round < 256; ++round)
        tables.append(table(round));
    const QByteArray last = lastTable();

    StreamFigures figures;
    std::atomic<qint64> lastWrittenNs{0};
    std::atomic<qint64> sent{0};
    QElapsedTimer clock;
    const double cpuBefore = cpuSeconds();
    const double guiCpuBefore = threadCpuSeconds();
    const StallProbe inside;
    PingStallProbe outside(&ptyWindow.window());
    clock.start();
    std::thread writer([&] {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        const Clock::time_point end = start + std::chrono::seconds(seconds);
        qint64 n = 0;
        for (; Clock::now() < end; ++n) {
            if (pace.bytesPerSecond > 0)
                std::this_thread::sleep_until(
                    start + std::chrono::microseconds(n * tables.first().size() * 1000000 /
                                                      pace.bytesPerSecond));
            writeAll(ptyWindow.masterFd(), tables.at(int(n % tables.size())));
        }
        writeAll(ptyWindow.masterFd(), last);
        lastWrittenNs = clock.nsecsElapsed();
        sent = n + 1;
    });
    runUntil([&] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000 + 1000, 20);
    writer.join();
    figures.exact = runUntil([&] { return shows(*tools, last); }, 120000, 2);
    figures.catchUpMs = (clock.nsecsElapsed() - lastWrittenNs) / 1e6;
    const double elapsed = clock.nsecsElapsed() / 1e9;
    figures.tables = sent;
    figures.cpuShare = 100 * (cpuSeconds() - cpuBefore) / elapsed;
    figures.guiCpuShare = 100 * (threadCpuSeconds() - guiCpuBefore) / elapsed;
    figures.insideStallMs = inside.longestMs();
    figures.outside = outside.figures();
    // Room for the window to settle before the next run.
    runUntil([] { return false; }, 500);
    return figures;
}

void streamingBoard(int seconds)
{
    PtyWindow ptyWindow;
    MainWindow &window = ptyWindow.window();
    ptyWindow.showPage(QStringLiteral("i2cdump"));
    window.findChild<QPushButton *>(QStringLiteral("i2cdumpopencompushButton"))->click();
    runUntil([] { return false; }, 500);
    ThreadSerial *worker = nullptr;
    for (ThreadSerial *candidate : window.findChildren<ThreadSerial *>()) {
        if (candidate->opened && candidate->serialPort->isOpen())
            worker = candidate;
    }
    if (!worker) {
        std::printf("the i2cdump tab did not open its port\n");
        return;
    }

    // The reference: the same window with no tables coming, whose stalls
    // and processor time are the machine's own.
    StreamFigures idle;
    {
        const double cpuBefore = cpuSeconds();
        const StallProbe inside;
        PingStallProbe outside(&window);
        QElapsedTimer clock;
        clock.start();
        runUntil([] { return false; }, 3000, 20);
        idle.cpuShare = 100 * (cpuSeconds() - cpuBefore) / (clock.elapsed() / 1000.0);
        idle.insideStallMs = inside.longestMs();
        idle.outside = outside.figures();
        std::printf("%-36s CPU %3.0f %%  stall %s, %4lld ms inside\n",
                    "window idle, 3 s (reference)", idle.cpuShare,
                    qPrintable(PingStallProbe::describe(idle.outside)),
                    qlonglong(idle.insideStallMs));
    }

    const Pace paces[] = {{"115200 baud", 11520}, {"full speed", 0}};
    std::vector<StreamFigures> tab;
    for (const Pace &pace : paces) {
        tab.push_back(stream(ptyWindow, pace, seconds));
        printFigures(qPrintable(QStringLiteral("%1, the tab").arg(QLatin1String(pace.name))),
                     tab.back(), seconds);
    }
    // The road before, on the same window, worker and cells.
    auto *tools = window.findChild<nuvelix_i2c_tools *>();
    runLayoutAtEachChange(*tools);
    QObject::disconnect(worker, &ThreadSerial::Serial_read_Data, &window, nullptr);
    I2cFrameDecoder decoder;
    QObject::connect(worker, &ThreadSerial::Serial_read_Data, tools,
                     [&](const QByteArray &bytes) { everyTableAsItComes(*tools, decoder, bytes); });
    for (size_t n = 0; n < std::size(paces); ++n) {
        const StreamFigures before = stream(ptyWindow, paces[n], seconds);
        printFigures(
            qPrintable(QStringLiteral("%1, road before").arg(QLatin1String(paces[n].name))), before,
            seconds);
        const auto longest = [](const StreamFigures &figures) {
            return figures.outside ? figures.outside->longestMs : double(figures.insideStallMs);
        };
        std::printf("  %s, the tab / road before: tables %s, CPU %s, longest stall %s; "
                    "the tab / idle window: CPU %s, longest stall %s\n",
                    paces[n].name,
                    qPrintable(ratioText(double(tab[n].tables), double(before.tables))),
                    qPrintable(ratioText(tab[n].cpuShare, before.cpuShare)),
                    qPrintable(ratioText(longest(tab[n]), longest(before))),
                    qPrintable(ratioText(tab[n].cpuShare, idle.cpuShare)),
                    qPrintable(ratioText(longest(tab[n]), longest(idle))));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const qsizetype size = qsizetype(argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10)
                           << 20;
    const int seconds = argc > 2 ? std::max(2, QByteArray(argv[2]).toInt()) : 5;
    answerPromptsWithOk();

    const QByteArray stream = boardStream(size);
    const Run board = decode(stream);
    std::printf("board stream, %.1f MB in %lld-byte chunks: %.1f MB/s, %.0f frames/s "
                "(%lld frames), held at most %lld bytes\n",
                megabytes(stream.size()), qlonglong(chunkSize),
                megabytes(stream.size()) / board.seconds, board.frames / board.seconds,
                qlonglong(board.frames), qlonglong(board.mostHeld));

    printHostile("hostile: \"KX FF FF\" headers", QByteArray::fromHex("4b58 ff ffff"), size);
    printHostile("hostile: \"KX\" upon \"KX\"", QByteArray("KX"), size);
    printHostile("hostile: longest frames, wrong sums",
                 QByteArray::fromHex("4b58 02 0400") + QByteArray(1025, '\x01'), size);

    tableCosts();
    streamingBoard(seconds);
    return 0;
}
