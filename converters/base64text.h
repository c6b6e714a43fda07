#pragma once

#include <QString>
#include <QStringView>

// Text to standard Base64 of its UTF-8 bytes and back.
class Base64Text
{
public:
    // The characters encoded at a time.
    static constexpr qsizetype pieceLength = 3 * 16384;

    // The alphabet of RFC 4648 with "=" padding and no line breaks.
    [[nodiscard]] static QString encode(const QString &text);
    // The length of what `encode` gives for `text`, found without making it.
    [[nodiscard]] static qsizetype encodedLength(QStringView text);
    // Leniently: characters outside the alphabet are skipped, and bytes that
    // are not UTF-8 become replacement characters. Never fails. Given the
    // only copy of `base64`, it lets go of it once it has its bytes.
    [[nodiscard]] static QString decode(QString base64);
};
