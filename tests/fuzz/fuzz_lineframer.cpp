// libFuzzer target of the line framer. The first byte is the longest line,
// the second chooses the line ending (its low bit) and the chunking; the
// rest is the stream.

#include "fuzzcheck.h"
#include "lineframer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const qsizetype maximum = input.byte();
    const quint8 choice = input.byte();
    const auto ending = choice & 1 ? LineFramer::Ending::CrLf : LineFramer::Ending::LfOrCrLf;
    const QByteArray stream = input.rest();

    const auto parsed = requireStreamPromises(
        [&] { return LineFramer(maximum, ending); }, stream, choice,
        [maximum](const LineFramer &framer) { return framer.heldSize() <= maximum + 1; });
    for (const QByteArray &line : parsed.results)
        require(line.size() <= maximum && stream.contains(line),
                "a line is a piece of the stream within the bound");
    for (const QByteArray &overlong : parsed.corrupt)
        require(overlong.size() == maximum, "an overlong line is reported by its first bytes");
    return 0;
}
