#include "nmeadecoder.h"

#include "nmeafields.h"

#include <algorithm>
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

// A latitude (ddmm.mmmm) or longitude (dddmm.mmmm) field in degrees, with
// seven decimals; empty for an empty field.
QString degreesText(QByteArrayView text)
{
    if (text.isEmpty())
        return {};
    const double value = leadingNumber(text);
    const int degrees = truncated(value / 100);
    return QString::number(degrees + (value - 100.0 * degrees) / 60, 'f', 7);
}

// The hemisphere letter a field starts with, when it is one of the two.
std::optional<QString> hemisphere(QByteArrayView text, char one, char other)
{
    if (text.startsWith(one) || text.startsWith(other))
        return QString(QLatin1Char(text.front()));
    return std::nullopt;
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
    if (fixShown) {
        update.latitude = degreesText(field(sentence, 3));
        update.longitude = degreesText(field(sentence, 5));
    }
    update.latitudeHemisphere = hemisphere(field(sentence, 4), 'S', 'N');
    update.longitudeHemisphere = hemisphere(field(sentence, 6), 'W', 'E');
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
