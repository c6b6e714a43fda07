#pragma once

#include <QByteArray>

// One MQTT control packet: its first byte (type and flags) and the bytes
// that follow the remaining length.
struct MqttPacket
{
    enum Type : quint8 {
        Connect = 1,
        Connack,
        Publish,
        Puback,
        Pubrec,
        Pubrel,
        Pubcomp,
        Subscribe,
        Suback,
        Unsubscribe,
        Unsuback,
        Pingreq,
        Pingresp,
        Disconnect
    };

    // The largest body the remaining length can tell.
    static constexpr qsizetype maximumBody = 268435455;

    quint8 header = 0;
    QByteArray body;

    [[nodiscard]] Type type() const { return Type(header >> 4); }
    [[nodiscard]] quint8 flags() const { return header & 0x0F; }
    // The packet as it goes on the wire; empty when the body is too long.
    [[nodiscard]] QByteArray encoded() const;

    friend bool operator==(const MqttPacket &a, const MqttPacket &b)
    {
        return a.header == b.header && a.body == b.body;
    }
};
