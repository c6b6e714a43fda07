#pragma once

#include "mqttpacket.h"

#include <QByteArray>

#include <optional>

// The MQTT 3.1 and 3.1.1 packets a client sends, as wire bytes, and the
// packets it receives, read from their bodies. A reader gives nothing when
// the packet breaks the protocol: wrong flags, a wrong size or bad fields.
namespace MqttPackets {

// What a CONNECT carries.
struct ConnectFields
{
    // 3 for MQTT 3.1, 4 for MQTT 3.1.1.
    quint8 protocolLevel = 4;
    QByteArray clientId;
    // A password is only sent with a user name, as the protocol asks.
    QByteArray username;
    QByteArray password;
    quint16 keepAliveSeconds = 60;
};

// The broker's answer to a CONNECT.
struct Connack
{
    bool sessionPresent = false;
    quint8 returnCode = 0;
};

// A PUBLISH, either way.
struct Publish
{
    QByteArray topic;
    QByteArray payload;
    quint8 qos = 0;
    bool retain = false;
    bool duplicate = false;
    // 0 for quality of service 0.
    quint16 id = 0;
};

// The broker's answer to a SUBSCRIBE.
struct Suback
{
    quint16 id = 0;
    // One per filter asked for: the granted quality of service, or 0x80.
    QByteArray returnCodes;
};

// A CONNECT with a clean session.
[[nodiscard]] QByteArray connect(const ConnectFields &fields);
// Empty when the topic or the packet is too long for the protocol.
[[nodiscard]] QByteArray publish(const Publish &message);
[[nodiscard]] QByteArray subscribe(quint16 id, const QByteArray &filter, quint8 qos);
// PUBACK, PUBREC, PUBREL or PUBCOMP for packet `id`.
[[nodiscard]] QByteArray acknowledgement(MqttPacket::Type type, quint16 id);
[[nodiscard]] QByteArray pingRequest();
[[nodiscard]] QByteArray disconnect();

[[nodiscard]] std::optional<Connack> readConnack(const MqttPacket &packet);
[[nodiscard]] std::optional<Publish> readPublish(const MqttPacket &packet);
[[nodiscard]] std::optional<Suback> readSuback(const MqttPacket &packet);
// The packet id of a PUBACK, PUBREC, PUBREL or PUBCOMP.
[[nodiscard]] std::optional<quint16> readAcknowledgement(const MqttPacket &packet);
// Whether a PINGRESP is well formed.
[[nodiscard]] bool isPingResponse(const MqttPacket &packet);

} // namespace MqttPackets
