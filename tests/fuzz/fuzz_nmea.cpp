// libFuzzer target of the NMEA framer and decoder. The first byte is the
// longest sentence, the second chooses the chunking and whether the page
// shows a fix; the rest is the receiver's stream. Every sentence that passes
// its checksum is decoded as the GPS tool does.

#include "fuzzcheck.h"
#include "nmeadecoder.h"
#include "nmeaframer.h"

namespace {
void requireDecodePromises(const QByteArray &sentence, bool fixShown)
{
    const NmeaUpdate update = NmeaDecoder::decode(sentence, fixShown);
    require(update.isGsv == (update.kind == NmeaUpdate::Kind::Gsv),
            "only a satellites-in-view sentence is passed on");
    require(update.kind != NmeaUpdate::Kind::None ||
                (!update.utc && !update.latitude && !update.longitude && !update.newFix),
            "a sentence of no known kind changes nothing");
    require(!update.newFix || (fixShown && update.latitude && update.longitude),
            "a new fix has a position and comes only while a fix is shown");
    for (const auto &[magnitude, hemisphere] :
         {std::pair(update.latitude, update.latitudeHemisphere),
          std::pair(update.longitude, update.longitudeHemisphere)}) {
        if (magnitude)
            require(NmeaDecoder::signedCoordinate(*magnitude, QStringLiteral("N")) == *magnitude,
                    "a northern or eastern position keeps its text");
        if (magnitude && hemisphere)
            static_cast<void>(NmeaDecoder::signedCoordinate(*magnitude, *hemisphere));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const qsizetype maximum = 1 + input.byte();
    const quint8 choice = input.byte();
    const QByteArray stream = input.rest();

    const auto parsed = requireStreamPromises(
        [maximum] { return NmeaFramer(maximum); }, stream, choice,
        [maximum](const NmeaFramer &framer) { return framer.heldSize() <= maximum + 1; });
    for (const QByteArray &sentence : parsed.results) {
        require(sentence.startsWith('$') && sentence.endsWith('\n') &&
                    sentence.size() <= maximum + 2 && stream.contains(sentence),
                "a sentence runs from '$' to its LF within the bound");
        require(NmeaFramer::checksumHolds(sentence), "a sentence passes its checksum");
        requireDecodePromises(sentence, choice & 1);
    }
    for (const QByteArray &piece : parsed.corrupt)
        require(piece.startsWith('$') && piece.size() <= maximum + 2,
                "a corrupt piece is a bounded sentence");
    // Whatever a peer sends may reach the decoder as one sentence.
    requireDecodePromises(stream, choice & 2);
    return 0;
}
