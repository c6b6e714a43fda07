// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_gpssignal [seconds, default 10]
//
// GSV sentences through the GPS Signal dialog: an NMEA device on a pty feeds
// the open GPS port of a shown window with the dialog open. "paced" sends
// what a four-system receiver sends, a burst of 16 GSV sentences (four per
// system) every second; "flood" writes 50000 sentences as fast as the pty
// takes them. Each case prints the sentences handed to the worker, the
// results drawn, the sentences the worker's queue dropped, the longest the
// queue grew, the longest GUI stall (10 ms precise timer probe) and the
// results drawn per second.

#include "benchsupport.h"
#include "nmeasentence.h"
#include "gps_signal.h"
#include "mainwindow.h"
#include "ptywindow.h"
#include "windowbench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

constexpr int sentencesPerSecond = 16;
constexpr int floodSentences = 50000;

// Sentence n of a receiver that tracks 16 satellites of each of GPS,
// BeiDou, GLONASS and Galileo: the satellites move and their SNR changes
// every second, and now and then one fades below the drawing thresholds.
QByteArray gsvSentence(int n)
{
    struct Talker
    {
        const char *name;
        int firstPrn;
    };
    static const Talker talkers[] = {{"GP", 1}, {"GB", 201}, {"GL", 65}, {"GA", 1}};
    const int second = n / sentencesPerSecond;
    const Talker &talker = talkers[n / 4 % 4];
    const int part = n % 4;
    QByteArray body = QByteArray(talker.name) + "GSV,4," + QByteArray::number(part + 1) + ",16";
    for (int i = 0; i < 4; ++i) {
        const int prn = talker.firstPrn + part * 4 + i;
        const int snr = (prn + second) % 17 == 0 ? 2 : 20 + (prn * 13 + second * 3) % 30;
        body += ',' + QByteArray::number(prn) + ',' + QByteArray::number(5 + (prn * 7) % 80) + ',' +
                QByteArray::number((prn * 37 + second) % 360) + ',' + QByteArray::number(snr);
    }
    return nmeaSentence(body);
}

// What one case saw of the dialog's worker.
struct Figures
{
    qint64 handed = 0;
    qint64 drawn = 0;
    qint64 dropped = 0;
    qsizetype longestQueue = 0;
};

void print(const char *name, const Figures &figures, qint64 stallMs, qint64 elapsedMs)
{
    const double perSecond = elapsedMs > 0 ? 1000.0 / elapsedMs : 0.0;
    std::printf("%-6s %5.1f s  handed %6lld (%7.1f/s)  drawn %6lld (%6.1f/s)  dropped %6lld  "
                "queue max %3lld  longest stall %4lld ms\n",
                name, elapsedMs / 1000.0, qlonglong(figures.handed), figures.handed * perSecond,
                qlonglong(figures.drawn), figures.drawn * perSecond, qlonglong(figures.dropped),
                qlonglong(figures.longestQueue), qlonglong(stallMs));
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    answerPromptsWithOk();

    PtyWindow ptyWindow;
    MainWindow &window = ptyWindow.window();
    window.findChild<QPushButton *>(QStringLiteral("GPSopencompushButton"))->click();
    window.findChild<QPushButton *>(QStringLiteral("GPSsignal"))->click();
    auto *worker = window.findChild<GPS_Signal *>();
    if (!worker) {
        std::printf("the GPS Signal dialog did not open\n");
        return 1;
    }
    runUntil([] { return false; }, 500);

    // Connected after the window's own connections: these run once the
    // worker queued a sentence and once the window drew a result.
    Figures figures;
    QObject::connect(&window, &MainWindow::GPS_Signal_Data_Over, worker, [&](char *) {
        ++figures.handed;
        figures.longestQueue = std::max(figures.longestQueue, worker->queueLength());
    });
    QObject::connect(worker, &GPS_Signal::ReturnResult, worker,
                     [&](const GsvSentence &) { ++figures.drawn; });
    qint64 readBefore = 0;
    const auto allDrawn = [&](qint64 sent) {
        return figures.handed == sent && worker->queueLength() == 0 &&
               worker->readCount() - readBefore == figures.drawn;
    };

    {
        const StallProbe probe;
        QElapsedTimer clock;
        clock.start();
        for (int second = 0; second < seconds; ++second) {
            QByteArray burst;
            for (int i = 0; i < sentencesPerSecond; ++i)
                burst += gsvSentence(second * sentencesPerSecond + i);
            writeAll(ptyWindow.masterFd(), burst);
            runUntil([&] { return clock.elapsed() >= (second + 1) * 1000; }, 2000, 1);
        }
        runUntil([&] { return allDrawn(qint64(seconds) * sentencesPerSecond); }, 10000);
        figures.dropped = worker->droppedCount();
        print("paced", figures, probe.longestMs(), clock.elapsed());
    }

    figures = {};
    readBefore = worker->readCount();
    const qint64 droppedBefore = worker->droppedCount();
    {
        QByteArray flood;
        for (int n = 0; n < floodSentences; ++n)
            flood += gsvSentence(n);
        const StallProbe probe;
        QElapsedTimer clock;
        clock.start();
        std::thread writer(writeAll, ptyWindow.masterFd(), flood);
        runUntil([&] { return allDrawn(floodSentences); }, 120000);
        writer.join();
        figures.dropped = worker->droppedCount() - droppedBefore;
        print("flood", figures, probe.longestMs(), clock.elapsed());
    }
    return 0;
}
