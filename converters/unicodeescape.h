#pragma once

#include <QString>

// Text as four hex digits per UTF-16 code unit, each optionally after "\U", and back.
class UnicodeEscape
{
public:
    // Upper-case digits; a character beyond the Basic Multilingual Plane
    // gives the two groups of its surrogate pair.
    [[nodiscard]] static QString encode(const QString &text, bool prefixed);
    // With prefixed, every "\U" and then every "\u" is removed first. The
    // rest is read in groups of four characters, a shorter tail dropped; a
    // group of four hex digits (either case) is one unit, any other group
    // (a sign, a blank, a non-hex character) the unit 0.
    [[nodiscard]] static QString decode(const QString &escaped, bool prefixed);
};
