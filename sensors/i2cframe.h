#pragma once

#include <QByteArray>
#include <QByteArrayView>

// One frame of the I2C bridge board, the same in both directions: "KX", a
// type byte, the payload length (big-endian), the payload and its 8-bit sum.
struct I2cFrame
{
    // What the host asks of the board.
    enum Command : quint8 { Stop = 0, Scan = 1, Start = 2, SetAddress = 3, Write = 4, Read = 5 };
    // What the board sends back.
    enum Answer : quint8 { ScanResult = 1, RegisterTable = 2, ReadResult = 5 };

    // Magic, type and length in front of the payload, the sum behind it.
    static constexpr qsizetype headerSize = 5;
    static constexpr qsizetype overhead = headerSize + 1;
    // What the 16-bit length field can carry.
    static constexpr qsizetype maxPayload = 0xFFFF;

    quint8 type = 0;
    QByteArray payload;

    // The sum of the bytes modulo 256 (0 for none).
    [[nodiscard]] static quint8 checksum(QByteArrayView bytes);
    // The frame's bytes; empty when the payload is longer than maxPayload.
    [[nodiscard]] QByteArray encode() const;

    [[nodiscard]] bool operator==(const I2cFrame &other) const
    {
        return type == other.type && payload == other.payload;
    }
    [[nodiscard]] bool operator!=(const I2cFrame &other) const { return !(*this == other); }
};
