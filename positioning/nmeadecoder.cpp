#include "nmeadecoder.h"

#include <QtNumeric>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace {

struct KindName
{
    QByteArrayView name;
    NmeaUpdate::Kind kind;
};

constexpr KindName kindNames[] = {
    {"RMC", NmeaUpdate::Kind::Rmc}, {"GSV", NmeaUpdate::Kind::Gsv}, {"GGA", NmeaUpdate::Kind::Gga},
    {"GSA", NmeaUpdate::Kind::Gsa}, {"VTG", NmeaUpdate::Kind::Vtg},
};

// Field n of a sentence: the text after its n-th comma up to the next comma,
// the '*' that starts the checksum, or the end; empty when there are fewer
// commas.
QByteArrayView field(QByteArrayView sentence, int n)
{
    const qsizetype star = sentence.indexOf('*');
    const QByteArrayView fields = star < 0 ? sentence : sentence.first(star);
    qsizetype from = 0;
    for (int comma = 0; comma < n; ++comma) {
        from = fields.indexOf(',', from);
        if (from < 0)
            return {};
        ++from;
    }
    const qsizetype end = fields.indexOf(',', from);
    return fields.sliced(from, (end < 0 ? fields.size() : end) - from);
}

// The value of the longest leading part of a field that forms a decimal
// number (blanks, a sign, digits with at most one '.', an exponent), read as
// C atof reads it but with '.' as the decimal point whatever the locale;
// 0 when there is none.
double leadingNumber(QByteArrayView text)
{
    const auto charAt = [&text](qsizetype at) {
        return at < text.size() ? text[at] : '\0';
    };
    const auto digitAt = [&charAt](qsizetype at) {
        return charAt(at) >= '0' && charAt(at) <= '9';
    };
    qsizetype at = 0;
    while (charAt(at) == ' ' || (charAt(at) >= '\t' && charAt(at) <= '\r'))
        ++at;
    const qsizetype from = at;
    const bool negative = charAt(at) == '-';
    if (negative || charAt(at) == '+')
        ++at;
    // The power of ten of the first significant digit, which tells an
    // overflow from an underflow.
    qint64 power = 0;
    bool significant = false;
    qsizetype digits = 0;
    for (; digitAt(at); ++at, ++digits) {
        if (significant)
            ++power;
        significant = significant || charAt(at) != '0';
    }
    if (charAt(at) == '.') {
        for (++at; digitAt(at); ++at, ++digits) {
            if (!significant)
                --power;
            significant = significant || charAt(at) != '0';
        }
    }
    if (digits == 0)
        return 0;
    if (charAt(at) == 'e' || charAt(at) == 'E') {
        qsizetype exponentAt = at + 1;
        const bool negativeExponent = charAt(exponentAt) == '-';
        if (negativeExponent || charAt(exponentAt) == '+')
            ++exponentAt;
        if (digitAt(exponentAt)) {
            qint64 exponent = 0;
            for (at = exponentAt; digitAt(at); ++at)
                exponent = qMin<qint64>(exponent * 10 + (charAt(at) - '0'), INT_MAX);
            power += negativeExponent ? -exponent : exponent;
        }
    }
    bool ok = false;
    const double value = text.sliced(from, at - from).toDouble(&ok);
    if (ok)
        return value;
    // Out of the range of a double: an overflow reads as infinity, an
    // underflow as zero.
    const double magnitude = power > 0 ? qInf() : 0.0;
    return negative ? -magnitude : magnitude;
}

// A double cut to an int towards zero, held within the range of int.
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

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
