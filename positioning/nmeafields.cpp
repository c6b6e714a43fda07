#include "nmeafields.h"

#include <QtNumeric>

#include <algorithm>
#include <climits>
#include <cmath>

QByteArrayView NmeaFields::field(QByteArrayView sentence, int n)
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

int NmeaFields::lastField(QByteArrayView sentence)
{
    const qsizetype star = sentence.indexOf('*');
    const QByteArrayView fields = star < 0 ? sentence : sentence.first(star);
    return int(std::count(fields.begin(), fields.end(), ','));
}

double NmeaFields::leadingNumber(QByteArrayView text)
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

int NmeaFields::truncated(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}
