// libFuzzer target of the MQTT packet reader. The first byte chooses the
// chunking and the reader's body limit; the rest is the broker's stream.
// Besides the stream-parser promises, every packet's body is a piece of the
// stream within the limit (its length may come longer than needed), and the
// packets encoded again read back as themselves.

#include "fuzzcheck.h"
#include "mqttpacketreader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const qsizetype maximumBody = choice & 1 ? 64 * 1024 * 1024 : choice;
    const QByteArray stream = input.rest();

    const auto parsed = requireStreamPromises(
        [maximumBody] { return MqttPacketReader(maximumBody); }, stream, choice);
    for (const MqttPacket &packet : parsed.results)
        require(packet.body.size() <= maximumBody && stream.contains(packet.body),
                "a packet's body is a piece of the stream within the limit");
    requireReadsBack([maximumBody] { return MqttPacketReader(maximumBody); }, parsed.results,
                     [](const MqttPacket &packet) { return packet.encoded(); });
    return 0;
}
