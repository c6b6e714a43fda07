#pragma once

#include "latlong.h"
#include "utm.h"

#include <QCoreApplication>
#include <QString>

// Converts between latitude and longitude and the UTM grid on one of the
// reference ellipsoids (Ellipsoid rows 1..23): the transverse Mercator
// projection (scale 0.9996 on the central meridian) by Krueger's series,
// far within a millimetre over every zone, the widened zones of Norway and
// Svalbard and the poles included.
class UtmConversion
{
    Q_DECLARE_TR_FUNCTIONS(UtmConversion)

public:
    UtmConversion() = delete;

    // Why a position cannot be converted to UTM: an ellipsoid row outside
    // 1..23 or a position out of range (LatLong::rangeRefusal). Empty when it
    // can.
    [[nodiscard]] static QString toUtmRefusal(int ReferenceEllipsoid, double Lat, double Long);
    // Why a UTM position cannot be converted back: an ellipsoid row outside
    // 1..23, a zone text longer than five characters or not starting with a
    // zone number from 1 to 60, an easting or northing that is not finite,
    // or a position that is no place on the earth (beyond a pole, or so far
    // from the central meridian that it does not project back to itself).
    // Empty when it can.
    [[nodiscard]] static QString toLatLongRefusal(int ReferenceEllipsoid, const UTM &utm);

    // The UTM position of a latitude and longitude in degrees; a longitude
    // of 180 is taken as -180. Refused input gives not-a-number coordinates
    // and an empty zone.
    [[nodiscard]] static UTM LatLong_to_UTM(int ReferenceEllipsoid, double Lat, double Long);
    // The latitude and longitude in degrees of a UTM position, the longitude
    // taken into -180..180. The character after the zone number tells the
    // hemisphere: below 'N' (the end of the text included) is southern.
    // Refused input gives not-a-number values.
    [[nodiscard]] static LatLong UTM_to_LatLong(int ReferenceEllipsoid, const UTM &utm);
    // The latitude band letter: 'C' to 'X' in 8-degree bands from -80, each
    // holding its lower bound, 'X' reaching up to 84 included; 'A' south of
    // -80 (so that the zone text reads back as southern), 'Z' north of 84 and
    // for what is not a latitude.
    [[nodiscard]] static char UTM_Letter_Designator(double Lat);
};
