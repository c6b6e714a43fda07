#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

// Modbus frames written out for tests. The CRC here is computed bit by bit,
// apart from the program's table-driven one.
namespace ModbusFrames {

// Bytes from hex text; blanks are skipped.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
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
    QByteArray frame;
    frame.append(char((transaction >> 8) & 0xFF));
    frame.append(char(transaction & 0xFF));
    frame.append(2, '\0');
    frame.append(char((unitAndPdu.size() >> 8) & 0xFF));
    frame.append(char(unitAndPdu.size() & 0xFF));
    return frame + unitAndPdu;
}

// The transaction identifier of a TCP frame.
inline int transactionOf(const QByteArray &frame)
{
    return (static_cast<unsigned char>(frame.at(0)) << 8) | static_cast<unsigned char>(frame.at(1));
}

// Bytes as readable hex, "01 03 00", for failure messages.
inline QString shown(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

// A decoded reply for failure messages: bits as 0 and 1, registers in hex,
// an echo as its keys and values.
inline QString shown(const QVariant &result)
{
    QStringList parts;
    if (result.metaType() == QMetaType::fromType<QList<bool>>()) {
        for (const bool bit : result.value<QList<bool>>())
            parts.append(bit ? QStringLiteral("1") : QStringLiteral("0"));
    } else if (result.metaType() == QMetaType::fromType<QList<ushort>>()) {
        for (const ushort word : result.value<QList<ushort>>())
            parts.append(QString::number(word, 16));
    } else if (result.isValid()) {
        const QVariantMap map = result.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            parts.append(it.key() + QLatin1Char('=') + it.value().toString());
    } else {
        parts.append(QStringLiteral("(invalid)"));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace ModbusFrames
