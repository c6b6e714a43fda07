#pragma once

#include <QByteArray>
#include <QString>

// Byte rules shared by the UDP and TCP terminals: the hex text of received
// data, the port boxes and the bytes that the send box turns into.
class NetTerminalCodec
{
public:
    // Each byte as "0x%1, " with two upper-case hex digits; no line breaks.
    [[nodiscard]] static QString hexText(const QByteArray &data);
    [[nodiscard]] static QByteArray withoutCarriageReturns(const QByteArray &data);
    // A port box's text as a decimal integer, 0 when it is none, low 16 bits.
    [[nodiscard]] static quint16 port(const QString &text);
    // The send box's text as bytes: a final line feed becomes CR LF; in hex
    // mode every pair of hex digits is one byte and other characters are
    // skipped, otherwise the text goes out in the local 8-bit encoding.
    [[nodiscard]] static QByteArray sendBytes(const QString &text, bool hex);
};
