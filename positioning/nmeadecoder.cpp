#include "nmeadecoder.h"

#include "nmeafields.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

using NmeaFields::field;
using NmeaFields::leadingNumber;
using NmeaFields::truncated;

struct KindName
{
    QByteArrayView name;
    NmeaUpdate::Kind kind;
};

constexpr KindName kindNames[] = {
    {"RMC", NmeaUpdate::Kind::Rmc}, {"GSV", NmeaUpdate::Kind::Gsv}, {"GGA", NmeaUpdate::Kind::Gga},
    {"GSA", NmeaUpdate::Kind::Gsa}, {"VTG", NmeaUpdate::Kind::Vtg},
};

// A number as the labels show it: at most 6 significant digits, no trailing
// zeros.
QString numberText(QByteArrayView text)
{
    return QString::number(leadingNumber(text), 'g', 6);
}

// A latitude (ddmm.mmmm, at most 90 degrees) or longitude (dddmm.mmmm, at
// most 180) field in degrees: unsigned digits with an optional fraction and
// fewer than 60 minutes. None for anything else: such a field is no position.
std::optional<double> degreesOf(QByteArrayView text, int most)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+(\\.[0-9]*)?$"));
    if (!digits.match(QLatin1String(text)).hasMatch())
        return std::nullopt;
    const double value = leadingNumber(text);
    const double whole = std::trunc(value / 100);
    const double minutes = value - 100 * whole;
    const double degrees = whole + minutes / 60;
    if (!(minutes < 60 && degrees <= most))
        return std::nullopt;
    return degrees;
}

// The hemisphere letter a field starts with, when it is one of the two.
std::optional<QString> hemisphere(QByteArrayView text, char one, char other)
{
    if (text.startsWith(one) || text.startsWith(other))
        return QString(QLatin1Char(text.front()));
    return std::nullopt;
}

// A recommended minimum sentence's position: a real one with both
// hemispheres, and not marked void by its status.
struct RmcPosition
{
    double latitude;
    QString latitudeHemisphere;
    double longitude;
    QString longitudeHemisphere;
};

std::optional<RmcPosition> rmcPosition(QByteArrayView sentence)
{
    if (field(sentence, 2).startsWith('V'))
        return std::nullopt;
    const std::optional<double> latitude = degreesOf(field(sentence, 3), 90);
    const std::optional<QString> north = hemisphere(field(sentence, 4), 'S', 'N');
    const std::optional<double> longitude = degreesOf(field(sentence, 5), 180);
    const std::optional<QString> east = hemisphere(field(sentence, 6), 'W', 'E');
    if (!latitude || !north || !longitude || !east)
        return std::nullopt;
    return RmcPosition{*latitude, *north, *longitude, *east};
}

void decodeRmc(QByteArrayView sentence, bool fixShown, NmeaUpdate &update)
{
    // hhmmss with any fraction of a second left out
    const int time = truncated(leadingNumber(field(sentence, 1)));
    const int hour = time / 10000;
    const int minute = time / 100 % 100;
    const int second = time % 100;
    update.utc = QString::number(hour) + QLatin1Char(':') + QString::number(minute) +
                 QLatin1Char(':') + QString::number(second);
    update.time = nmea_msg{quint8(hour), quint8(minute), quint8(second)};
    // Without a real position the page keeps the one it shows, with its
    // hemispheres.
    const std::optional<RmcPosition> position = rmcPosition(sentence);
    if (!position)
        return;
    update.latitudeHemisphere = position->latitudeHemisphere;
    update.longitudeHemisphere = position->longitudeHemisphere;
    if (fixShown) {
        update.latitude = QString::number(position->latitude, 'f', 7);
        update.longitude = QString::number(position->longitude, 'f', 7);
    }
    update.newFix = fixShown;
}

void decodeGsv(QByteArrayView sentence, NmeaUpdate &update)
{
    const QString inView = numberText(field(sentence, 3));
    if (sentence.contains("PGSV"))
        update.gpsInView = inView;
    else if (sentence.contains("DGSV") || sentence.contains("BGSV"))
        update.beidouInView = inView;
    update.isGsv = true;
}

void decodeGga(QByteArrayView sentence, NmeaUpdate &update)
{
    const int quality = truncated(leadingNumber(field(sentence, 6)));
    update.fixState = quality == 1 || quality == 2 ? QStringLiteral("Yes") : QStringLiteral("No");
    update.satellitesUsed = numberText(field(sentence, 7));
    update.altitude = numberText(field(sentence, 9)) + QStringLiteral(" m");
}

} // namespace

NmeaUpdate NmeaDecoder::decode(QByteArrayView sentence, bool fixShown)
{
    NmeaUpdate update;
    const auto named =
        std::find_if(std::begin(kindNames), std::end(kindNames),
                     [&sentence](const KindName &kind) { return sentence.contains(kind.name); });
    if (named == std::end(kindNames))
        return update;
    update.kind = named->kind;
    switch (update.kind) {
    case NmeaUpdate::Kind::Rmc:
        decodeRmc(sentence, fixShown, update);
        break;
    case NmeaUpdate::Kind::Gsv:
        decodeGsv(sentence, update);
        break;
    case NmeaUpdate::Kind::Gga:
        decodeGga(sentence, update);
        break;
    case NmeaUpdate::Kind::Gsa:
        update.pdop = numberText(field(sentence, 15));
        update.hdop = numberText(field(sentence, 16));
        update.vdop = numberText(field(sentence, 17));
        break;
    case NmeaUpdate::Kind::Vtg:
        update.speed = numberText(field(sentence, 7)) + QStringLiteral(" km/h");
        break;
    case NmeaUpdate::Kind::None:
        break;
    }
    return update;
}

QString NmeaDecoder::signedCoordinate(const QString &magnitude, const QString &hemisphere)
{
    bool number = false;
    static_cast<void>(magnitude.toDouble(&number));
    if (!number || (hemisphere != QLatin1String("S") && hemisphere != QLatin1String("W")))
        return magnitude;
    // A text with its own sign (a TCP client's) is signed already.
    const QString text = magnitude.trimmed();
    if (text.startsWith(QLatin1Char('-')))
        return text;
    return QLatin1Char('-') + (text.startsWith(QLatin1Char('+')) ? text.mid(1) : text);
}
