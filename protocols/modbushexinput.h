#pragma once

#include <QByteArray>
#include <QString>

// The Modbus tab's data field: tokens "0x" and hex digits, separated by
// blanks, by a comma and blanks or by nothing, turned into data bytes.
class ModbusHexInput
{
public:
    // Whether the whole text is such tokens; an empty text is.
    [[nodiscard]] static bool isValid(const QString &text);
    // One byte per token, left to right: the low 8 bits of its value, 0 for
    // a value that does not fit a signed 32-bit integer. Each "0x" starts a
    // token, also right after the digits of the one before.
    [[nodiscard]] static QByteArray toBytes(const QByteArray &text);
};
