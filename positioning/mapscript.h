#pragma once

#include "latlong.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The JavaScript statements that move the GPS tool's map pages, one call
// each. Only numbers formatted here and escaped string literals reach a page,
// so nothing that a peer or a replay file sends can run as script.
class MapScript
{
public:
    MapScript() = delete;

    // A finite decimal number such as "39.92215" or " -33.5 ", else none.
    [[nodiscard]] static std::optional<double> coordinate(const QString &text);
    // Stores the position and moves the marker (and centres on it with
    // centre); longitude first unless latitudeFirst. Empty for a value that
    // is not finite.
    [[nodiscard]] static QStringList position(double latitude, double longitude, bool centre,
                                              bool latitudeFirst);
    // Draws a track as one line through its points, or adds them to the
    // line the call before drew (continued). Empty for a value that is not
    // finite.
    [[nodiscard]] static QStringList track(const QList<LatLong> &points, bool continued);
    // Stores the destination address and asks for a route to it.
    [[nodiscard]] static QStringList navigation(const QString &address);
    // A double-quoted JavaScript string literal of text that nothing in text
    // can end, in a script or inside an HTML script element.
    [[nodiscard]] static QString stringLiteral(const QString &text);
};
