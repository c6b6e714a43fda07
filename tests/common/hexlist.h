#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

// Byte strings as readable hex, "[24 47 50] [0d 0a]", for failure messages.
inline QString hexList(const QByteArrayList &list)
{
    QStringList texts;
    for (const QByteArray &bytes : list)
        texts.append(QLatin1Char('[') + QString::fromLatin1(bytes.toHex(' ')) + QLatin1Char(']'));
    return texts.join(QLatin1Char(' '));
}
