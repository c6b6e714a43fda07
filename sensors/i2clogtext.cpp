#include "i2clogtext.h"

namespace {
// Two lower-case hex digits.
QString hex(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0'));
}

// "0x.., " for each byte, then the line end.
QString byteList(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size() * 6 + 2);
    for (const char byte : bytes)
        text += QLatin1String("0x") + hex(quint8(byte)) + QLatin1String(", ");
    return text + QLatin1String("\r\n");
}
} // namespace

QString I2cLogText::scanResult(QByteArrayView addresses)
{
    return QStringLiteral("Searching for I2C devices on the bus:\r\n") + byteList(addresses);
}

QString I2cLogText::readResult(int reg, QByteArrayView values)
{
    return QStringLiteral("Reg addr 0x%1: ").arg(hex(reg)) + byteList(values);
}
