// libFuzzer target of the environment board's line parser. The first byte is
// the longest line and chooses the chunking; the rest is the board's stream.

#include "envlineparser.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const qsizetype maximum = 2 + choice;
    const QByteArray stream = input.rest();

    const auto parsed =
        requireStreamPromises([maximum] { return EnvLineParser(maximum); }, stream, choice);
    requireBoundedPieces(parsed.corrupt, stream, maximum + 1);
    for (const EnvReading &reading : parsed.results)
        require(qIsFinite(reading.value), "a reading is a finite number");
    static_cast<void>(EnvLineParser::readLine(stream));
    return 0;
}
