#include "utmconversion.h"

#include "ellipsoid.h"

#include <QByteArray>

#include <cmath>
#include <limits>
#include <optional>

namespace {
constexpr double k0 = 0.9996;
constexpr double falseEasting = 500000;
constexpr double southernFalseNorthing = 10000000;
constexpr double deg2rad = 0.017453292519944444;
constexpr double rad2deg = 57.29577951307855;
constexpr int longestZone = 5;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// The zone number at the start of a zone text of at most five characters,
// with the byte after its digits (0 at the end of the text).
struct ZoneText
{
    int number = 0;
    char band = 0;
};

std::optional<ZoneText> readZone(const QString &zone)
{
    if (zone.size() > longestZone)
        return std::nullopt;
    const QByteArray bytes = zone.toUtf8();
    ZoneText read;
    qsizetype at = 0;
    for (; at < bytes.size() && bytes.at(at) >= '0' && bytes.at(at) <= '9'; ++at)
        read.number = read.number * 10 + (bytes.at(at) - '0');
    if (at == 0)
        return std::nullopt;
    read.band = at < bytes.size() ? bytes.at(at) : '\0';
    return read;
}

// The zone of a folded longitude, with the widened zones of Norway and
// Svalbard.
int zoneNumber(double Lat, double L)
{
    int zone = int((L + 180) / 6) + 1;
    if (Lat >= 56 && Lat < 64 && L >= 3 && L < 12)
        zone = 32;
    if (Lat >= 72 && Lat < 84) {
        if (L >= 0 && L < 9)
            zone = 31;
        else if (L >= 9 && L < 21)
            zone = 33;
        else if (L >= 21 && L < 33)
            zone = 35;
        else if (L >= 33 && L < 42)
            zone = 37;
    }
    return zone;
}
} // namespace

QString UtmConversion::toUtmRefusal(int ReferenceEllipsoid, double Lat, double Long)
{
    if (!Ellipsoid::row(ReferenceEllipsoid))
        return tr("There is no reference ellipsoid %1.").arg(ReferenceEllipsoid);
    return LatLong::rangeRefusal(Lat, Long);
}

QString UtmConversion::toLatLongRefusal(int ReferenceEllipsoid, const UTM &utm)
{
    if (!Ellipsoid::row(ReferenceEllipsoid))
        return tr("There is no reference ellipsoid %1.").arg(ReferenceEllipsoid);
    if (utm.zone.size() > longestZone)
        return tr("The UTM zone \"%1\" is longer than five characters.").arg(utm.zone);
    const std::optional<ZoneText> zone = readZone(utm.zone);
    if (!zone || zone->number < 1 || zone->number > 60)
        return tr("The UTM zone \"%1\" does not start with a zone number from 1 to 60.")
            .arg(utm.zone);
    if (!std::isfinite(utm.easting) || !std::isfinite(utm.northing))
        return tr("The UTM easting and northing must be finite numbers.");
    return {};
}

UTM UtmConversion::LatLong_to_UTM(int ReferenceEllipsoid, double Lat, double Long)
{
    if (!toUtmRefusal(ReferenceEllipsoid, Lat, Long).isEmpty())
        return {notANumber, notANumber, QString()};
    const Ellipsoid ellipsoid = *Ellipsoid::row(ReferenceEllipsoid);
    const double a = ellipsoid.equatorialRadius;
    const double e2 = ellipsoid.eccentricitySquared;

    // A longitude of 180 becomes -180, in zone 1.
    const double turns = std::trunc((Long + 180) / 360);
    const double L = (Long + 180) - turns * 360 - 180;
    const int zone = zoneNumber(Lat, L);
    const double L0 = zone * 6 - 183;

    const double p = Lat * deg2rad;
    const double sinP = std::sin(p);
    const double cosP = std::cos(p);
    const double tanP = std::tan(p);
    const double ep2 = e2 / (1 - e2);
    const double N = a / std::sqrt(1 - e2 * sinP * sinP);
    const double T = tanP * tanP;
    const double S = ep2 * cosP * cosP;
    const double A = cosP * (L - L0) * deg2rad;
    const double e4 = e2 * e2;
    const double e6 = e4 * e2;
    const double M = a * ((1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256) * p -
                          (3 * e2 / 8 + 3 * e4 / 32 + 45 * e6 / 1024) * std::sin(2 * p) +
                          (15 * e4 / 256 + 45 * e6 / 1024) * std::sin(4 * p) -
                          (35 * e6 / 3072) * std::sin(6 * p));
    const double A2 = A * A;
    const double A3 = A2 * A;
    const double A4 = A3 * A;
    const double A5 = A4 * A;
    const double A6 = A5 * A;

    UTM utm;
    utm.easting =
        k0 * N * (A + (1 - T + S) * A3 / 6 + (5 - 18 * T + T * T + 72 * S - 58 * ep2) * A5 / 120) +
        falseEasting;
    utm.northing = k0 * (M + N * tanP *
                                 (A2 / 2 + (5 - T + 9 * S + 4 * S * S) * A4 / 24 +
                                  (61 - 58 * T + T * T + 600 * S - 330 * ep2) * A6 / 720));
    if (Lat < 0)
        utm.northing += southernFalseNorthing;
    utm.zone = QString::number(zone) + QLatin1Char(UTM_Letter_Designator(Lat));
    return utm;
}

LatLong UtmConversion::UTM_to_LatLong(int ReferenceEllipsoid, const UTM &utm)
{
    if (!toLatLongRefusal(ReferenceEllipsoid, utm).isEmpty())
        return {notANumber, notANumber};
    const Ellipsoid ellipsoid = *Ellipsoid::row(ReferenceEllipsoid);
    const double a = ellipsoid.equatorialRadius;
    const double e2 = ellipsoid.eccentricitySquared;
    const ZoneText zone = *readZone(utm.zone);

    const double x = utm.easting - falseEasting;
    double y = utm.northing;
    // A signed compare, as the byte would be in a C string: the end of the
    // text and bytes above 0x7f count as southern too.
    if (static_cast<signed char>(zone.band) < 'N')
        y -= southernFalseNorthing;
    const double L0 = zone.number * 6 - 183;

    const double ep2 = e2 / (1 - e2);
    const double root = std::sqrt(1 - e2);
    const double e1 = (1 - root) / (1 + root);
    const double e4 = e2 * e2;
    const double e6 = e4 * e2;
    const double mu = (y / k0) / (a * (1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256));
    const double e1_2 = e1 * e1;
    const double e1_3 = e1_2 * e1;
    const double p1 = mu + (3 * e1 / 2 - 27 * e1_3 / 32) * std::sin(2 * mu) +
                      (21 * e1_2 / 16 - 55 * e1_2 * e1_2 / 32) * std::sin(4 * mu) +
                      (151 * e1_3 / 96) * std::sin(6 * mu);
    const double sinP1 = std::sin(p1);
    const double cosP1 = std::cos(p1);
    const double tanP1 = std::tan(p1);
    const double w = 1 - e2 * sinP1 * sinP1;
    const double N1 = a / std::sqrt(w);
    const double T1 = tanP1 * tanP1;
    const double S1 = ep2 * cosP1 * cosP1;
    const double R1 = a * (1 - e2) / std::pow(w, 1.5);
    const double D = x / (N1 * k0);
    const double D2 = D * D;
    const double D3 = D2 * D;
    const double D4 = D3 * D;
    const double D5 = D4 * D;
    const double D6 = D5 * D;

    const double latitude =
        p1 - (N1 * tanP1 / R1) *
                 (D2 / 2 - (5 + 3 * T1 + 10 * S1 - 4 * S1 * S1 - 9 * ep2) * D4 / 24 +
                  (61 + 90 * T1 + 298 * S1 + 45 * T1 * T1 - 252 * ep2 - 3 * S1 * S1) * D6 / 720);
    const double longitude =
        (D - (1 + 2 * T1 + S1) * D3 / 6 +
         (5 - 2 * S1 + 28 * T1 - 3 * S1 * S1 + 8 * ep2 + 24 * T1 * T1) * D5 / 120) /
        cosP1;
    return {latitude * rad2deg, L0 + longitude * rad2deg};
}

char UtmConversion::UTM_Letter_Designator(double Lat)
{
    if (!(Lat >= -80 && Lat <= 84))
        return 'Z';
    if (Lat >= 72)
        return 'X';
    // The bands below X from the south, 8 degrees each from -80. Compared
    // with exact bounds, so a latitude just below a bound never rounds up.
    static constexpr char bands[] = "CDEFGHJKLMNPQRSTUVW";
    int band = int(sizeof(bands)) - 2;
    while (Lat < -80 + 8 * band)
        --band;
    return bands[band];
}
