#include "positionline.h"
#include "temporaryhome.h"
#include "trackfile.h"
#include "trackreplay.h"

#include <QFile>
#include <QTest>

using Lines = QList<QByteArray>;

// The track file: what is stored, and how a file is replayed as segments.
class TestTrack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data();
    void replay();
    void storing();
};

void TestTrack::replay_data()
{
    QTest::addColumn<Lines>("lines");
    // Each segment drawn written "from>to" with the points' latitudes.
    QTest::addColumn<QStringList>("segments");

    const QByteArray p = "Latitude:1,Longitude:10\r\n";
    const QByteArray q = "Latitude:2,Longitude:20\r\n";
    const QByteArray r = "Latitude:3,Longitude:30\n";
    QTest::newRow("one point draws nothing") << Lines{p} << QStringList{};
    QTest::newRow("two equal points draw one zero-length segment")
        << Lines{p, p} << QStringList{"1>1"};
    QTest::newRow("P P Q") << Lines{p, p, q} << QStringList{"1>1", "1>2"};
    QTest::newRow("P Q Q R") << Lines{p, q, q, r} << QStringList{"1>2", "2>3"};
    QTest::newRow("lines without a position are passed over")
        << Lines{"header\r\n", p, "Latitude:9\r\n", q} << QStringList{"1>2"};
    QTest::newRow("impossible positions are passed over")
        << Lines{p, "Latitude:95,Longitude:10\r\n", "Latitude:NaN,Longitude:1\r\n",
                 "Latitude:1e308,Longitude:1\r\n", q}
        << QStringList{"1>2"};
    QTest::newRow("LF and CR LF ends give the same texts")
        << Lines{"Latitude:1,Longitude:10\n", p} << QStringList{"1>1"};
}

void TestTrack::replay()
{
    QFETCH(Lines, lines);
    QFETCH(QStringList, segments);
    TrackReplay replay;
    QStringList drawn;
    for (const QByteArray &line : lines) {
        if (const std::optional<TrackReplay::Segment> segment = replay.addLine(line)) {
            drawn.append(segment->from.latitude + QLatin1Char('>') + segment->to.latitude);
            QCOMPARE(segment->to.longitude, segment->to.latitude + QLatin1Char('0'));
        }
    }
    QCOMPARE(drawn, segments);
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

QTEST_APPLESS_MAIN(TestTrack)
#include "tst_track.moc"
