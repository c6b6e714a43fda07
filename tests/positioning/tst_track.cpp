#include "positionline.h"
#include "temporaryhome.h"
#include "trackfile.h"
#include "trackfiles.h"
#include "trackimport.h"
#include "trackreplay.h"
#include "trackthinning.h"

#include <QBuffer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using Lines = QList<QByteArray>;
using Points = QList<QPair<double, double>>;

namespace {
Points pairs(const QList<LatLong> &points)
{
    Points result;
    for (const LatLong &point : points)
        result.append({point.latitude, point.longitude});
    return result;
}

// A zigzag of `count` points a thousandth of a degree apart eastwards,
// every one a turn.
QByteArray zigzag(int count)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += "Latitude:" + QByteArray(i % 2 ? "1.001" : "1") +
                 ",Longitude:" + QByteArray::number(i / 1000) + '.' +
                 QByteArray::number(i % 1000).rightJustified(3, '0') + "\n";
    return lines;
}

// A file whose reading fails at a byte, as on a disk that goes away.
struct FailingFile : QBuffer
{
    qint64 failAt = std::numeric_limits<qint64>::max();
    // The size it reports, as a /proc file reports none; -1: its own.
    qint64 reportedSize = -1;
    qint64 size() const override { return reportedSize >= 0 ? reportedSize : QBuffer::size(); }
    qint64 readData(char *data, qint64 size) override
    {
        if (pos() < failAt)
            return QBuffer::readData(data, qMin(size, failAt - pos()));
        setErrorString("the disk is gone");
        return -1;
    }
};
} // namespace

// The track file: what is stored, and how a file is replayed as one thinned
// line handed out in batches.
class TestTrack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data();
    void replay();
    void importInBatches_data();
    void importInBatches();
    void importPassesOverWhatIsNoTrack_data();
    void importPassesOverWhatIsNoTrack();
    void storing();
};

void TestTrack::replay_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Points>("drawn"); // the line's points; empty: nothing drawn

    const QByteArray p = "Latitude:1,Longitude:10\r\n";
    const QByteArray q = "Latitude:2,Longitude:20\r\n";
    const QByteArray r = "Latitude:3,Longitude:30\n";
    QTest::newRow("one point draws nothing") << Lines{p} << Points{};
    QTest::newRow("two equal points draw a line of no length")
        << Lines{p, p} << Points{{1, 10}, {1, 10}};
    QTest::newRow("P P Q") << Lines{p, p, q} << Points{{1, 10}, {2, 20}};
    QTest::newRow("P Q Q R") << Lines{p, q, q, r} << Points{{1, 10}, {2, 20}, {3, 30}};
    QTest::newRow("lines without a position are passed over")
        << Lines{"header\r\n", p, "Latitude:9\r\n", q} << Points{{1, 10}, {2, 20}};
    QTest::newRow("impossible positions are passed over")
        << Lines{p, "Latitude:95,Longitude:10\r\n", "Latitude:NaN,Longitude:1\r\n",
                 "Latitude:1e308,Longitude:1\r\n", q}
        << Points{{1, 10}, {2, 20}};
    QTest::newRow("LF and CR LF ends give the same texts")
        << Lines{"Latitude:1,Longitude:10\n", p} << Points{{1, 10}, {1, 10}};
    // Thinned: the first and last points and every turn stay.
    Lines meridian;
    for (int i = 0; i <= 10000; ++i)
        meridian.append("Latitude:" + QByteArray::number(i * 0.005, 'f', 3) + ",Longitude:7\n");
    QTest::newRow("a long stretch along a meridian") << meridian << Points{{0, 7}, {50, 7}};
    const auto line = [](const char *latitude, const char *longitude) {
        return "Latitude:" + QByteArray(latitude) + ",Longitude:" + longitude;
    };
    // A quarter of a pixel at the closest zoom is about 6.7e-7 degrees.
    QTest::newRow("a step under a quarter pixel is left out")
        << Lines{line("0", "0"), line("0.0000002", "1"), line("0", "2")} << Points{{0, 0}, {0, 2}};
    QTest::newRow("a step of a pixel is a turn")
        << Lines{line("0", "0"), line("0.000003", "1"), line("0", "2")}
        << Points{{0, 0}, {3e-6, 1}, {0, 2}};
}

void TestTrack::replay()
{
    QFETCH(Lines, lines);
    QFETCH(Points, drawn);
    TrackReplay replay;
    for (const QByteArray &line : lines) {
        replay.addLine(line);
        QVERIFY(!replay.takeBatch(false));
    }
    const std::optional<TrackReplay::Batch> batch = replay.takeBatch(true);
    QCOMPARE(batch ? pairs(batch->points) : Points(), drawn);
    QVERIFY(!batch || !batch->continued);
    QVERIFY(!replay.takeBatch(true));
}

void TestTrack::importInBatches_data()
{
    QTest::addColumn<qint64>("failAt");       // the byte whose read fails; -1: none
    QTest::addColumn<qint64>("reportedSize"); // -1: the file's own
    QTest::addColumn<int>("points");          // drawn
    QTest::addColumn<int>("batches");
    const int count = 2 * TrackReplay::batchPoints + 7;
    QTest::newRow("a file of more than two batches") << qint64(-1) << qint64(-1) << count << 3;
    QTest::newRow("a read fails in the second batch")
        << qint64(zigzag(60000).size()) << qint64(-1) << 60000 << 2;
    QTest::newRow("a file that reports no size") << qint64(-1) << qint64(0) << count << 3;
    QTest::newRow("a file that reports a page") << qint64(-1) << qint64(4096) << count << 3;
}

// A file is read a slice at a time on the event loop, to where a read gives
// no more whatever size it reports, and comes out as batches that go on from
// one another, every turn in them; a read that fails ends it, told, with
// what was read drawn.
void TestTrack::importInBatches()
{
    QFETCH(qint64, failAt);
    QFETCH(qint64, reportedSize);
    QFETCH(int, points);
    QFETCH(int, batches);
    auto file = std::make_unique<FailingFile>();
    file->setData(zigzag(2 * TrackReplay::batchPoints + 7));
    if (failAt >= 0)
        file->failAt = failAt;
    file->reportedSize = reportedSize;
    QVERIFY(file->open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    TrackImport import(std::move(file));
    QList<TrackReplay::Batch> taken;
    connect(&import, &TrackImport::batchReady, this,
            [&taken](const TrackReplay::Batch &batch) { taken.append(batch); });
    const QSignalSpy finished(&import, &TrackImport::finished);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished.first().first().toBool(), failAt < 0);
    if (failAt >= 0)
        QCOMPARE(import.errorString(), QStringLiteral("the disk is gone"));

    QCOMPARE(taken.size(), batches);
    QList<LatLong> drawn;
    for (const TrackReplay::Batch &batch : std::as_const(taken)) {
        QCOMPARE(batch.continued, !drawn.isEmpty());
        drawn += batch.points;
    }
    QCOMPARE(taken.first().points.size(), TrackReplay::batchPoints);
    QCOMPARE(drawn.size(), points);
    for (int i = 0; i < points; ++i)
        QCOMPARE(qRound(drawn.at(i).longitude * 1000), i);
}

void TestTrack::importPassesOverWhatIsNoTrack_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("skippedLines");
    QTest::addColumn<int>("positions");
    QTest::addColumn<Points>("drawn");
    for (const TrackFileCase &file : trackFileCases())
        QTest::newRow(file.name) << file.content << file.skippedLines << file.positions
                                 << file.drawn;
}

// A line longer than any position line is passed over as it comes, and so
// is a line that holds "Latitude:" without a real position; both are
// counted, the good lines around them drawn.
void TestTrack::importPassesOverWhatIsNoTrack()
{
    QFETCH(QByteArray, content);
    QFETCH(int, skippedLines);
    QFETCH(int, positions);
    QFETCH(Points, drawn);
    const QTemporaryDir folder;
    auto file = std::make_unique<QFile>(folder.filePath(QStringLiteral("picked.txt")));
    QVERIFY(file->open(QIODevice::WriteOnly) && file->write(content) == content.size());
    file->close();
    QVERIFY(file->open(QIODevice::ReadOnly));
    TrackImport import(std::move(file));
    Points taken;
    connect(&import, &TrackImport::batchReady, this,
            [&taken](const TrackReplay::Batch &batch) { taken += pairs(batch.points); });
    const QSignalSpy finished(&import, &TrackImport::finished);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(import.skippedLines(), skippedLines);
    QCOMPARE(import.positions(), positions);
    QCOMPARE(taken, drawn);
}

// Stored lines are appended to what the file holds; a position of zeros
// (no fix yet) is not stored.
void TestTrack::storing()
{
    const TemporaryHome home;
    QFile existing(TrackFile::path());
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("Latitude:1,Longitude:2\r\n");
    existing.close();
    QVERIFY(TrackFile::append({QStringLiteral("0.000000"), QStringLiteral("0.000000")}));
    QVERIFY(TrackFile::append({QStringLiteral("0.000000"), QStringLiteral("116.4647800")}));
    QVERIFY(TrackFile::append({QStringLiteral("-33.8688000"), QStringLiteral("151.2093000")}));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("Latitude:1,Longitude:2\r\n"
                                            "Latitude:0.000000,Longitude:116.4647800\r\n"
                                            "Latitude:-33.8688000,Longitude:151.2093000\r\n"));
}

QTEST_GUILESS_MAIN(TestTrack)
#include "tst_track.moc"
