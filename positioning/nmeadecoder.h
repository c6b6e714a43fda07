#pragma once

#include "nmeaupdate.h"

#include <QByteArrayView>
#include <QString>

// Turns one NMEA sentence into the label texts of the GPS page.
class NmeaDecoder
{
public:
    // Decodes a whole sentence as the framer gives it. fixShown tells whether
    // the page's fix-state label shows "Yes": only then does a recommended
    // minimum sentence set the position. The first of RMC, GSV, GGA, GSA and
    // VTG found in the sentence decides its kind; any talker is taken.
    [[nodiscard]] static NmeaUpdate decode(QByteArrayView sentence, bool fixShown);

    // The signed value the map and the track file take for a position the
    // labels show as a magnitude and a hemisphere letter: negative for "S"
    // and "W". Any other hemisphere, a magnitude that is not a number or a
    // text that carries its own minus sign is left as it is.
    [[nodiscard]] static QString signedCoordinate(const QString &magnitude,
                                                  const QString &hemisphere);
};
