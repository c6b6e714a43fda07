#include "sendencoder.h"

#include <QStringList>

namespace SendEncoder {

Result fromHexTokens(const QString &text)
{
    Result result;
    const QStringList parts = text.split(QLatin1Char(' '));
    result.bytes.reserve(parts.size());
    for (const QString &part : parts) {
        if (part.isEmpty())
            continue;
        bool ok = false;
        const int value = part.toInt(&ok, 16);
        if (!ok) {
            result.error = Error::BadHexToken;
            result.badToken = part;
            result.bytes.clear();
            return result;
        }
        result.bytes.append(char(value & 0xff));
    }
    return result;
}

QByteArray fromText(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace("\n", "\r\n");
    bytes.replace("\r\r\n", "\r\n");
    return bytes;
}

} // namespace SendEncoder
