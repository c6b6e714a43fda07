#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <utility>

// Sizes of chunks that cover `length` bytes, each below `bound` (empty
// chunks among them), drawn from `seed`: the same arguments always cut a
// stream the same way.
inline QList<qsizetype> randomChunkSizes(qsizetype length, quint32 seed, int bound)
{
    QRandomGenerator random(seed);
    QList<qsizetype> sizes;
    for (qsizetype from = 0; from < length; from += sizes.last())
        sizes.append(qMin<qsizetype>(random.bounded(bound), length - from));
    return sizes;
}

// Feeds `stream` to a stream parser in pieces of the given sizes, after an
// empty feed, and gathers what all the feeds gave in stream order.
// afterFeed(parser) runs after every feed.
template <typename Parser, typename AfterFeed>
auto feedInChunks(Parser &parser, const QByteArray &stream, const QList<qsizetype> &sizes,
                  const AfterFeed &afterFeed)
{
    auto all = parser.feed({});
    afterFeed(std::as_const(parser));
    qsizetype from = 0;
    for (const qsizetype size : sizes) {
        auto chunk = parser.feed(stream.mid(from, size));
        afterFeed(std::as_const(parser));
        all.results.append(std::move(chunk.results));
        all.corrupt.append(std::move(chunk.corrupt));
        from += size;
    }
    return all;
}

template <typename Parser>
auto feedInChunks(Parser &parser, const QByteArray &stream, const QList<qsizetype> &sizes)
{
    return feedInChunks(parser, stream, sizes, [](const Parser &) {});
}
