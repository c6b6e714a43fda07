#include "base64text.h"

#include <QByteArray>

QString Base64Text::encode(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toBase64());
}

QString Base64Text::decode(const QString &base64)
{
    return QString::fromUtf8(QByteArray::fromBase64(base64.toUtf8()));
}
