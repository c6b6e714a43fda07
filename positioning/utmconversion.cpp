#include "utmconversion.h"

#include "ellipsoid.h"

#include <QByteArray>
#include <QPointF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {
constexpr double k0 = 0.9996;
constexpr double falseEasting = 500000;
constexpr double southernFalseNorthing = 10000000;
constexpr double pi = 3.14159265358979323846;
constexpr double deg2rad = pi / 180;
constexpr int longestZone = 5;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
// A grid position whose inverse, projected again, lands farther than this
// from it lies where the series no longer hold: no place on the earth.
constexpr double roundTripMetres = 0.001;
// Radians (about a micrometre) by which a grid position may pass a pole.
constexpr double poleSlack = 1e-13;

// The zone number at the start of a zone text of at most five characters,
// with the byte after its digits (0 at the end of the text).
struct ZoneText
{
    int number = 0;
    char band = 0;
};

// None for a text longer than five characters or one that does not start
// with a zone number from 1 to 60.
std::optional<ZoneText> readZone(const QString &zone)
{
    if (zone.size() > longestZone)
        return std::nullopt;
    const QByteArray bytes = zone.toUtf8();
    ZoneText read;
    qsizetype at = 0;
    for (; at < bytes.size() && bytes.at(at) >= '0' && bytes.at(at) <= '9'; ++at)
        read.number = read.number * 10 + (bytes.at(at) - '0');
    if (at == 0 || read.number < 1 || read.number > 60)
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

// A longitude in degrees taken into -180..180.
double folded(double longitude)
{
    const double turns = std::trunc((longitude + 180) / 360);
    return (longitude + 180) - turns * 360 - 180;
}

// The transverse Mercator projection of an ellipsoid by Krueger's series in
// the third flattening n, carried to n^6: on the earth's ellipsoids its
// error stays far below a micrometre within thousands of kilometres of the
// central meridian, so it holds over every zone, widened ones and the
// poles included. Grid positions are in metres from the central meridian
// and the equator, scaled by k0.
class TransverseMercator
{
public:
    explicit TransverseMercator(const Ellipsoid &ellipsoid)
        : m_e(std::sqrt(ellipsoid.eccentricitySquared))
    {
        const double f = 1 - std::sqrt(1 - ellipsoid.eccentricitySquared);
        const double n = f / (2 - f);
        const double n2 = n * n;
        const double n3 = n2 * n;
        const double n4 = n3 * n;
        const double n5 = n4 * n;
        const double n6 = n5 * n;
        m_scale = k0 * ellipsoid.equatorialRadius / (1 + n) * (1 + n2 / 4 + n4 / 64 + n6 / 256);
        m_alpha = {
            n / 2 - 2 * n2 / 3 + 5 * n3 / 16 + 41 * n4 / 180 - 127 * n5 / 288 + 7891 * n6 / 37800,
            13 * n2 / 48 - 3 * n3 / 5 + 557 * n4 / 1440 + 281 * n5 / 630 - 1983433 * n6 / 1935360,
            61 * n3 / 240 - 103 * n4 / 140 + 15061 * n5 / 26880 + 167603 * n6 / 181440,
            49561 * n4 / 161280 - 179 * n5 / 168 + 6601661 * n6 / 7257600,
            34729 * n5 / 80640 - 3418889 * n6 / 1995840,
            212378941 * n6 / 319334400};
        m_beta = {n / 2 - 2 * n2 / 3 + 37 * n3 / 96 - n4 / 360 - 81 * n5 / 512 +
                      96199 * n6 / 604800,
                  n2 / 48 + n3 / 15 - 437 * n4 / 1440 + 46 * n5 / 105 - 1118711 * n6 / 3870720,
                  17 * n3 / 480 - 37 * n4 / 840 - 209 * n5 / 4480 + 5569 * n6 / 90720,
                  4397 * n4 / 161280 - 11 * n5 / 504 - 830251 * n6 / 7257600,
                  4583 * n5 / 161280 - 108847 * n6 / 3991680,
                  20648693 * n6 / 638668800};
    }

    // Latitude and longitude from the central meridian in radians to the
    // grid (x east, y north).
    [[nodiscard]] QPointF forward(double phi, double lambda) const
    {
        const double tauPrime = conformal(std::tan(phi));
        const double xiPrime = std::atan2(tauPrime, std::cos(lambda));
        const double etaPrime =
            std::asinh(std::sin(lambda) / std::hypot(tauPrime, std::cos(lambda)));
        double xi = xiPrime;
        double eta = etaPrime;
        for (int j = 1; j <= 6; ++j) {
            xi += m_alpha[j - 1] * std::sin(2 * j * xiPrime) * std::cosh(2 * j * etaPrime);
            eta += m_alpha[j - 1] * std::cos(2 * j * xiPrime) * std::sinh(2 * j * etaPrime);
        }
        return {m_scale * eta, m_scale * xi};
    }

    // The grid back to latitude and longitude from the central meridian in
    // radians; none beyond the poles, where the grid holds no place.
    [[nodiscard]] std::optional<QPointF> inverse(double x, double y) const
    {
        const double xi = y / m_scale;
        const double eta = x / m_scale;
        double xiPrime = xi;
        double etaPrime = eta;
        for (int j = 1; j <= 6; ++j) {
            xiPrime -= m_beta[j - 1] * std::sin(2 * j * xi) * std::cosh(2 * j * eta);
            etaPrime -= m_beta[j - 1] * std::cos(2 * j * xi) * std::sinh(2 * j * eta);
        }
        // The poles are at xi' = +-pi/2; a hair beyond is the pole rounded.
        if (!(std::abs(xiPrime) <= pi / 2 + poleSlack))
            return std::nullopt;
        xiPrime = std::clamp(xiPrime, -pi / 2, pi / 2);
        const double sinhEta = std::sinh(etaPrime);
        const double cosXi = std::cos(xiPrime);
        const double tauPrime = std::sin(xiPrime) / std::hypot(sinhEta, cosXi);
        return QPointF(std::atan(geographic(tauPrime)), std::atan2(sinhEta, cosXi));
    }

private:
    // The tangent of the conformal latitude of a latitude's tangent.
    [[nodiscard]] double conformal(double tau) const
    {
        const double sigma = std::sinh(m_e * std::atanh(m_e * tau / std::hypot(1.0, tau)));
        return tau * std::hypot(1.0, sigma) - sigma * std::hypot(1.0, tau);
    }

    // The latitude's tangent of a conformal latitude's tangent, by Newton's
    // method, which settles within a few steps.
    [[nodiscard]] double geographic(double tauPrime) const
    {
        const double e2 = m_e * m_e;
        double tau = tauPrime;
        for (int step = 0; step < 10; ++step) {
            const double slope = (1 + (1 - e2) * tau * tau) / ((1 - e2) * std::hypot(1.0, tau) *
                                                               std::hypot(1.0, conformal(tau)));
            const double change = (tauPrime - conformal(tau)) * slope;
            tau += change;
            if (!(std::abs(change) > 1e-14 * std::max(1.0, std::abs(tau))))
                break;
        }
        return tau;
    }

    double m_e;
    double m_scale = 0;
    std::array<double, 6> m_alpha{};
    std::array<double, 6> m_beta{};
};

// The latitude and longitude of a grid position, or none when it is no
// place on the earth (its easting or northing not finite included).
std::optional<LatLong> gridToLatLong(const Ellipsoid &ellipsoid, const ZoneText &zone,
                                     const UTM &utm)
{
    const TransverseMercator projection(ellipsoid);
    const double x = utm.easting - falseEasting;
    // A signed compare, as the byte would be in a C string: the end of the
    // text and bytes above 0x7f count as southern too.
    const double y =
        utm.northing - (static_cast<signed char>(zone.band) < 'N' ? southernFalseNorthing : 0);
    const std::optional<QPointF> angles = projection.inverse(x, y);
    if (!angles || !std::isfinite(angles->x()) || !std::isfinite(angles->y()))
        return std::nullopt;
    const QPointF again = projection.forward(angles->x(), angles->y());
    if (!(std::hypot(again.x() - x, again.y() - y) <= roundTripMetres))
        return std::nullopt;
    const double centralMeridian = zone.number * 6 - 183;
    return LatLong{angles->x() / deg2rad, folded(centralMeridian + angles->y() / deg2rad)};
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
    if (!zone)
        return tr("The UTM zone \"%1\" does not start with a zone number from 1 to 60.")
            .arg(utm.zone);
    if (!std::isfinite(utm.easting) || !std::isfinite(utm.northing))
        return tr("The UTM easting and northing must be finite numbers.");
    if (!gridToLatLong(*Ellipsoid::row(ReferenceEllipsoid), *zone, utm))
        return tr("The UTM position E %1, N %2 in zone \"%3\" is no place on the earth.")
            .arg(utm.easting, 0, 'g', 12)
            .arg(utm.northing, 0, 'g', 12)
            .arg(utm.zone);
    return {};
}

UTM UtmConversion::LatLong_to_UTM(int ReferenceEllipsoid, double Lat, double Long)
{
    if (!toUtmRefusal(ReferenceEllipsoid, Lat, Long).isEmpty())
        return {notANumber, notANumber, QString()};
    // A longitude of 180 becomes -180, in zone 1.
    const double L = folded(Long);
    const int zone = zoneNumber(Lat, L);
    const double L0 = zone * 6 - 183;
    const QPointF grid = TransverseMercator(*Ellipsoid::row(ReferenceEllipsoid))
                             .forward(Lat * deg2rad, (L - L0) * deg2rad);
    UTM utm;
    utm.easting = grid.x() + falseEasting;
    utm.northing = grid.y() + (Lat < 0 ? southernFalseNorthing : 0);
    utm.zone = QString::number(zone) + QLatin1Char(UTM_Letter_Designator(Lat));
    return utm;
}

LatLong UtmConversion::UTM_to_LatLong(int ReferenceEllipsoid, const UTM &utm)
{
    const std::optional<Ellipsoid> ellipsoid = Ellipsoid::row(ReferenceEllipsoid);
    const std::optional<ZoneText> zone = readZone(utm.zone);
    std::optional<LatLong> position;
    if (ellipsoid && zone)
        position = gridToLatLong(*ellipsoid, *zone, utm);
    return position.value_or(LatLong{notANumber, notANumber});
}

char UtmConversion::UTM_Letter_Designator(double Lat)
{
    if (Lat >= -90 && Lat < -80)
        return 'A';
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
