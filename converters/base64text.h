#pragma once

#include <QString>

// Text to standard Base64 of its UTF-8 bytes and back.
class Base64Text
{
public:
    // The alphabet of RFC 4648 with "=" padding and no line breaks.
    [[nodiscard]] static QString encode(const QString &text);
    // Leniently: characters outside the alphabet are skipped, and bytes that
    // are not UTF-8 become replacement characters. Never fails.
    [[nodiscard]] static QString decode(const QString &base64);
};
