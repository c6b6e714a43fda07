#pragma once

#include "nmeamsg.h"

#include <QString>

#include <optional>

// What one NMEA sentence changes on the GPS page: the new text of each label
// it sets (labels it leaves alone stay unset) and what it tells the tool.
struct NmeaUpdate
{
    // The sentence types the page shows, by the first one a sentence names.
    enum class Kind { None, Rmc, Gsv, Gga, Gsa, Vtg };

    Kind kind = Kind::None;

    std::optional<QString> utc;
    std::optional<QString> latitude;
    std::optional<QString> latitudeHemisphere;
    std::optional<QString> longitude;
    std::optional<QString> longitudeHemisphere;
    std::optional<QString> fixState;
    std::optional<QString> satellitesUsed;
    std::optional<QString> altitude;
    std::optional<QString> gpsInView;
    std::optional<QString> beidouInView;
    std::optional<QString> pdop;
    std::optional<QString> hdop;
    std::optional<QString> vdop;
    std::optional<QString> speed;

    // A position came while the page shows a fix: the map and the track
    // take it.
    bool newFix = false;
    // A satellites-in-view sentence, which the tool also passes on whole.
    bool isGsv = false;
    // The time of a recommended minimum sentence.
    std::optional<nmea_msg> time;
};
