#include "netterminalcodec.h"

#include <QHostAddress>
#include <QRegularExpression>

std::optional<quint16> NetTerminalCodec::port(const QString &text)
{
    const QString digits = text.trimmed();
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,5}$"));
    if (!decimal.match(digits).hasMatch())
        return std::nullopt;
    const int value = digits.toInt();
    if (value < 1 || value > 65535)
        return std::nullopt;
    return quint16(value);
}

bool NetTerminalCodec::isAddress(const QString &text)
{
    return !QHostAddress(text.trimmed()).isNull();
}

bool NetTerminalCodec::isHost(const QString &text)
{
    const QString host = text.trimmed();
    if (isAddress(host))
        return true;
    static const QRegularExpression numeric(QStringLiteral("^[0-9.]*$"));
    static const QRegularExpression name(
        QStringLiteral("^(?=.{1,253}$)([A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)(\\.[A-Za-z0-9]("
                       "[A-Za-z0-9-]{0,61}"
                       "[A-Za-z0-9])?)*\\.?$"));
    return !numeric.match(host).hasMatch() && name.match(host).hasMatch();
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
