// Run: build/bench/bench_nmea [MB]
//
// Frames a generated receiver log (10 MB by default, MB = 2^20 bytes) fed in
// random chunks of 1 to 4096 bytes (fixed seeds), then frames and decodes
// it, and prints sentences per second, MB/s and the bytes the framer held.
// The log mixes RMC, VTG, GGA, GSA and GSV sentences of several talkers with
// valid checksums, some junk between them, and now and then a sentence with
// a wrong checksum or one cut short. Each figure is the best of three runs.

#include "nmeadecoder.h"
#include "nmeaframer.h"
#include "nmeasentence.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QRandomGenerator>

#include <cstdio>

namespace {

constexpr int runs = 3;

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024 * 1024);
}

QByteArray fixed(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

QByteArray twoDigits(int value)
{
    return QByteArray::number(value).rightJustified(2, '0');
}

// One second of a multi-constellation receiver's output.
QList<QByteArray> epoch(QRandomGenerator &random, int second)
{
    const QByteArray time = twoDigits(second / 3600 % 24) + twoDigits(second / 60 % 60) +
                            twoDigits(second % 60) + ".00";
    const double latitude = 3954.9290 + random.bounded(1.0);
    const double longitude = 11624.2340 + random.bounded(1.0);
    const QByteArray position =
        fixed(latitude, 4) + ",N," + fixed(longitude, 4).rightJustified(10, '0') + ",E";
    const double knots = random.bounded(60.0);
    const int used = 6 + random.bounded(20);
    QList<QByteArray> bodies{
        "GNRMC," + time + ",A," + position + "," + fixed(knots, 3) + ",," + "010124,,,A",
        "GNVTG,,T,,M," + fixed(knots, 3) + ",N," + fixed(knots * 1.852, 3) + ",K,A",
        "GNGGA," + time + "," + position + ",1," + twoDigits(used) + "," +
            fixed(0.5 + random.bounded(2.0), 2) + "," + fixed(40 + random.bounded(20.0), 1) +
            ",M,-8.2,M,,",
        "GNGSA,A,3,10,16,18,20,26,27,,,,,,,1.20,0.80,0.90,1",
        "GNGSA,A,3,201,202,203,204,,,,,,,,,1.20,0.80,0.90,4"};
    const struct
    {
        QByteArray talker;
        int pages;
    } constellations[] = {{"GP", 3}, {"GL", 2}, {"GA", 1}, {"GB", 2}, {"BD", 1}};
    for (const auto &constellation : constellations) {
        const int inView = constellation.pages * 4 - random.bounded(3);
        for (int page = 1; page <= constellation.pages; ++page) {
            QByteArray body = constellation.talker + "GSV," +
                              QByteArray::number(constellation.pages) + "," +
                              QByteArray::number(page) + "," + twoDigits(inView);
            for (int satellite = 0; satellite < 4; ++satellite)
                body += "," + twoDigits(1 + random.bounded(32)) + "," +
                        twoDigits(random.bounded(90)) + "," +
                        QByteArray::number(random.bounded(360)).rightJustified(3, '0') + "," +
                        twoDigits(random.bounded(50));
            bodies.append(body);
        }
    }
    QList<QByteArray> sentences;
    for (const QByteArray &body : bodies)
        sentences.append(nmeaSentence(body));
    return sentences;
}

QByteArray receiverLog(qsizetype size)
{
    QRandomGenerator random(1);
    QByteArray log;
    log.reserve(size + 4096);
    for (int second = 0; log.size() < size; ++second) {
        for (QByteArray sentence : epoch(random, second)) {
            const quint32 fault = random.bounded(1000);
            if (fault < 5)
                log += "\r\n\x01\x7f junk \xff\r\n";
            else if (fault < 7)
                sentence[sentence.size() - 3] = sentence.at(sentence.size() - 3) == '0' ? '1' : '0';
            else if (fault < 8)
                sentence.truncate(sentence.size() / 2);
            log += sentence;
        }
    }
    return log;
}

struct Run
{
    qint64 nanoseconds = 0;
    qsizetype sentences = 0;
    qsizetype corrupt = 0;
    qsizetype decoded = 0;
    qsizetype mostHeld = 0;
    qsizetype heldAtEnd = 0;
};

Run frame(const QByteArray &log, bool decode)
{
    QRandomGenerator random(7);
    NmeaFramer framer;
    Run run;
    bool fixShown = false;
    QElapsedTimer timer;
    timer.start();
    for (qsizetype from = 0; from < log.size();) {
        const qsizetype size = qMin<qsizetype>(1 + random.bounded(4096), log.size() - from);
        const ParsedChunk<QByteArray> parsed =
            framer.feed(QByteArray::fromRawData(log.constData() + from, size));
        from += size;
        run.sentences += parsed.results.size();
        run.corrupt += parsed.corrupt.size();
        run.mostHeld = qMax(run.mostHeld, framer.heldSize());
        if (!decode)
            continue;
        for (const QByteArray &sentence : parsed.results) {
            const NmeaUpdate update = NmeaDecoder::decode(sentence, fixShown);
            if (update.fixState)
                fixShown = *update.fixState == QLatin1String("Yes");
            run.decoded += update.kind != NmeaUpdate::Kind::None;
        }
    }
    run.nanoseconds = timer.nsecsElapsed();
    run.heldAtEnd = framer.heldSize();
    return run;
}

void report(const char *what, const QByteArray &log, bool decode)
{
    Run best;
    for (int i = 0; i < runs; ++i) {
        const Run run = frame(log, decode);
        if (i == 0 || run.nanoseconds < best.nanoseconds)
            best = run;
    }
    const double seconds = best.nanoseconds / 1e9;
    std::printf("%-19s %8.1f ms  %11.0f sentences/s  %7.1f MB/s  %lld sentences, %lld corrupt",
                what, best.nanoseconds / 1e6, best.sentences / seconds,
                megabytes(log.size()) / seconds, qint64(best.sentences), qint64(best.corrupt));
    if (decode)
        std::printf(", %lld decoded", qint64(best.decoded));
    std::printf("; held at most %lld bytes, %lld at the end\n", qint64(best.mostHeld),
                qint64(best.heldAtEnd));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int size = qMax(1, app.arguments().value(1, QStringLiteral("10")).toInt());
    const QByteArray log = receiverLog(qsizetype(size) * 1024 * 1024);
    std::printf("receiver log: %.1f MB\n", megabytes(log.size()));
    report("framed", log, false);
    report("framed and decoded", log, true);
    return 0;
}
