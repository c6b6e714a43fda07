#include "i2cframe.h"

quint8 I2cFrame::checksum(QByteArrayView bytes)
{
    quint8 sum = 0;
    for (const char byte : bytes)
        sum = quint8(sum + quint8(byte));
    return sum;
}

QByteArray I2cFrame::encode() const
{
    if (payload.size() > maxPayload)
        return {};
    QByteArray bytes;
    bytes.reserve(payload.size() + overhead);
    bytes.append("KX");
    bytes.append(char(type));
    bytes.append(char(payload.size() >> 8));
    bytes.append(char(payload.size() & 0xFF));
    bytes.append(payload);
    bytes.append(char(checksum(payload)));
    return bytes;
}
