// libFuzzer target of the GSM console's unsolicited-line reader. The first
// byte chooses the chunking and whether the call ends half-way; the rest is
// what the modem sends between transactions.

#include "fuzzcheck.h"
#include "unsolicitedreader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const QByteArray stream = input.rest();

    QByteArray buffer;
    bool ringSeen = false;
    bool callerNumberReady = false;
    const QList<qsizetype> chunks = chunkSizes(stream.size(), choice);
    qsizetype from = 0;
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        if (choice & 1 && i == chunks.size() / 2)
            UnsolicitedReader::endCall(buffer, ringSeen, callerNumberReady);
        const QList<UnsolicitedReader::Event> events = UnsolicitedReader::feed(
            buffer, ringSeen, callerNumberReady, QByteArrayView(stream).sliced(from, chunks[i]));
        from += chunks[i];
        require(buffer.size() <= UnsolicitedReader::maximumBuffer,
                "the collected text stays within its bound");
        for (const UnsolicitedReader::Event &event : events)
            require(event.text.size() <= UnsolicitedReader::maximumBuffer,
                    "an event's text comes from the collected text");
        require(!(ringSeen && callerNumberReady), "a ring waits for its number type or its number");
    }
    return 0;
}
