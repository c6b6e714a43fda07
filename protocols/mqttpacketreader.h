#pragma once

#include "mqttpacket.h"
#include "streamparser.h"

// Cuts the byte stream from a broker into MQTT control packets: a first
// byte, a remaining length of one to four bytes with seven bits each, and
// that many bytes. A length that needs a fifth byte, or passes the reader's
// limit, leaves no way to find the next packet: the packet's first bytes are
// reported once as corrupt and every later byte is dropped until reset().
class MqttPacketReader : public StreamParser<MqttPacket>
{
public:
    static constexpr qsizetype defaultMaximumBody = 64 * 1024 * 1024;

    // Bodies longer than maximumBody count as corrupt, so a broker cannot
    // make the reader hold more than that.
    explicit MqttPacketReader(qsizetype maximumBody = defaultMaximumBody);

    [[nodiscard]] ParsedChunk<MqttPacket> feed(const QByteArray &bytes) override;
    [[nodiscard]] bool needsMore() const override;
    void reset() override;
    // A corrupt length was met: the stream is lost.
    [[nodiscard]] bool broken() const { return m_stage == Stage::Broken; }

private:
    enum class Stage { Header, Length, Body, Broken };

    void takeLengthByte(quint8 byte, ParsedChunk<MqttPacket> &parsed);
    void finishPacket(ParsedChunk<MqttPacket> &parsed);

    qsizetype m_maximumBody;
    Stage m_stage = Stage::Header;
    // The first byte and the length bytes of the packet under way.
    QByteArray m_headerBytes;
    qsizetype m_length = 0;
    MqttPacket m_packet;
};
