#pragma once

#include <QByteArray>
#include <QDebug>
#include <QString>
#include <QVariant>

// Modbus frames written out for tests. The CRC here is computed bit by bit,
// apart from the program's table-driven one.
namespace ModbusFrames {

inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

inline quint16 referenceCrc(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

// An RTU frame: the bytes with their CRC, low byte first.
inline QByteArray rtu(const QByteArray &bytes)
{
    const quint16 crc = referenceCrc(bytes);
    return bytes + char(crc & 0xFF) + char(crc >> 8);
}

// A TCP frame: the header with `transaction`, then the unit and the PDU.
inline QByteArray tcp(int transaction, const QByteArray &unitAndPdu)
{
    const qsizetype n = unitAndPdu.size();
    const char header[] = {char(transaction >> 8), char(transaction), 0, 0, char(n >> 8), char(n)};
    return QByteArray(header, 6) + unitAndPdu;
}

inline int transactionOf(const QByteArray &frame)
{
    return (static_cast<unsigned char>(frame.at(0)) << 8) | static_cast<unsigned char>(frame.at(1));
}

// Bytes or a decoded reply as readable text for failure messages.
inline QString shown(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}
inline QString shown(const QVariant &result)
{
    QString text;
    QDebug(&text).nospace() << result;
    return text;
}

// A failure message: the input, what was expected and what came.
inline QByteArray mismatch(const QString &input, const QString &expected, const QString &actual)
{
    return QStringLiteral("%1: expected %2, got %3").arg(input, expected, actual).toLocal8Bit();
}

} // namespace ModbusFrames
