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

    QTest::newRow("CR LF") << QByteArray("Latitude:39.92215,Longitude:116.46478\r\n") << true
                           << "39.92215"
                           << "116.46478";
    QTest::newRow("LF only") << QByteArray("Latitude:-33.8688,Longitude:151.2093\n") << true
                             << "-33.8688"
                             << "151.2093";
    QTest::newRow("no line end") << QByteArray("Latitude:1,Longitude:2") << true << "1"
                                 << "2";
    QTest::newRow("text before and between")
        << QByteArray("fix Latitude:1.5 ,Longitude:2.5") << true << "1.5 "
        << "2.5";
    QTest::newRow("no longitude") << QByteArray("Latitude:1.5\r\n") << false << ""
                                  << "";
    QTest::newRow("no latitude") << QByteArray("Longitude:1.5\r\n") << false << ""
                                 << "";
}

void TestPositionLine::parse()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, valid);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    const std::optional<PositionLine> parsed = PositionLine::parse(line);
    QCOMPARE(parsed.has_value(), valid);
    if (!parsed)
        return;
    QCOMPARE(parsed->latitude, latitude);
    QCOMPARE(parsed->longitude, longitude);
    QCOMPARE(PositionLine::parse(parsed->toLine())->latitude, latitude);
}

QTEST_APPLESS_MAIN(TestPositionLine)
#include "tst_positionline.moc"
