#include "gpsdistance.h"

#include <cmath>

namespace {
constexpr double earthRadiusKm = 6378.137;
constexpr double pi = 3.1415926535898;
} // namespace

double GpsDistance::CalcDistance(double fLati1, double fLong1, double fLati2, double fLong2)
{
    const double lat1 = GPS_rad(fLati1);
    const double lat2 = GPS_rad(fLati2);
    const double halfLat = std::sin((lat1 - lat2) / 2);
    const double halfLong = std::sin((GPS_rad(fLong1) - GPS_rad(fLong2)) / 2);
    const double h = halfLat * halfLat + std::cos(lat1) * std::cos(lat2) * halfLong * halfLong;
    return 2 * std::asin(std::sqrt(h)) * earthRadiusKm;
}

double GpsDistance::GPS_rad(double d)
{
    return d * pi / 180;
}
