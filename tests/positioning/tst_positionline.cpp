#include "positionline.h"

#include <QTest>

// Position lines of the TCP clients and the track file.
class TestPositionLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
};

void TestPositionLine::parse_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    // The position the texts give as "latitude longitude", empty when none.
    QTest::addColumn<QString>("position");

    QTest::newRow("CR LF") << QByteArray("Latitude:39.92215,Longitude:116.46478\r\n") << true
                           << "39.92215"
                           << "116.46478"
                           << "39.92215 116.46478";
    QTest::newRow("LF only") << QByteArray("Latitude:-33.8688,Longitude:151.2093\n") << true
                             << "-33.8688"
                             << "151.2093"
                             << "-33.8688 151.2093";
    QTest::newRow("no line end") << QByteArray("Latitude:1,Longitude:2") << true << "1"
                                 << "2"
                                 << "1 2";
    QTest::newRow("text before and between")
        << QByteArray("fix Latitude:1.5 ,Longitude:2.5") << true << "1.5 "
        << "2.5"
        << "1.5 2.5";
    QTest::newRow("no longitude") << QByteArray("Latitude:1.5\r\n") << false << ""
                                  << ""
                                  << "";
    QTest::newRow("no latitude") << QByteArray("Longitude:1.5\r\n") << false << ""
                                 << ""
                                 << "";
    QTest::newRow("the poles and the date line")
        << QByteArray("Latitude:-90,Longitude:+180\r\n") << true << "-90"
        << "+180"
        << "-90 180";
    QTest::newRow("markup") << QByteArray("Latitude:<font size=7 color=red>BIG</font>,Longitude:1")
                            << true << "<font size=7 color=red>BIG</font>"
                            << "1"
                            << "";
    QTest::newRow("beyond the pole and the date line")
        << QByteArray("Latitude:95,Longitude:200\r\n") << true << "95"
        << "200"
        << "";
    QTest::newRow("longitude beyond the date line")
        << QByteArray("Latitude:45,Longitude:-180.01\r\n") << true << "45"
        << "-180.01"
        << "";
    QTest::newRow("not a number") << QByteArray("Latitude:NaN,Longitude:1\r\n") << true << "NaN"
                                  << "1"
                                  << "";
    QTest::newRow("exponent") << QByteArray("Latitude:1e308,Longitude:1\r\n") << true << "1e308"
                              << "1"
                              << "";
}

void TestPositionLine::parse()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, valid);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, position);
    const std::optional<PositionLine> parsed = PositionLine::parse(line);
    QCOMPARE(parsed.has_value(), valid);
    if (!parsed)
        return;
    QCOMPARE(parsed->latitude, latitude);
    QCOMPARE(parsed->longitude, longitude);
    QCOMPARE(PositionLine::parse(parsed->toLine())->latitude, latitude);
    const std::optional<LatLong> real = parsed->position();
    QCOMPARE(real ? QStringLiteral("%1 %2")
                        .arg(real->latitude, 0, 'g', 10)
                        .arg(real->longitude, 0, 'g', 10)
                  : QString(),
             position);
}

QTEST_APPLESS_MAIN(TestPositionLine)
#include "tst_positionline.moc"
