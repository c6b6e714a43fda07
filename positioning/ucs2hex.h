#pragma once

#include <QString>

// The modem's UCS2 text form: four hexadecimal digits per UTF-16 code unit,
// most significant first (a character beyond the Basic Multilingual Plane
// takes its two surrogate units).
class Ucs2Hex
{
public:
    // Lower-case digits; the result is four times as long as the text.
    [[nodiscard]] static QString encode(const QString &text);
    // One unit per whole group of four characters (a shorter tail is
    // dropped); either case; a group that is not a hexadecimal number gives
    // the unit 0, and a number the unit of its low 16 bits.
    [[nodiscard]] static QString decode(const QString &hex);
};
