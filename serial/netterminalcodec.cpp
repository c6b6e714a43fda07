#include "netterminalcodec.h"

QString NetTerminalCodec::hexText(const QByteArray &data)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text(data.size() * 6, Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QLatin1Char('0');
        *out++ = QLatin1Char('x');
        *out++ = QLatin1Char(digits[byte >> 4]);
        *out++ = QLatin1Char(digits[byte & 0x0F]);
        *out++ = QLatin1Char(',');
        *out++ = QLatin1Char(' ');
    }
    return text;
}

QByteArray NetTerminalCodec::withoutCarriageReturns(const QByteArray &data)
{
    QByteArray result = data;
    result.replace('\r', QByteArray());
    return result;
}

quint16 NetTerminalCodec::port(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? static_cast<quint16>(value & 0xFFFF) : 0;
}

QByteArray NetTerminalCodec::sendBytes(const QString &text, bool hex)
{
    QString message = text;
    if (message.endsWith(QLatin1Char('\n'))) {
        message.chop(1);
        message.append(QLatin1String("\r\n"));
    }
    return hex ? QByteArray::fromHex(message.toLatin1()) : message.toLocal8Bit();
}
