#pragma once

// The great-circle distance between two positions on a sphere of the
// equatorial radius of WGS-84 (6378.137 km), by the haversine formula.
class GpsDistance
{
public:
    GpsDistance() = delete;

    // Kilometres between two positions given in degrees.
    [[nodiscard]] static double CalcDistance(double fLati1, double fLong1, double fLati2,
                                             double fLong2);
    // Degrees to radians, with pi taken as 3.1415926535898.
    [[nodiscard]] static double GPS_rad(double d);
};
