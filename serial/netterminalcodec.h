#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Rules of the UDP and TCP terminals without widgets: what their address and
// port boxes accept and the bytes that the send box turns into.
class NetTerminalCodec
{
public:
    // A port box's text as a port: a decimal number from 1 to 65535 (blanks
    // around it ignored); none for anything else.
    [[nodiscard]] static std::optional<quint16> port(const QString &text);
    // An IPv4 or IPv6 address, blanks around it ignored.
    [[nodiscard]] static bool isAddress(const QString &text);
    // An address or a host name; a text of digits and dots must be an address.
    [[nodiscard]] static bool isHost(const QString &text);
    // The send box's text as bytes: a final line feed becomes CR LF; in hex
    // mode every pair of hex digits is one byte and other characters are
    // skipped, otherwise the text goes out in the local 8-bit encoding.
    [[nodiscard]] static QByteArray sendBytes(const QString &text, bool hex);
};
