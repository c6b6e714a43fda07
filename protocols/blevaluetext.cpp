#include "blevaluetext.h"

#include <QStringList>

QString BleValueText::hexList(const QByteArray &bytes)
{
    QStringList parts;
    parts.reserve(bytes.size());
    for (const char byte : bytes)
        parts.append(QStringLiteral("0x%1").arg(quint8(byte), 2, 16, QLatin1Char('0')));
    return parts.join(QStringLiteral(", "));
}

QByteArray BleValueText::writeBytes(const QString &text, bool hex)
{
    return hex ? QByteArray::fromHex(text.toLatin1()) : text.toUtf8();
}
