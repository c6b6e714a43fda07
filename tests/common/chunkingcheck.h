#pragma once

#include "chunkfeed.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTest>

#include <utility>

// Checks the stream-parser promise that chunking changes nothing: the stream
// fed byte by byte, in random chunks (fixed seeds, empty chunks included) and
// whole after a reset must give what it gives fed whole to a fresh parser:
// the same results, the same corrupt pieces and the same needsMore() at the
// end. makeParser returns a fresh parser object. A failure names the chunking
// that differed; callers check QTest::currentTestFailed() afterwards.
template <typename ParserFactory>
void verifyChunkingIndependence(const ParserFactory &makeParser, const QByteArray &stream)
{
    const auto feedAndAsk = [&stream](auto &parser, const QList<qsizetype> &sizes) {
        auto all = feedInChunks(parser, stream, sizes);
        return std::make_pair(all, parser.needsMore());
    };

    struct Chunking
    {
        QString name;
        QList<qsizetype> sizes;
        bool afterReset = false;
    };
    QList<Chunking> chunkings{
        {QStringLiteral("byte by byte"), QList<qsizetype>(stream.size(), 1)},
        {QStringLiteral("whole, after half of it and a reset"), {stream.size()}, true}};
    for (quint32 seed = 1; seed <= 6; ++seed) {
        chunkings.append({QStringLiteral("random chunks, seed %1").arg(seed),
                          randomChunkSizes(stream.size(), seed, 3 + 3 * int(seed))});
    }

    auto wholeParser = makeParser();
    const auto whole = feedAndAsk(wholeParser, {stream.size()});
    for (const Chunking &chunking : chunkings) {
        auto parser = makeParser();
        if (chunking.afterReset) {
            static_cast<void>(parser.feed(stream.first(stream.size() / 2)));
            parser.reset();
        }
        const auto fed = feedAndAsk(parser, chunking.sizes);
        if (fed.first.results != whole.first.results || fed.first.corrupt != whole.first.corrupt ||
            fed.second != whole.second)
            qInfo("fed %s", qPrintable(chunking.name));
        QCOMPARE(fed.first.results, whole.first.results);
        QCOMPARE(fed.first.corrupt, whole.first.corrupt);
        QCOMPARE(fed.second, whole.second);
    }
}
