#pragma once

#include <QString>

// A position on the Universal Transverse Mercator grid.
struct UTM
{
    // Metres east, the false easting of 500000 included.
    double easting = 0;
    // Metres north, 10000000 added in the southern hemisphere.
    double northing = 0;
    // The zone number in decimal followed by the band letter, such as "32V";
    // at most five characters.
    QString zone;
};
