#include "mqttpacketreader.h"

#include <utility>

namespace {
constexpr qsizetype maximumLengthBytes = 4;
// A length is only a claim until the bytes come: room is made as they do.
constexpr qsizetype maximumReserve = 1024 * 1024;
} // namespace

MqttPacketReader::MqttPacketReader(qsizetype maximumBody)
    : m_maximumBody(qBound<qsizetype>(0, maximumBody, MqttPacket::maximumBody))
{}

ParsedChunk<MqttPacket> MqttPacketReader::feed(const QByteArray &bytes)
{
    ParsedChunk<MqttPacket> parsed;
    QByteArrayView rest(bytes);
    while (!rest.isEmpty() && m_stage != Stage::Broken) {
        switch (m_stage) {
        case Stage::Header:
            m_packet.header = quint8(rest.front());
            m_headerBytes = QByteArray(1, rest.front());
            m_length = 0;
            m_stage = Stage::Length;
            rest = rest.sliced(1);
            break;
        case Stage::Length:
            takeLengthByte(quint8(rest.front()), parsed);
            rest = rest.sliced(1);
            break;
        case Stage::Body: {
            const qsizetype take = qMin(rest.size(), m_length - m_packet.body.size());
            m_packet.body.append(rest.first(take));
            rest = rest.sliced(take);
            if (m_packet.body.size() == m_length)
                finishPacket(parsed);
            break;
        }
        case Stage::Broken:
            break;
        }
    }
    return parsed;
}

bool MqttPacketReader::needsMore() const
{
    return m_stage == Stage::Length || m_stage == Stage::Body;
}

void MqttPacketReader::reset()
{
    m_stage = Stage::Header;
    m_headerBytes.clear();
    m_length = 0;
    m_packet = {};
}

void MqttPacketReader::takeLengthByte(quint8 byte, ParsedChunk<MqttPacket> &parsed)
{
    const qsizetype lengthBytes = m_headerBytes.size();
    m_headerBytes.append(char(byte));
    m_length += qsizetype(byte & 0x7F) << (7 * (lengthBytes - 1));
    const bool more = byte & 0x80;
    if ((more && lengthBytes == maximumLengthBytes) || (!more && m_length > m_maximumBody)) {
        parsed.corrupt.append(std::exchange(m_headerBytes, {}));
        m_stage = Stage::Broken;
        return;
    }
    if (more)
        return;
    if (m_length == 0) {
        finishPacket(parsed);
        return;
    }
    m_packet.body.reserve(qMin(m_length, maximumReserve));
    m_stage = Stage::Body;
}

void MqttPacketReader::finishPacket(ParsedChunk<MqttPacket> &parsed)
{
    parsed.results.append(std::exchange(m_packet, {}));
    m_headerBytes.clear();
    m_stage = Stage::Header;
}
