// libFuzzer target of an AT transaction's reply reading. The first byte
// chooses the end rule (its low bit), whether lines beginning with '+' are
// foreign (the next bit) and the chunking; then come up to three awaited
// texts and the failure text, each ended by a NUL byte; the rest is what the
// modem sends.

#include "attransaction.h"
#include "fuzzcheck.h"

#include <memory>

namespace {
// What the transaction made of a stream: the bytes it handed back and, once
// the stream is over, its unfinished last line handed back too.
struct Reading
{
    std::unique_ptr<AtTransaction> transaction;
    QByteArray handedBack;
};

std::unique_ptr<AtTransaction> makeTransaction(quint8 choice, const QByteArrayList &awaited,
                                               const QByteArray &failure)
{
    auto transaction = std::make_unique<AtTransaction>(QByteArray("AT\r\n"), 1, 1);
    transaction->setEndRule(choice & 1 ? AtTransaction::EndRule::FullLength
                                       : AtTransaction::EndRule::FirstMatch);
    if (choice & 2)
        transaction->setForeignLines([](QByteArrayView line) { return line.startsWith('+'); });
    for (const QByteArray &text : awaited)
        transaction->await(text);
    transaction->failOn(failure);
    return transaction;
}

// The modem's texts end at a line end, if they hold one at all.
QByteArray text(FuzzInput &input)
{
    QByteArray piece = input.until('\0', 16);
    const qsizetype lineFeed = piece.indexOf('\n');
    if (lineFeed >= 0)
        piece.truncate(lineFeed + 1);
    return piece;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    QByteArrayList awaited;
    for (int i = 0; i < 3; ++i) {
        const QByteArray awaitedText = text(input);
        if (!awaitedText.isEmpty())
            awaited.append(awaitedText);
    }
    const QByteArray failure = text(input);
    const QByteArray stream = input.rest();

    const auto read = [&](const QList<qsizetype> &chunks) {
        Reading reading{makeTransaction(choice, awaited, failure), {}};
        qsizetype from = 0;
        for (const qsizetype chunk : chunks) {
            const bool endedBefore = reading.transaction->ended();
            const QByteArray back =
                reading.transaction->take(QByteArrayView(stream).sliced(from, chunk));
            from += chunk;
            require(reading.transaction->reply().size() <= AtTransaction::maximumReply,
                    "the reply is kept within its bound");
            if (endedBefore)
                require(back.size() == chunk, "after its end a wait hands every byte back");
            reading.handedBack.append(back);
        }
        reading.handedBack.append(reading.transaction->takeUnfinished());
        return reading;
    };
    const Reading whole = read({stream.size()});
    const Reading chunked = read(chunkSizes(stream.size(), choice));

    for (const Reading *reading : {&whole, &chunked}) {
        const AtTransaction &transaction = *reading->transaction;
        if (transaction.ended() && !transaction.failed()) {
            require(transaction.matchedIndex() < 0 ||
                        transaction.reply().contains(awaited.at(transaction.matchedIndex())),
                    "a wait ends on a text the reply holds");
        }
        if (transaction.failed())
            require(transaction.reply().contains(failure), "a failure is a text the reply holds");
        // A reply that fits its bound loses no byte: each is the reply's or
        // handed back.
        if (stream.size() <= AtTransaction::maximumReply)
            require(transaction.reply().size() + reading->handedBack.size() == stream.size(),
                    "every byte is the reply's or handed back");
    }
    // Where the chunk that ended a wait stopped decides what is reply and
    // what is handed back, but not whether the wait ended.
    if (stream.size() <= AtTransaction::maximumReply) {
        require(chunked.transaction->ended() == whole.transaction->ended(),
                "chunking changes no end of the wait");
        if (!whole.transaction->ended()) {
            require(chunked.transaction->reply() == whole.transaction->reply() &&
                        chunked.handedBack == whole.handedBack,
                    "chunking changes nothing of an open wait");
            for (int i = 0; i < awaited.size(); ++i)
                require(chunked.transaction->found(i) == whole.transaction->found(i),
                        "chunking changes nothing found");
        }
    }
    return 0;
}
