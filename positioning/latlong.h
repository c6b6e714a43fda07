#pragma once

#include <QCoreApplication>
#include <QString>

// A geographic position in degrees, north and east positive.
struct LatLong
{
    Q_DECLARE_TR_FUNCTIONS(LatLong)

public:
    double latitude = 0;
    double longitude = 0;

    // Why a position cannot be taken: a latitude outside -90..90 or a
    // longitude outside -180..180 degrees (a value that is not a number is
    // outside too). Empty when it can.
    [[nodiscard]] static QString rangeRefusal(double latitude, double longitude);
};
