// libFuzzer target of the oscilloscope frame parser. The first byte is the
// longest frame and chooses the chunking; the rest is the board's stream.

#include "fuzzcheck.h"
#include "oscframeparser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const qsizetype maximum = 3 + choice;
    const QByteArray stream = input.rest();

    const auto parsed =
        requireStreamPromises([maximum] { return OscFrameParser(maximum); }, stream, choice);
    requireBoundedPieces(parsed.corrupt, stream, maximum + 1);
    for (const QByteArray &piece : parsed.corrupt)
        static_cast<void>(OscFrameParser::frameValues(piece));
    static_cast<void>(OscFrameParser::frameValues(stream));
    return 0;
}
