#include "nmeadecoder.h"
#include "nmeaframer.h"

#include <QStringList>
#include <QTest>

#include <utility>

namespace {
// An update as one line: its kind, then every label it sets, the signed
// position the map takes, its time and its flags.
QString describe(const NmeaUpdate &update)
{
    static const char *const kindNames[] = {"none", "RMC", "GSV", "GGA", "GSA", "VTG"};
    const std::pair<const char *, std::optional<QString> NmeaUpdate::*> labels[] = {
        {"utc", &NmeaUpdate::utc},
        {"latitude", &NmeaUpdate::latitude},
        {"latitudeHemisphere", &NmeaUpdate::latitudeHemisphere},
        {"longitude", &NmeaUpdate::longitude},
        {"longitudeHemisphere", &NmeaUpdate::longitudeHemisphere},
        {"fixState", &NmeaUpdate::fixState},
        {"satellitesUsed", &NmeaUpdate::satellitesUsed},
        {"altitude", &NmeaUpdate::altitude},
        {"gpsInView", &NmeaUpdate::gpsInView},
        {"beidouInView", &NmeaUpdate::beidouInView},
        {"pdop", &NmeaUpdate::pdop},
        {"hdop", &NmeaUpdate::hdop},
        {"vdop", &NmeaUpdate::vdop},
        {"speed", &NmeaUpdate::speed}};
    QStringList parts{QString::fromLatin1(kindNames[int(update.kind)])};
    for (const auto &[name, label] : labels) {
        if (const std::optional<QString> &text = update.*label)
            parts.append(QString::fromLatin1(name) + QLatin1Char('=') + *text);
    }
    if (update.latitude && update.longitude)
        parts.append(
            QStringLiteral("signed=%1,%2")
                .arg(NmeaDecoder::signedCoordinate(*update.latitude,
                                                   update.latitudeHemisphere.value_or(QString())),
                     NmeaDecoder::signedCoordinate(
                         *update.longitude, update.longitudeHemisphere.value_or(QString()))));
    if (update.time)
        parts.append(QStringLiteral("time=%1/%2/%3")
                         .arg(update.time->utcHour)
                         .arg(update.time->utcMinute)
                         .arg(update.time->utcSecond));
    if (update.newFix)
        parts.append(QStringLiteral("newFix"));
    if (update.isGsv)
        parts.append(QStringLiteral("isGsv"));
    return parts.join(QStringLiteral("; "));
}
} // namespace

// Receiver sentences turned into the GPS page's label texts.
class TestNmeaDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
};

void TestNmeaDecoder::decode_data()
{
    QTest::addColumn<QByteArray>("sentence");
    QTest::addColumn<bool>("fixShown");
    QTest::addColumn<QString>("update");

    const QByteArray rmc("$GNRMC,093015.00,A,3954.9290,N,11624.2340,E,0.02,,010124,,,A*58\r\n");
    QTest::newRow("RMC with a fix")
        << rmc << true
        << "RMC; utc=9:30:15; latitude=39.9154833; "
           "latitudeHemisphere=N; longitude=116.4039000; "
           "longitudeHemisphere=E; signed=39.9154833,116.4039000; time=9/30/15; newFix";
    QTest::newRow("RMC before GGA: no position")
        << rmc << false
        << "RMC; utc=9:30:15; latitudeHemisphere=N; longitudeHemisphere=E; time=9/30/15";
    // A sentence without a real position sets no position, no hemisphere
    // and no new fix.
    const QString noPosition = "RMC; utc=12:0:0; time=12/0/0";
    QTest::newRow("RMC empty fields") << QByteArray("$GPRMC,000005,V,,S,,W,,,010124,,,N*54\r\n")
                                      << true << "RMC; utc=0:0:5; time=0/0/5";
    QTest::newRow("RMC void with a position")
        << QByteArray("$GPRMC,120000.00,V,3954.9290,N,11624.2340,E,0.02,,010124,,,N*53\r\n") << true
        << noPosition;
    QTest::newRow("RMC latitude 9999.9999")
        << QByteArray("$GPRMC,120000.00,A,9999.9999,N,11624.2340,E,0.02,,010124,,,A*42\r\n") << true
        << noPosition;
    QTest::newRow("RMC latitude 1e308")
        << QByteArray("$GPRMC,120000.00,A,1e308,N,11624.2340,E,0.02,,010124,,,A*03\r\n") << true
        << noPosition;
    QTest::newRow("RMC latitude with a sign")
        << QByteArray("$GPRMC,120000.00,A,-3954.9290,N,11624.2340,E,0.02,,010124,,,A*66\r\n")
        << true << noPosition;
    QTest::newRow("RMC 60 minutes")
        << QByteArray("$GPRMC,120000.00,A,3960.0000,N,11624.2340,E,0.02,,010124,,,A*4E\r\n") << true
        << noPosition;
    QTest::newRow("RMC longitude 180.5")
        << QByteArray("$GPRMC,120000.00,A,3954.9290,N,18030.0000,E,0.02,,010124,,,A*44\r\n") << true
        << noPosition;
    QTest::newRow("RMC pole and date line")
        << QByteArray("$GPRMC,120000.00,A,9000.0000,S,18000.0000,W,0.02,,010124,,,A*48\r\n") << true
        << "RMC; utc=12:0:0; latitude=90.0000000; latitudeHemisphere=S; longitude=180.0000000; "
           "longitudeHemisphere=W; signed=-90.0000000,-180.0000000; time=12/0/0; newFix";
    QTest::newRow("RMC south, west, zero degrees")
        << QByteArray("$GPRMC,120000.00,A,3352.1280,S,00030.0000,W,0.10,45.3,010124,,,A*58\r\n")
        << true
        << "RMC; utc=12:0:0; latitude=33.8688000; latitudeHemisphere=S; longitude=0.5000000; "
           "longitudeHemisphere=W; signed=-33.8688000,-0.5000000; time=12/0/0; newFix";
    QTest::newRow("RMC near the equator and the prime meridian")
        << QByteArray("$GNRMC,235959.99,A,0012.3456,N,00000.6000,E,1.50,,311224,,,D*58\r\n") << true
        << "RMC; utc=23:59:59; latitude=0.2057600; latitudeHemisphere=N; longitude=0.0100000; "
           "longitudeHemisphere=E; signed=0.2057600,0.0100000; time=23/59/59; newFix";
    QTest::newRow("RMC time out of range") << QByteArray("$GPRMC,1e20,A,,,,*5C\r\n") << false
                                           << "RMC; utc=214748:36:47; time=220/36/47";
    QTest::newRow("GGA differential fix")
        << QByteArray("$GLGGA,101010.00,3954.9290,N,11624.2340,E,2,12,0.9,45.0,M,-8.2,M,1.0,"
                      "0000*7D\r\n")
        << true << "GGA; fixState=Yes; satellitesUsed=12; altitude=45 m";
    QTest::newRow("GGA GPS fix")
        << QByteArray("$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n")
        << false << "GGA; fixState=Yes; satellitesUsed=8; altitude=61.7 m";
    QTest::newRow("GGA no fix, empty fields")
        << QByteArray("$GNGGA,101010.00,,,,,0,00,99.99,,,,,,*79\r\n") << true
        << "GGA; fixState=No; satellitesUsed=0; altitude=0 m";
    QTest::newRow("GGA dead reckoning, large altitude")
        << QByteArray("$GAGGA,101010.00,3954.9290,N,11624.2340,E,6,05,2.1,1234567.0,M,,M,,*6F\r\n")
        << true << "GGA; fixState=No; satellitesUsed=5; altitude=1.23457e+06 m";
    QTest::newRow("GGA fields not numbers")
        << QByteArray("$GPGGA,1,,,,,1,abc,,12.5xyz*79\r\n") << false
        << "GGA; fixState=Yes; satellitesUsed=0; altitude=12.5 m";
    QTest::newRow("GGA altitude of 401 digits")
        << "$GPGGA,1,,,,,1,08,,1" + QByteArray(400, '0') + "*43\r\n"
        << false << "GGA; fixState=Yes; satellitesUsed=8; altitude=inf m";
    QTest::newRow("GSA") << QByteArray("$GNGSA,A,3,10,16,18,20,26,27,,,,,,,1.20,0.80,0.90,1*0F\r\n")
                         << false << "GSA; pdop=1.2; hdop=0.8; vdop=0.9";
    QTest::newRow("GSA few fields")
        << QByteArray("$GAGSA,A,1*23\r\n") << false << "GSA; pdop=0; hdop=0; vdop=0";
    QTest::newRow("GSV GPS") << QByteArray("$GPGSV,3,1,11,10,63,137,17,07,61,098,15,05,59,290,20,"
                                           "08,54,157,30*70\r\n")
                             << true << "GSV; gpsInView=11; isGsv";
    QTest::newRow("GSV BeiDou, BD talker")
        << QByteArray("$BDGSV,2,1,08,201,45,120,38,202,40,230,35,203,60,180,41,204,10,300,*65\r\n")
        << false << "GSV; beidouInView=8; isGsv";
    QTest::newRow("GSV BeiDou, GB talker")
        << QByteArray("$GBGSV,1,1,03,06,55,120,40,09,30,200,35,16,20,310,28,1*47\r\n") << false
        << "GSV; beidouInView=3; isGsv";
    QTest::newRow("GSV GLONASS: no label")
        << QByteArray("$GLGSV,2,1,07,65,40,120,30,66,20,060,25,72,70,300,33,81,15,200,*6B\r\n")
        << false << "GSV; isGsv";
    QTest::newRow("VTG") << QByteArray("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\r\n") << false
                         << "VTG; speed=10.2 km/h";
    QTest::newRow("VTG with mode")
        << QByteArray("$GNVTG,,T,,M,0.021,N,12.50,K,A*38\r\n") << false << "VTG; speed=12.5 km/h";
    QTest::newRow("other sentence")
        << QByteArray("$GPTXT,01,01,02,ANTENNA OK*36\r\n") << true << "none";
    QTest::newRow("first kind named wins")
        << QByteArray("$GPTXT,01,01,02,GSV GGA*6E\r\n") << false << "GSV; isGsv";
}

void TestNmeaDecoder::decode()
{
    QFETCH(QByteArray, sentence);
    QFETCH(bool, fixShown);
    QFETCH(QString, update);

    QCOMPARE(NmeaDecoder::signedCoordinate(QStringLiteral("-2.5"), QStringLiteral("S")),
             QStringLiteral("-2.5"));
    QVERIFY2(NmeaFramer::checksumHolds(sentence),
             qPrintable(QStringLiteral("checksum of %1").arg(QString::fromLatin1(sentence))));
    const QString actual = describe(NmeaDecoder::decode(sentence, fixShown));
    QVERIFY2(actual == update,
             qPrintable(QStringLiteral("%1 with fix shown %2:\n  expected %3\n"
                                       "  actual   %4")
                            .arg(QString::fromLatin1(sentence.trimmed()))
                            .arg(fixShown ? QStringLiteral("yes") : QStringLiteral("no"))
                            .arg(update, actual)));
}

QTEST_APPLESS_MAIN(TestNmeaDecoder)
#include "tst_nmeadecoder.moc"
