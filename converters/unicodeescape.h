#pragma once

#include <QString>
#include <QStringView>

// Text as four hex digits per UTF-16 code unit, each optionally after "\U", and back.
class UnicodeEscape
{
public:
    // Upper-case digits; a character beyond the Basic Multilingual Plane
    // gives the two groups of its surrogate pair.
    [[nodiscard]] static QString encode(const QString &text, bool prefixed);
    [[nodiscard]] static qsizetype encodedLength(QStringView text, bool prefixed);
    // With prefixed, every "\U" and then every "\u" is removed first. The
    // rest is read in groups of four characters, a shorter tail dropped. A
    // group is read as an integer in base 16 (digits of either case, with
    // blanks around them, a sign or a "0x" allowed: " 041", "+041" and "0x41"
    // are all "A"); one that is no such integer, or a negative one, is the
    // unit 0. Given the only copy of `hex`, it takes the prefixes out in
    // place.
    [[nodiscard]] static QString decode(QString hex, bool prefixed);
};
