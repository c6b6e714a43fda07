#pragma once

#include <QByteArray>
#include <QString>

// The hex dumps of received bytes that the receive views show.
class HexFormat
{
public:
    enum class Style {
        // "0x%1," per byte with lower-case digits, a line feed after each 0x0A
        // byte (the serial tools).
        Compact,
        // "0x%1, " per byte with upper-case digits and no line feeds; each
        // chunk without a time stamp ends its line (the network terminals).
        Spaced,
    };

    // The dump of one received chunk as its view shows it.
    [[nodiscard]] static QString chunk(const QByteArray &bytes, Style style, bool timeStamped);
    // Characters a byte takes in the dump, its line feed aside.
    [[nodiscard]] static int charsPerByte(Style style);
};
