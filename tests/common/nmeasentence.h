#pragma once

#include <QByteArray>

// A sentence with its checksum and line end, as a receiver sends it. Kept
// apart from the framer's own checksum so that tests do not check the
// program against itself.
[[nodiscard]] inline QByteArray nmeaSentence(const QByteArray &body)
{
    quint8 sum = 0;
    for (const char byte : body)
        sum ^= quint8(byte);
    return '$' + body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}
