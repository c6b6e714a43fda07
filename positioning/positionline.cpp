#include "positionline.h"

#include "mapscript.h"

namespace {
const QByteArray latitudeLabel("Latitude:");
const QByteArray longitudeLabel("Longitude:");
const QByteArray separator(",Longitude:");
} // namespace

std::optional<PositionLine> PositionLine::parse(const QByteArray &line)
{
    const qsizetype latitudeAt = line.indexOf(latitudeLabel);
    const qsizetype longitudeAt = line.indexOf(longitudeLabel);
    if (latitudeAt < 0 || longitudeAt < 0)
        return std::nullopt;
    const qsizetype latitudeFrom = latitudeAt + latitudeLabel.size();
    const qsizetype latitudeEnd = line.indexOf(separator, latitudeFrom);
    QByteArray longitude = line.mid(longitudeAt + longitudeLabel.size());
    longitude.replace("\r\n", "").replace('\n', "");
    QByteArray latitude = line.mid(latitudeFrom, latitudeEnd < 0 ? -1 : latitudeEnd - latitudeFrom);
    latitude.replace("\r\n", "").replace('\n', "");
    return PositionLine{QString::fromUtf8(latitude), QString::fromUtf8(longitude)};
}

std::optional<LatLong> PositionLine::position() const
{
    const std::optional<double> lat = MapScript::coordinate(latitude);
    const std::optional<double> lon = MapScript::coordinate(longitude);
    if (!lat || !lon || !LatLong::rangeRefusal(*lat, *lon).isEmpty())
        return std::nullopt;
    return LatLong{*lat, *lon};
}

QByteArray PositionLine::toLine() const
{
    return "Latitude:" + latitude.toUtf8() + ",Longitude:" + longitude.toUtf8() + "\r\n";
}
