#pragma once

#include <QByteArray>
#include <QString>

// Texts of characteristic values: the card's hexadecimal view and the bytes
// that the write dialog's text stands for.
class BleValueText
{
public:
    // Each byte as 0x and two lower-case digits, separated by a comma and a
    // blank: "0x41, 0x42"; no bytes give an empty text.
    [[nodiscard]] static QString hexList(const QByteArray &bytes);
    // The bytes to write for the typed text: in hex mode the hexadecimal
    // digits of its Latin-1 form (other characters skipped, digits paired from
    // the end), else its UTF-8 bytes.
    [[nodiscard]] static QByteArray writeBytes(const QString &text, bool hex);
};
