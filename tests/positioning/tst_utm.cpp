#include "ellipsoid.h"
#include "gpsdistance.h"
#include "latlong.h"
#include "utm.h"
#include "utmconversion.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double radiansPerDegree = 0.017453292519943295;

QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

// Runs a reference tool on lines of input; the numbers of its output.
QList<double> runTool(const QString &program, const QStringList &arguments, const QString &input)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input.toLatin1());
    process.closeWriteChannel();
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    QList<double> numbers;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &field :
         QString::fromLatin1(process.readAllStandardOutput()).split(blanks, Qt::SkipEmptyParts))
        numbers.append(field.toDouble());
    return numbers;
}

// Easting and northing from PROJ's exact transverse Mercator in the zone.
QList<double> projUtm(const Ellipsoid &ellipsoid, int zone, bool south, double latitude,
                      double longitude)
{
    const QString a = QStringLiteral("+a=") + exact(ellipsoid.equatorialRadius);
    const QString es = QStringLiteral("+es=") + exact(ellipsoid.eccentricitySquared);
    QStringList arguments{QStringLiteral("+proj=longlat"),
                          a,
                          es,
                          QStringLiteral("+to"),
                          QStringLiteral("+proj=utm"),
                          QStringLiteral("+zone=%1").arg(zone)};
    if (south)
        arguments.append(QStringLiteral("+south"));
    arguments << a << es << QStringLiteral("-f") << QStringLiteral("%.6f");
    return runTool(QStringLiteral("cs2cs"), arguments,
                   exact(longitude) + QLatin1Char(' ') + exact(latitude) + QLatin1Char('\n'));
}

// The zone number of a zone text such as "32V".
int zoneNumber(const QString &zone)
{
    return zone.chopped(1).toInt();
}
} // namespace

// The UTM conversions, the latitude bands and the great-circle distance,
// checked against PROJ's cs2cs and GeographicLib's GeodSolve.
class TestUtm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ellipsoidTable();
    void zones_data();
    void zones();
    void letterDesignator_data();
    void letterDesignator();
    void originOfZone31();
    void hemisphereOfZoneText_data();
    void hemisphereOfZoneText();
    void distance_data();
    void distance();
    void distanceAgreesWithGeodesic_data();
    void distanceAgreesWithGeodesic();
    void refusedPositions_data();
    void refusedPositions();
    void refusedGridPositions_data();
    void refusedGridPositions();
};

void TestUtm::ellipsoidTable()
{
    QVERIFY(!Ellipsoid::row(0));
    QVERIFY(!Ellipsoid::row(24));
    QCOMPARE(Ellipsoid::row(1)->name, QLatin1String("Airy"));
    QCOMPARE(Ellipsoid::row(4)->name, QLatin1String("Bessel 1841 (Nambia) "));
    QCOMPARE(Ellipsoid::row(23)->name, QLatin1String("WGS-84"));
    QCOMPARE(Ellipsoid::row(23)->equatorialRadius, 6378137.0);
    QCOMPARE(Ellipsoid::row(23)->eccentricitySquared, 0.00669438);
}

void TestUtm::zones_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("zone");
    QTest::newRow("equator on the central meridian") << 0.0 << 3.0 << "31N";
    QTest::newRow("equator at the zone's east edge") << 0.5 << 5.99 << "31N";
    QTest::newRow("zone's west edge") << 10.0 << 6.0 << "32P";
    QTest::newRow("north, mid zone") << 45.0 << 7.5 << "32T";
    QTest::newRow("north") << 52.5 << 13.4 << "33U";
    QTest::newRow("west") << 40.7 << -74.0 << "18T";
    QTest::newRow("south") << -33.9 << 151.2 << "56H";
    QTest::newRow("south, zone's east edge") << -23.5 << -42.01 << "23K";
    QTest::newRow("south, far") << -60.0 << 100.0 << "47E";
    QTest::newRow("just south of the equator") << -0.0001 << 20.0 << "34M";
    QTest::newRow("west of Norway's zone") << 56.0 << 2.99 << "31V";
    QTest::newRow("Norway 32V, west side") << 57.0 << 5.0 << "32V";
    QTest::newRow("Norway 32V") << 60.0 << 5.0 << "32V";
    QTest::newRow("Norway 32V, north east") << 63.9 << 11.9 << "32V";
    QTest::newRow("Norway's zone ends at 12") << 60.0 << 12.0 << "33V";
    QTest::newRow("north of Norway's zone") << 64.0 << 5.0 << "31W";
    QTest::newRow("Svalbard 31X") << 78.0 << 7.0 << "31X";
    QTest::newRow("Svalbard 33X") << 80.0 << 11.0 << "33X";
    QTest::newRow("Svalbard 35X") << 76.0 << 30.0 << "35X";
    QTest::newRow("Svalbard 37X") << 82.0 << 41.0 << "37X";
    QTest::newRow("Svalbard 33X at 75") << 75.0 << 10.0 << "33X";
    QTest::newRow("Svalbard 31X at 75") << 75.0 << 8.0 << "31X";
    QTest::newRow("Svalbard from 72") << 72.0 << 8.99 << "31X";
    QTest::newRow("below Svalbard's zones") << 71.99 << 8.99 << "32W";
    QTest::newRow("Svalbard 31X from 0") << 72.0 << 0.0 << "31X";
    QTest::newRow("west of Svalbard's zones") << 72.0 << -0.01 << "30X";
    QTest::newRow("Svalbard 35X from 21") << 72.0 << 21.0 << "35X";
    QTest::newRow("Svalbard 37X from 33") << 72.0 << 33.0 << "37X";
    QTest::newRow("east of Svalbard's zones") << 72.0 << 42.0 << "38X";
    QTest::newRow("latitude 84, ordinary zone") << 84.0 << 10.0 << "32X";
    QTest::newRow("latitude 84.5") << 84.5 << 10.0 << "32Z";
    QTest::newRow("north pole") << 90.0 << 0.0 << "31Z";
    QTest::newRow("south pole") << -90.0 << 100.0 << "47A";
    QTest::newRow("south of -80") << -85.0 << -100.0 << "14A";
    QTest::newRow("Norway 32V, west edge") << 56.0 << 3.0 << "32V";
    QTest::newRow("Svalbard 31X, east edge") << 83.99 << 8.999 << "31X";
    QTest::newRow("Svalbard 33X, east edge") << 72.0 << 20.999 << "33X";
    QTest::newRow("Svalbard 35X, east edge") << 80.0 << 32.999 << "35X";
    QTest::newRow("Svalbard 37X, east edge") << 83.99 << 41.999 << "37X";
    QTest::newRow("zone 30's east edge near 84") << 83.99 << -0.001 << "30X";
    QTest::newRow("zone 60's east edge near -80") << -79.99 << 179.999 << "60C";
    QTest::newRow("latitude -80") << -80.0 << -60.0 << "21C";
    QTest::newRow("longitude 180") << 10.0 << 180.0 << "1P";
    QTest::newRow("longitude -180") << -45.0 << -180.0 << "1G";
    QTest::newRow("just west of 180") << 10.0 << 179.99 << "60P";
}

// The zone text on every ellipsoid, the forward within 1 mm of cs2cs, and
// its easting and northing fed back give the position within 1 cm.
void TestUtm::zones()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, zone);
    for (int row = Ellipsoid::firstRow; row <= Ellipsoid::lastRow; ++row) {
        const QString actual = UtmConversion::LatLong_to_UTM(row, latitude, longitude).zone;
        QVERIFY2(actual == zone,
                 qPrintable(QStringLiteral("row %1 lat %2 lon %3: expected %4, got %5")
                                .arg(row)
                                .arg(exact(latitude), exact(longitude), zone, actual)));
    }
    if (QStandardPaths::findExecutable(QStringLiteral("cs2cs")).isEmpty())
        QSKIP("cs2cs (Debian package proj-bin) is not installed");

    for (int row = Ellipsoid::firstRow; row <= Ellipsoid::lastRow; ++row) {
        const Ellipsoid ellipsoid = *Ellipsoid::row(row);
        const QString input = QStringLiteral("%1 lat %2 lon %3")
                                  .arg(ellipsoid.name, exact(latitude), exact(longitude));
        const UTM utm = UtmConversion::LatLong_to_UTM(row, latitude, longitude);
        const QList<double> proj =
            projUtm(ellipsoid, zoneNumber(zone), latitude < 0, latitude, longitude);
        QVERIFY2(proj.size() >= 2, qPrintable(input + QStringLiteral(": no cs2cs output")));
        const double forwardError = std::hypot(utm.easting - proj.at(0), utm.northing - proj.at(1));
        QVERIFY2(forwardError <= 0.001,
                 qPrintable(QStringLiteral("%1: expected E %2 N %3, got E %4 N %5 (%6 mm off)")
                                .arg(input)
                                .arg(proj.at(0), 0, 'f', 6)
                                .arg(proj.at(1), 0, 'f', 6)
                                .arg(utm.easting, 0, 'f', 6)
                                .arg(utm.northing, 0, 'f', 6)
                                .arg(forwardError * 1000, 0, 'f', 3)));

        const LatLong back =
            UtmConversion::UTM_to_LatLong(row, UTM{proj.at(0), proj.at(1), utm.zone});
        const double longitudeOff = std::remainder(back.longitude - longitude, 360.0);
        const double inverseError =
            ellipsoid.equatorialRadius * radiansPerDegree *
            std::hypot(back.latitude - latitude,
                       longitudeOff * std::cos(latitude * radiansPerDegree));
        QVERIFY2(inverseError <= 0.01,
                 qPrintable(QStringLiteral("%1 from E %2 N %3 %4: got lat %5 lon %6 (%7 mm off)")
                                .arg(input)
                                .arg(proj.at(0), 0, 'f', 6)
                                .arg(proj.at(1), 0, 'f', 6)
                                .arg(utm.zone, exact(back.latitude), exact(back.longitude))
                                .arg(inverseError * 1000, 0, 'f', 3)));
    }
}

void TestUtm::letterDesignator_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<char>("letter");

    QTest::newRow("84 is still X") << 84.0 << 'X';
    QTest::newRow("just above 84") << 84.000001 << 'Z';
    QTest::newRow("90") << 90.0 << 'Z';
    QTest::newRow("72") << 72.0 << 'X';
    QTest::newRow("just below 72") << 71.999999 << 'W';
    QTest::newRow("64") << 64.0 << 'W';
    QTest::newRow("a hair below 64") << 63.99999999999999 << 'V';
    QTest::newRow("56") << 56.0 << 'V';
    QTest::newRow("48") << 48.0 << 'U';
    QTest::newRow("40") << 40.0 << 'T';
    QTest::newRow("32") << 32.0 << 'S';
    QTest::newRow("24") << 24.0 << 'R';
    QTest::newRow("16") << 16.0 << 'Q';
    QTest::newRow("8") << 8.0 << 'P';
    QTest::newRow("0") << 0.0 << 'N';
    QTest::newRow("just below 0") << -0.0001 << 'M';
    QTest::newRow("-8") << -8.0 << 'M';
    QTest::newRow("just below -8") << -8.0001 << 'L';
    QTest::newRow("-16") << -16.0 << 'L';
    QTest::newRow("-24") << -24.0 << 'K';
    QTest::newRow("-32") << -32.0 << 'J';
    QTest::newRow("-40") << -40.0 << 'H';
    QTest::newRow("-48") << -48.0 << 'G';
    QTest::newRow("-56") << -56.0 << 'F';
    QTest::newRow("-64") << -64.0 << 'E';
    QTest::newRow("-72") << -72.0 << 'D';
    QTest::newRow("-80") << -80.0 << 'C';
    // Below -80 a letter before N, so that the zone text reads back as
    // southern.
    QTest::newRow("just below -80") << -80.0001 << 'A';
    QTest::newRow("-90") << -90.0 << 'A';
    QTest::newRow("not a number") << notANumber << 'Z';
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 'Z';
}

void TestUtm::letterDesignator()
{
    QFETCH(double, latitude);
    QFETCH(char, letter);
    const char actual = UtmConversion::UTM_Letter_Designator(latitude);
    QVERIFY2(actual == letter, qPrintable(QStringLiteral("latitude %1: expected %2, got %3")
                                              .arg(exact(latitude))
                                              .arg(QLatin1Char(letter))
                                              .arg(QLatin1Char(actual))));
}

// The origin of zone 31 and the round trip through it; just south of the
// equator the northing is just below 10000000.
void TestUtm::originOfZone31()
{
    const UTM origin = UtmConversion::LatLong_to_UTM(23, 0, 3);
    QCOMPARE(origin.zone, QStringLiteral("31N"));
    QCOMPARE(QString::number(origin.easting, 'f', 8), QStringLiteral("500000.00000000"));
    QCOMPARE(QString::number(origin.northing, 'f', 8), QStringLiteral("0.00000000"));
    const LatLong back = UtmConversion::UTM_to_LatLong(23, origin);
    QCOMPARE(QString::number(back.latitude, 'f', 8), QStringLiteral("0.00000000"));
    QCOMPARE(QString::number(back.longitude, 'f', 8), QStringLiteral("3.00000000"));

    const UTM south = UtmConversion::LatLong_to_UTM(23, -0.0001, 20);
    QCOMPARE(south.zone, QStringLiteral("34M"));
    QVERIFY2(south.northing > 9999980 && south.northing < 10000000,
             qPrintable(QString::number(south.northing, 'f', 8)));
}

void TestUtm::hemisphereOfZoneText_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("south");

    QTest::newRow("no band letter") << "31" << true;
    QTest::newRow("M") << "31M" << true;
    QTest::newRow("C") << "31C" << true;
    QTest::newRow("N") << "31N" << false;
    QTest::newRow("lower-case n") << "31n" << false;
    QTest::newRow("lower-case c") << "31c" << false;
    QTest::newRow("X") << "31X" << false;
    QTest::newRow("a blank") << "31 N" << true;
    QTest::newRow("a letter beyond ASCII") << QString::fromUtf8("31\u00e9") << true;
    QTest::newRow("leading zero") << "031N" << false;
}

// Northing 9000000 in zone 31: 81.06088 degrees north, or 9.04656 south.
void TestUtm::hemisphereOfZoneText()
{
    QFETCH(QString, zone);
    QFETCH(bool, south);
    const LatLong position = UtmConversion::UTM_to_LatLong(23, UTM{500000, 9000000, zone});
    const double expected = south ? -9.04656 : 81.06088;
    QVERIFY2(std::abs(position.latitude - expected) < 0.0001 && position.longitude == 3,
             qPrintable(QStringLiteral("zone \"%1\": expected lat %2 lon 3, got lat %3 lon %4")
                            .arg(zone, exact(expected), exact(position.latitude),
                                 exact(position.longitude))));
}

void TestUtm::distance_data()
{
    QTest::addColumn<double>("lat1");
    QTest::addColumn<double>("lon1");
    QTest::addColumn<double>("lat2");
    QTest::addColumn<double>("lon2");
    QTest::addColumn<QString>("kilometres");

    QTest::newRow("one degree along the equator") << 0.0 << 0.0 << 0.0 << 1.0 << "111.319";
    QTest::newRow("identical") << 39.92215 << 116.46478 << 39.92215 << 116.46478 << "0";
    QTest::newRow("pole to pole") << 90.0 << 0.0 << -90.0 << 0.0 << "20037.5";
}

void TestUtm::distance()
{
    QFETCH(double, lat1);
    QFETCH(double, lon1);
    QFETCH(double, lat2);
    QFETCH(double, lon2);
    QFETCH(QString, kilometres);
    QCOMPARE(QString::number(GpsDistance::CalcDistance(lat1, lon1, lat2, lon2), 'g', 6),
             kilometres);
    QCOMPARE(GpsDistance::GPS_rad(180), 3.1415926535898);
}

void TestUtm::distanceAgreesWithGeodesic_data()
{
    QTest::addColumn<double>("lat1");
    QTest::addColumn<double>("lon1");
    QTest::addColumn<double>("lat2");
    QTest::addColumn<double>("lon2");

    QTest::newRow("Beijing to Shanghai") << 39.92215 << 116.46478 << 31.2304 << 121.4737;
    QTest::newRow("London to New York") << 51.5 << -0.125 << 40.7128 << -74.006;
    QTest::newRow("Sydney to Tokyo") << -33.87 << 151.21 << 35.68 << 139.69;
    QTest::newRow("across 180") << -10.0 << 179.5 << 12.0 << -178.0;
    QTest::newRow("ten metres") << 10.0 << 20.0 << 10.0001 << 20.00005;
    QTest::newRow("nearly half round") << 0.0 << 0.0 << 0.5 << 179.0;
}

// GeodSolve on a sphere of 6378137 m (flattening 0) within 1e-6 relative.
void TestUtm::distanceAgreesWithGeodesic()
{
    QFETCH(double, lat1);
    QFETCH(double, lon1);
    QFETCH(double, lat2);
    QFETCH(double, lon2);
    if (QStandardPaths::findExecutable(QStringLiteral("GeodSolve")).isEmpty())
        QSKIP("GeodSolve (Debian package geographiclib-tools) is not installed");

    const QString input =
        QStringList{exact(lat1), exact(lon1), exact(lat2), exact(lon2)}.join(QLatin1Char(' '));
    const QList<double> geodesic =
        runTool(QStringLiteral("GeodSolve"),
                {QStringLiteral("-i"), QStringLiteral("-e"), QStringLiteral("6378137"),
                 QStringLiteral("0"), QStringLiteral("-p"), QStringLiteral("9")},
                input + QLatin1Char('\n'));
    QVERIFY2(geodesic.size() == 3, qPrintable(input + QStringLiteral(": no GeodSolve output")));
    const double expected = geodesic.at(2) / 1000;
    const double actual = GpsDistance::CalcDistance(lat1, lon1, lat2, lon2);
    QVERIFY2(std::abs(actual - expected) <= 1e-6 * expected,
             qPrintable(QStringLiteral("%1: expected %2 km, got %3 km")
                            .arg(input, exact(expected), exact(actual))));
}

void TestUtm::refusedPositions_data()
{
    QTest::addColumn<int>("ellipsoid");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("refusal");

    const QString noLatitude = QStringLiteral("The latitude %1 is not between -90 and 90 degrees.");
    const QString noLongitude =
        QStringLiteral("The longitude %1 is not between -180 and 180 degrees.");
    QTest::newRow("north pole") << 23 << 90.0 << 0.0 << "";
    QTest::newRow("south pole, -180") << 23 << -90.0 << -180.0 << "";
    QTest::newRow("180") << 1 << 0.0 << 180.0 << "";
    QTest::newRow("beyond the north pole") << 23 << 90.0001 << 0.0 << noLatitude.arg("90.0001");
    QTest::newRow("beyond the south pole") << 23 << -95.0 << 0.0 << noLatitude.arg("-95");
    QTest::newRow("east of 180") << 23 << 0.0 << 180.5 << noLongitude.arg("180.5");
    QTest::newRow("west of -180") << 23 << 0.0 << -181.0 << noLongitude.arg("-181");
    QTest::newRow("latitude not a number") << 23 << notANumber << 0.0 << noLatitude.arg("nan");
    QTest::newRow("longitude not a number") << 23 << 0.0 << notANumber << noLongitude.arg("nan");
    QTest::newRow("ellipsoid placeholder")
        << 0 << 0.0 << 0.0 << "There is no reference ellipsoid 0.";
    QTest::newRow("ellipsoid past the table")
        << 24 << 0.0 << 0.0 << "There is no reference ellipsoid 24.";
}

// A refused position gives its reason, and no coordinates or zone.
void TestUtm::refusedPositions()
{
    QFETCH(int, ellipsoid);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, refusal);
    QCOMPARE(UtmConversion::toUtmRefusal(ellipsoid, latitude, longitude), refusal);
    if (ellipsoid == 23)
        QCOMPARE(LatLong::rangeRefusal(latitude, longitude), refusal);
    const UTM utm = UtmConversion::LatLong_to_UTM(ellipsoid, latitude, longitude);
    QCOMPARE(std::isnan(utm.easting) && std::isnan(utm.northing) && utm.zone.isEmpty(),
             !refusal.isEmpty());
}

void TestUtm::refusedGridPositions_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("easting");
    QTest::addColumn<double>("northing");
    QTest::addColumn<QString>("refusal");

    const QString tooLong = QStringLiteral("The UTM zone \"%1\" is longer than five characters.");
    const QString noNumber =
        QStringLiteral("The UTM zone \"%1\" does not start with a zone number from 1 to 60.");
    QTest::newRow("five characters") << "031N " << 500000.0 << 5e6 << "";
    QTest::newRow("zone 1") << "1" << 500000.0 << 5e6 << "";
    QTest::newRow("zone 60") << "60X" << 500000.0 << 5e6 << "";
    QTest::newRow("six characters") << "31Nxyz" << 500000.0 << 5e6 << tooLong.arg("31Nxyz");
    QTest::newRow("long digits") << "123456789012" << 500000.0 << 5e6
                                 << tooLong.arg("123456789012");
    QTest::newRow("empty") << "" << 500000.0 << 5e6 << noNumber.arg("");
    QTest::newRow("letter first") << "N31" << 500000.0 << 5e6 << noNumber.arg("N31");
    QTest::newRow("blank first") << " 31N" << 500000.0 << 5e6 << noNumber.arg(" 31N");
    QTest::newRow("sign") << "-5N" << 500000.0 << 5e6 << noNumber.arg("-5N");
    QTest::newRow("zone 0") << "0N" << 500000.0 << 5e6 << noNumber.arg("0N");
    QTest::newRow("zone 61") << "61N" << 500000.0 << 5e6 << noNumber.arg("61N");
    QTest::newRow("zone 99999") << "99999" << 500000.0 << 5e6 << noNumber.arg("99999");
    QTest::newRow("easting not a number")
        << "31N" << notANumber << 5e6 << "The UTM easting and northing must be finite numbers.";
    const QString nowhere =
        QStringLiteral("The UTM position E %1, N %2 in zone \"%3\" is no place on the earth.");
    QTest::newRow("north pole") << "31N" << 500000.0 << 9997964.942996 << "";
    QTest::newRow("beyond the north pole")
        << "31N" << 500000.0 << 99999999.0 << nowhere.arg("500000", "99999999", "31N");
    QTest::newRow("just beyond the north pole")
        << "31N" << 500000.0 << 9998000.0 << nowhere.arg("500000", "9998000", "31N");
    QTest::newRow("south pole") << "31" << 500000.0 << 2035.057004 << "";
    QTest::newRow("beyond the south pole, no band letter")
        << "31" << 500000.0 << 0.0 << nowhere.arg("500000", "0", "31");
    QTest::newRow("easting 1e300") << "31N" << 1e300 << 0.0 << nowhere.arg("1e+300", "0", "31N");
    QTest::newRow("easting 50000 km")
        << "31N" << 5e7 << 5e6 << nowhere.arg("50000000", "5000000", "31N");
    QTest::newRow("east of the date line folds into -180..180") << "60N" << 900000.0 << 0.0 << "";
}

// A refused grid position gives its reason and no coordinates.
void TestUtm::refusedGridPositions()
{
    QFETCH(QString, zone);
    QFETCH(double, easting);
    QFETCH(double, northing);
    QFETCH(QString, refusal);
    const UTM utm{easting, northing, zone};
    QCOMPARE(UtmConversion::toLatLongRefusal(23, utm), refusal);
    const LatLong position = UtmConversion::UTM_to_LatLong(23, utm);
    QCOMPARE(std::isnan(position.latitude) && std::isnan(position.longitude), !refusal.isEmpty());
    if (refusal.isEmpty())
        QCOMPARE(LatLong::rangeRefusal(position.latitude, position.longitude), QString());
}

QTEST_APPLESS_MAIN(TestUtm)
#include "tst_utm.moc"
