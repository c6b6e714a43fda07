// libFuzzer target of the I2C bridge frame decoder. The first byte chooses
// the chunking and the largest payload taken; the rest is the board's
// stream. Besides the stream-parser promises (held bytes within maxHeld()),
// every frame found is a whole frame of the stream, and frames encoded by
// the host read back as themselves unless they hold a "KX".

#include "fuzzcheck.h"
#include "i2cframe.h"
#include "i2cframedecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const qsizetype maxPayload = choice & 1 ? I2cFrameDecoder::boardMaxPayload : choice;
    const QByteArray stream = input.rest();

    const auto parsed = requireStreamPromises(
        [maxPayload] { return I2cFrameDecoder(maxPayload); }, stream, choice,
        [](const I2cFrameDecoder &decoder) { return decoder.held() <= decoder.maxHeld(); });
    for (const I2cFrame &frame : parsed.results)
        require(frame.payload.size() <= maxPayload && stream.contains(frame.encode()),
                "a frame is a whole frame of the stream");
    // A "KX" inside a frame may start a frame of its own: the frames without
    // one read back as themselves.
    QList<I2cFrame> plain;
    for (const I2cFrame &frame : parsed.results) {
        if (frame.encode().indexOf("KX", 1) < 0)
            plain.append(frame);
    }
    requireReadsBack([maxPayload] { return I2cFrameDecoder(maxPayload); }, plain,
                     [](const I2cFrame &frame) { return frame.encode(); });
    return 0;
}
