// libFuzzer target of the I2C bridge frame decoder. The first input byte
// chooses a chunk size; the rest is the stream. The stream fed whole and in
// chunks must give the same frames, corrupt pieces and needsMore(); the held
// bytes stay within maxHeld(); every frame is a whole frame of the stream.

#include "i2cframe.h"
#include "i2cframedecoder.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype chunk = data[0] % 64 + 1;
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    I2cFrameDecoder whole;
    const ParsedChunk<I2cFrame> all = whole.feed(stream);
    I2cFrameDecoder pieces;
    ParsedChunk<I2cFrame> fed;
    for (qsizetype from = 0; from < stream.size(); from += chunk) {
        ParsedChunk<I2cFrame> parsed = pieces.feed(stream.mid(from, chunk));
        fed.results.append(parsed.results);
        fed.corrupt.append(parsed.corrupt);
        if (pieces.held() > pieces.maxHeld())
            std::abort();
    }
    if (whole.held() > whole.maxHeld() || fed.results != all.results ||
        fed.corrupt != all.corrupt || pieces.needsMore() != whole.needsMore())
        std::abort();
    for (const I2cFrame &frame : all.results) {
        if (frame.payload.size() > I2cFrameDecoder::boardMaxPayload ||
            !stream.contains(frame.encode()))
            std::abort();
    }
    return 0;
}
