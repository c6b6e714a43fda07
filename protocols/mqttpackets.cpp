#include "mqttpackets.h"

#include <QtEndian>

namespace {

constexpr qsizetype maximumString = 65535;
// Every packet but PUBLISH has fixed flags; PUBREL, SUBSCRIBE and
// UNSUBSCRIBE have 0010, the others 0000.
constexpr quint8 pubrelFlags = 0x02;

void appendNumber(QByteArray &bytes, quint16 number)
{
    bytes.append(char(number >> 8));
    bytes.append(char(number & 0xFF));
}

void appendString(QByteArray &bytes, const QByteArray &text)
{
    appendNumber(bytes, quint16(text.size()));
    bytes.append(text);
}

quint16 numberAt(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

QByteArray packet(MqttPacket::Type type, quint8 flags, const QByteArray &body)
{
    return MqttPacket{quint8(type << 4 | flags), body}.encoded();
}

} // namespace

QByteArray MqttPackets::connect(const ConnectFields &fields)
{
    const bool withUsername = !fields.username.isEmpty();
    const bool withPassword = withUsername && !fields.password.isEmpty();
    constexpr quint8 usernameFlag = 0x80;
    constexpr quint8 passwordFlag = 0x40;
    constexpr quint8 cleanSessionFlag = 0x02;
    QByteArray body;
    appendString(body, fields.protocolLevel == 3 ? "MQIsdp" : "MQTT");
    body.append(char(fields.protocolLevel));
    body.append(char((withUsername ? usernameFlag : 0) | (withPassword ? passwordFlag : 0) |
                     cleanSessionFlag));
    appendNumber(body, fields.keepAliveSeconds);
    appendString(body, fields.clientId.left(maximumString));
    if (withUsername)
        appendString(body, fields.username.left(maximumString));
    if (withPassword)
        appendString(body, fields.password.left(maximumString));
    return packet(MqttPacket::Connect, 0, body);
}

QByteArray MqttPackets::publish(const Publish &message)
{
    if (message.topic.size() > maximumString)
        return {};
    QByteArray body;
    body.reserve(message.topic.size() + message.payload.size() + 4);
    appendString(body, message.topic);
    if (message.qos > 0)
        appendNumber(body, message.id);
    body.append(message.payload);
    const quint8 flags =
        (message.duplicate ? 0x08 : 0) | quint8(message.qos << 1) | (message.retain ? 0x01 : 0);
    return packet(MqttPacket::Publish, flags, body);
}

QByteArray MqttPackets::subscribe(quint16 id, const QByteArray &filter, quint8 qos)
{
    QByteArray body;
    appendNumber(body, id);
    appendString(body, filter.left(maximumString));
    body.append(char(qos));
    return packet(MqttPacket::Subscribe, 0x02, body);
}

QByteArray MqttPackets::acknowledgement(MqttPacket::Type type, quint16 id)
{
    QByteArray body;
    appendNumber(body, id);
    return packet(type, type == MqttPacket::Pubrel ? pubrelFlags : 0, body);
}

QByteArray MqttPackets::pingRequest()
{
    return packet(MqttPacket::Pingreq, 0, {});
}

QByteArray MqttPackets::disconnect()
{
    return packet(MqttPacket::Disconnect, 0, {});
}

std::optional<MqttPackets::Connack> MqttPackets::readConnack(const MqttPacket &packet)
{
    if (packet.type() != MqttPacket::Connack || packet.flags() != 0 || packet.body.size() != 2 ||
        (quint8(packet.body.at(0)) & 0xFE) != 0)
        return std::nullopt;
    return Connack{packet.body.at(0) == 1, quint8(packet.body.at(1))};
}

std::optional<MqttPackets::Publish> MqttPackets::readPublish(const MqttPacket &packet)
{
    Publish message;
    message.qos = (packet.flags() >> 1) & 0x03;
    message.retain = packet.flags() & 0x01;
    message.duplicate = packet.flags() & 0x08;
    const QByteArray &body = packet.body;
    const qsizetype idSize = message.qos > 0 ? 2 : 0;
    if (packet.type() != MqttPacket::Publish || message.qos == 3 || body.size() < 2)
        return std::nullopt;
    const qsizetype topicSize = numberAt(body, 0);
    if (body.size() < 2 + topicSize + idSize)
        return std::nullopt;
    message.topic = body.sliced(2, topicSize);
    if (idSize > 0) {
        message.id = numberAt(body, 2 + topicSize);
        if (message.id == 0)
            return std::nullopt;
    }
    message.payload = body.sliced(2 + topicSize + idSize);
    return message;
}

std::optional<MqttPackets::Suback> MqttPackets::readSuback(const MqttPacket &packet)
{
    if (packet.type() != MqttPacket::Suback || packet.flags() != 0 || packet.body.size() < 3)
        return std::nullopt;
    Suback suback{numberAt(packet.body, 0), packet.body.sliced(2)};
    for (const char code : std::as_const(suback.returnCodes)) {
        if (quint8(code) > 2 && quint8(code) != 0x80)
            return std::nullopt;
    }
    return suback;
}

std::optional<quint16> MqttPackets::readAcknowledgement(const MqttPacket &packet)
{
    const MqttPacket::Type type = packet.type();
    if (type != MqttPacket::Puback && type != MqttPacket::Pubrec && type != MqttPacket::Pubrel &&
        type != MqttPacket::Pubcomp)
        return std::nullopt;
    if (packet.flags() != (type == MqttPacket::Pubrel ? pubrelFlags : 0) || packet.body.size() != 2)
        return std::nullopt;
    return numberAt(packet.body, 0);
}

bool MqttPackets::isPingResponse(const MqttPacket &packet)
{
    return packet.type() == MqttPacket::Pingresp && packet.flags() == 0 && packet.body.isEmpty();
}
