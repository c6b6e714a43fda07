#include "mqttpacket.h"

QByteArray MqttPacket::encoded() const
{
    if (body.size() > maximumBody)
        return {};
    QByteArray bytes;
    bytes.reserve(body.size() + 5);
    bytes.append(char(header));
    // Seven bits a byte, least significant first; the top bit says more follow.
    qsizetype length = body.size();
    do {
        quint8 digit = length % 128;
        length /= 128;
        if (length > 0)
            digit |= 0x80;
        bytes.append(char(digit));
    } while (length > 0);
    bytes.append(body);
    return bytes;
}
