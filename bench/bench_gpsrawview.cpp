// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_gpsrawview [chunks] [seconds]
//
// The GPS tool at a receiver's pace, beside the cost of its raw view.
//
// First the raw view alone as it fills up: chunks of receiver sentences are
// shown one by one (each written to the view before the next) and the cost
// per chunk is printed every thousand chunks (20000 by default), from an
// empty view to far past its 10000-line limit.
//
// Then the whole window: an NMEA device on a pty sends 30 sentences a
// second, one every 33 ms (a dual-band receiver's epoch: position, speed,
// dilution and two signal groups per constellation), to the open GPS port
// for `seconds` (10 by default) with the GPS page shown, map page included,
// then also with the GPS Signal dialog open, and as long with another page
// in front. For each it prints the processor share of this process (all its
// threads but the one playing the device) and of the web engine's helper
// processes, and the process's time per sentence beside the raw view's cost
// per chunk measured above.

#include "benchsupport.h"
#include "nmeasentence.h"
#include "ptywindow.h"
#include "receiveview.h"
#include "windowbench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace Bench;

namespace {

constexpr int sentencesPerSecond = 30;

QByteArray timeOf(int second)
{
    return QByteArray::number(100000 + second % 60000).rightJustified(6, '0') + ".00";
}

// One second of a receiver's output: about 450 bytes in seven sentences.
QByteArray secondOfSentences(int second)
{
    const QByteArray time = timeOf(second);
    return "$GPRMC," + time +
           ",A,3954.9290,N,11624.2340,E,0.02,31.66,070526,,,A*00\r\n"
           "$GPVTG,31.66,T,,M,0.02,N,0.04,K,A*00\r\n"
           "$GPGGA," +
           time +
           ",3954.9290,N,11624.2340,E,1,08,1.03,61.7,M,55.2,M,,*00\r\n"
           "$GPGSA,A,3,04,05,09,12,,,,,,,,,2.5,1.3,2.1*00\r\n"
           "$GPGSV,2,1,08,04,75,023,43,05,60,154,40,09,45,261,38,12,33,307,35*00\r\n"
           "$GPGSV,2,2,08,17,21,095,30,20,12,140,28,25,08,041,25,28,05,300,22*00\r\n"
           "$GPGLL,3954.9290,N,11624.2340,E," +
           time + ",A,A*00\r\n";
}

// The 30 sentences of one epoch of a dual-band receiver that tracks GPS,
// GLONASS, Galileo and BeiDou: each constellation's satellites are listed
// once per signal band, the second band with fewer SNRs.
QList<QByteArray> epoch(int second)
{
    const QByteArray time = timeOf(second);
    const QByteArray position = "3954.9290,N,11624.2340,E";
    QList<QByteArray> bodies{
        "GNRMC," + time + ",A," + position + ",0.02,31.66,070526,,,A,V",
        "GNVTG,31.66,T,,M,0.02,N,0.04,K,A",
        "GNGGA," + time + "," + position + ",1,24,0.63,61.7,M,-8.2,M,,",
        "GNGSA,A,3,04,05,09,12,17,20,,,,,,,1.02,0.63,0.80,1",
        "GNGSA,A,3,65,66,72,,,,,,,,,,1.02,0.63,0.80,2",
        "GNGSA,A,3,02,07,08,,,,,,,,,,1.02,0.63,0.80,3",
        "GNGSA,A,3,201,203,206,,,,,,,,,,1.02,0.63,0.80,4",
        "GNGLL," + position + "," + time + ",A,A",
    };
    struct Constellation
    {
        QByteArray talker;
        int firstPrn;
        int satellites;
        char bands[2];
    };
    const Constellation constellations[] = {
        {"GP", 2, 10, {'1', '8'}},
        {"GL", 65, 7, {'1', '3'}},
        {"GA", 2, 8, {'7', '1'}},
        {"GB", 201, 8, {'1', '5'}},
    };
    for (const Constellation &c : constellations) {
        const int pages = (c.satellites + 3) / 4;
        for (int band = 0; band < 2; ++band) {
            for (int page = 0; page < pages; ++page) {
                QByteArray body = c.talker + "GSV," + QByteArray::number(pages) + ',' +
                                  QByteArray::number(page + 1) + ',' +
                                  QByteArray::number(c.satellites).rightJustified(2, '0');
                for (int i = page * 4; i < qMin(c.satellites, page * 4 + 4); ++i) {
                    const int prn = c.firstPrn + i;
                    const int snr = 20 + (prn * 7 + second) % 25;
                    body += ',' + QByteArray::number(prn) + ',' +
                            QByteArray::number(10 + prn * 13 % 80) + ',' +
                            QByteArray::number((prn * 37 + second) % 360) + ',' +
                            (band == 0 || i % 2 == 0 ? QByteArray::number(snr - band * 5)
                                                     : QByteArray());
                }
                bodies.append(body + ',' + c.bands[band]);
            }
        }
    }
    QList<QByteArray> sentences;
    for (const QByteArray &body : std::as_const(bodies))
        sentences.append(nmeaSentence(body));
    // Filled up to the pace with position sentences.
    while (sentences.size() < sentencesPerSecond)
        sentences.append(nmeaSentence("GNGLL," + position + "," + time + ",A,A"));
    sentences.resize(sentencesPerSecond);
    return sentences;
}

// Microseconds per chunk of the raw view alone, averaged over all chunks.
double rawViewCost(int chunks)
{
    QPlainTextEdit text;
    text.resize(600, 400);
    text.show();
    ReceiveView view(&text, nullptr, nullptr, HexFormat::Style::Compact,
                     ReceiveDecoder::Encoding::Utf8OrGbk);
    view.setUp();
    QCoreApplication::processEvents();

    std::printf("chunks shown  lines in view  cost per chunk (us)\n");
    QElapsedTimer clock;
    qint64 spent = 0;
    qint64 total = 0;
    for (int chunk = 1; chunk <= chunks; ++chunk) {
        const QByteArray bytes = secondOfSentences(chunk);
        clock.start();
        view.appendBytes(bytes, false);
        view.flush();
        QCoreApplication::processEvents();
        spent += clock.nsecsElapsed();
        if (chunk % 1000 == 0) {
            std::printf("%12d  %13d  %19.1f\n", chunk, text.blockCount(), spent / 1000 / 1e3);
            total += spent;
            spent = 0;
        }
    }
    total += spent;
    return chunks > 0 ? total / 1e3 / chunks : 0;
}

struct Share
{
    double process = 0;
    double helpers = 0;
    double microsecondsPerSentence = 0;
};

// Plays the receiver at its pace for a while and measures what it cost.
Share paced(int masterFd, int seconds, int &second)
{
    std::atomic<bool> stop = false;
    const int firstSecond = second;
    second += seconds;
    const double cpuBefore = cpuSeconds();
    const double helpersBefore = helperFigures().cpuSeconds;
    QElapsedTimer clock;
    clock.start();
    // The device plays on a thread of this process: its own time is taken
    // out of the process's.
    double deviceCpu = 0;
    std::thread device([&stop, &deviceCpu, masterFd, firstSecond, seconds] {
        const auto start = std::chrono::steady_clock::now();
        for (int s = 0; s < seconds && !stop; ++s) {
            const QList<QByteArray> sentences = epoch(firstSecond + s);
            for (int i = 0; i < sentences.size(); ++i) {
                std::this_thread::sleep_until(
                    start + std::chrono::microseconds((s * 1000000LL) +
                                                      i * 1000000LL / sentencesPerSecond));
                writeAll(masterFd, sentences.at(i));
            }
        }
        deviceCpu = threadCpuSeconds();
    });
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    stop = true;
    device.join();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    Share share;
    const double used = cpuSeconds() - cpuBefore - deviceCpu;
    share.process = 100 * used / elapsed;
    share.helpers = 100 * (helperFigures().cpuSeconds - helpersBefore) / elapsed;
    share.microsecondsPerSentence = used * 1e6 / (elapsed * sentencesPerSecond);
    return share;
}

void print(const char *page, const Share &share, double rawCost)
{
    std::printf("%-7s process %5.1f %% of a core (web engine helpers %5.1f %%)  %7.1f us per "
                "sentence = %5.2f x the raw view's %.1f us per chunk\n",
                page, share.process, share.helpers, share.microsecondsPerSentence,
                share.microsecondsPerSentence / rawCost, rawCost);
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const int chunks = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    const int seconds = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 10;
    answerPromptsWithOk();

    const double rawCost = rawViewCost(chunks);
    std::printf("raw view: %.1f us per chunk on average\n\n", rawCost);

    // The map page's alerts (no network here for its IP location) are boxes
    // of their own, which a user would close.
    QTimer closeAlerts;
    QObject::connect(&closeAlerts, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closeAlerts.start(500);

    PtyWindow ptyWindow;
    ptyWindow.window().findChild<QPushButton *>(QStringLiteral("GPSopencompushButton"))->click();
    int second = 0;
    ptyWindow.showPage(QStringLiteral("gps"));
    // The map page loads before the measuring starts.
    paced(ptyWindow.masterFd(), 3, second);
    std::printf("%d sentences a second for %d s per page\n", sentencesPerSecond, seconds);
    print("shown", paced(ptyWindow.masterFd(), seconds, second), rawCost);
    ptyWindow.window().findChild<QPushButton *>(QStringLiteral("GPSsignal"))->click();
    paced(ptyWindow.masterFd(), 1, second);
    print("signals", paced(ptyWindow.masterFd(), seconds, second), rawCost);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->windowTitle() == QLatin1String("GPS Signal"))
            top->close();
    }
    ptyWindow.showPage(QStringLiteral("serial"));
    paced(ptyWindow.masterFd(), 1, second);
    print("hidden", paced(ptyWindow.masterFd(), seconds, second), rawCost);
    return 0;
}
