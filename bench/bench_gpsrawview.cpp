// Run: xvfb-run -a build/bench/bench_gpsrawview [chunks, default 20000]
//
// The GPS tool's raw view as it fills up: chunks of receiver sentences are
// shown one by one (as at a receiver's pace, each chunk written to the view
// before the next) and the cost per chunk is printed every thousand chunks,
// from an empty view to far past its 10000-line limit.

#include "receiveview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <cstdio>

namespace {

// One second of a receiver's output: about 450 bytes in seven sentences.
QByteArray secondOfSentences(int second)
{
    const QByteArray time = QByteArray::number(100000 + second % 60000).rightJustified(6, '0');
    return "$GPRMC," + time +
           ".00,A,3954.9290,N,11624.2340,E,0.02,31.66,070526,,,A*00\r\n"
           "$GPVTG,31.66,T,,M,0.02,N,0.04,K,A*00\r\n"
           "$GPGGA," +
           time +
           ".00,3954.9290,N,11624.2340,E,1,08,1.03,61.7,M,55.2,M,,*00\r\n"
           "$GPGSA,A,3,04,05,09,12,,,,,,,,,2.5,1.3,2.1*00\r\n"
           "$GPGSV,2,1,08,04,75,023,43,05,60,154,40,09,45,261,38,12,33,307,35*00\r\n"
           "$GPGSV,2,2,08,17,21,095,30,20,12,140,28,25,08,041,25,28,05,300,22*00\r\n"
           "$GPGLL,3954.9290,N,11624.2340,E," +
           time + ".00,A,A*00\r\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int chunks = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
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
    for (int chunk = 1; chunk <= chunks; ++chunk) {
        const QByteArray bytes = secondOfSentences(chunk);
        clock.start();
        view.appendBytes(bytes, false);
        view.flush();
        QCoreApplication::processEvents();
        spent += clock.nsecsElapsed();
        if (chunk % 1000 == 0) {
            std::printf("%12d  %13d  %19.1f\n", chunk, text.blockCount(), spent / 1000 / 1e3);
            spent = 0;
        }
    }
    return 0;
}
