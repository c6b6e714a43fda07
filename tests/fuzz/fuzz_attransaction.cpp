// libFuzzer target of an AT transaction's reply reading. The first byte
// chooses the end rule (its low bit) and the chunking; then come up to three
// awaited texts and the failure text, each ended by a NUL byte; the rest is
// what the modem sends.

#include "attransaction.h"
#include "fuzzcheck.h"

#include <memory>

namespace {
std::unique_ptr<AtTransaction> makeTransaction(AtTransaction::EndRule rule,
                                               const QByteArrayList &awaited,
                                               const QByteArray &failure)
{
    auto transaction = std::make_unique<AtTransaction>(QByteArray("AT\r\n"), 1, 1);
    transaction->setEndRule(rule);
    for (const QByteArray &text : awaited)
        transaction->await(text);
    transaction->setFailureText(failure);
    return transaction;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const auto rule =
        choice & 1 ? AtTransaction::EndRule::FullLength : AtTransaction::EndRule::FirstMatch;
    QByteArrayList awaited;
    for (int i = 0; i < 3; ++i) {
        QByteArray text = input.until('\0', 16);
        if (!text.isEmpty())
            awaited.append(text);
    }
    const QByteArray failure = input.until('\0', 16);
    const QByteArray stream = input.rest();

    const auto whole = makeTransaction(rule, awaited, failure);
    whole->take(stream);
    const auto chunked = makeTransaction(rule, awaited, failure);
    qsizetype from = 0;
    for (const qsizetype chunk : chunkSizes(stream.size(), choice)) {
        const bool endedBefore = chunked->ended();
        chunked->take(QByteArrayView(stream).sliced(from, chunk));
        from += chunk;
        require(chunked->reply().size() <= AtTransaction::maximumReply,
                "the reply is kept within its bound");
        if (!endedBefore)
            require(stream.first(from).endsWith(chunked->reply()),
                    "the reply is the newest bytes received");
    }
    if (chunked->ended()) {
        const bool matched = chunked->matchedIndex() >= 0 &&
                             chunked->reply().contains(awaited.at(chunked->matchedIndex()));
        require(matched || (chunked->failed() && chunked->reply().contains(failure)),
                "a wait ends on a text the reply holds");
    }
    // A reply that fits the bound is read alike whatever its chunks; after
    // its end a wait takes nothing more, so what it found depends on where
    // the chunk that ended it stopped.
    if (stream.size() <= AtTransaction::maximumReply) {
        require(chunked->ended() == whole->ended(), "chunking changes no end of the wait");
        if (rule == AtTransaction::EndRule::FullLength && !whole->ended()) {
            for (int i = 0; i < awaited.size(); ++i)
                require(chunked->found(i) == whole->found(i), "chunking changes nothing found");
        }
    }
    return 0;
}
