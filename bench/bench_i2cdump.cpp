// Run: xvfb-run -a build/bench/bench_i2cdump [MB]
//
// The i2cdump tab's receive side. Prints:
// - decoder throughput on a board's stream (register tables with now and
//   then a scan or read answer, MB = 2^20 bytes, 10 by default) fed in
//   32-byte chunks: MB/s and frames/s;
// - hostile streams of the same size in 32-byte chunks, and of a tenth of
//   it, so that the two times show the work stays linear: "KX FF FF"
//   headers, "KX" upon "KX", and frames of the longest accepted length with
//   wrong sums; with the most bytes the decoder held;
// - the time to apply one 256-register table frame to the register-table
//   widget, every value changed, and the time to paint the shown widget
//   afterwards.
// Each decoder figure is the best of three runs.

#include "i2cframe.h"
#include "i2cframedecoder.h"
#include "nuvelix_i2c_tools.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int runs = 3;
constexpr qsizetype chunkSize = 32;

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024 * 1024);
}

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const qsizetype size = qsizetype(argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10)
                           << 20;

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

    nuvelix_i2c_tools tools;
    tools.resize(600, 500);
    tools.show();
    QApplication::processEvents();
    constexpr int frames = 1000;
    QList<QByteArray> tables;
    for (int round = 0; round < frames; ++round)
        tables.append(table(round));
    double applyMs = 0;
    double paintMs = 0;
    double worstApplyMs = 0;
    QElapsedTimer clock;
    for (const QByteArray &frame : tables) {
        clock.start();
        tools.updateValues(frame);
        const double ms = clock.nsecsElapsed() / 1e6;
        applyMs += ms;
        worstApplyMs = std::max(worstApplyMs, ms);
        clock.start();
        tools.repaint();
        paintMs += clock.nsecsElapsed() / 1e6;
    }
    std::printf("one 256-register table frame, every value changed: apply %.3f ms (worst %.3f "
                "ms), paint %.3f ms; mean of %d\n",
                applyMs / frames, worstApplyMs, paintMs / frames, frames);
    return 0;
}
