#pragma once

#include "latlong.h"

#include <QByteArray>
#include <QString>

#include <optional>

// One position line, as the GPS tool's TCP clients send it and as its track
// file holds it: "Latitude:" + latitude + ",Longitude:" + longitude + CR LF.
struct PositionLine
{
    // A position line is a few dozen bytes; one longer than this, line end
    // not counted, is no position line.
    static constexpr qsizetype longestLine = 1024;

    QString latitude;
    QString longitude;

    // The texts of a line (its line end may be there or not): the latitude
    // runs from the first "Latitude:" to the first ",Longitude:" after it, the
    // longitude from the first "Longitude:" to the end, without line ends.
    // None for a line that lacks either label.
    [[nodiscard]] static std::optional<PositionLine> parse(const QByteArray &line);
    // The position the texts give: two decimal numbers, the latitude within
    // -90..90 and the longitude within -180..180 degrees. None for anything
    // else, which is no place on the earth.
    [[nodiscard]] std::optional<LatLong> position() const;
    // The line as the track file stores it, CR LF included.
    [[nodiscard]] QByteArray toLine() const;

    [[nodiscard]] bool operator==(const PositionLine &other) const
    {
        return latitude == other.latitude && longitude == other.longitude;
    }
};
