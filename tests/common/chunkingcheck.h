#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVariant>

#include <memory>
#include <utility>

namespace ChunkingCheckDetail {

// One way of cutting the stream into chunks, by their sizes.
struct Chunking
{
    QString name;
    QList<qsizetype> sizes;
    bool afterReset = false;
};

// Everything one parser gave over the whole stream.
template <typename Chunk> struct Outcome
{
    Chunk parsed;
    bool needsMore = false;
};

// Feeds the stream in chunks of the given sizes and gathers what came out.
template <typename Parser>
auto feedInChunks(Parser &parser, const QByteArray &stream, const QList<qsizetype> &sizes)
{
    Outcome<decltype(parser.feed(stream))> outcome;
    qsizetype from = 0;
    for (const qsizetype size : sizes) {
        auto chunk = parser.feed(stream.mid(from, size));
        outcome.parsed.results.append(std::move(chunk.results));
        outcome.parsed.corrupt.append(std::move(chunk.corrupt));
        from += size;
    }
    outcome.needsMore = parser.needsMore();
    return outcome;
}

// The item at `at` in readable form, for failure messages.
template <typename T> QString describe(const QList<T> &list, qsizetype at)
{
    if (at >= list.size())
        return QStringLiteral("nothing");
    const std::unique_ptr<char[]> text(QTest::toString(list.at(at)));
    return text ? QString::fromUtf8(text.get()) : QStringLiteral("an unprintable value");
}

// Where two lists first differ, or an empty text when they are equal.
template <typename T>
QString difference(const QList<T> &expected, const QList<T> &actual, const char *what)
{
    if (expected == actual)
        return {};
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected.at(at) == actual.at(at))
        ++at;
    return QStringLiteral("%1 #%2 (of %3 expected, %4 got): expected %5, got %6")
        .arg(QLatin1String(what))
        .arg(at)
        .arg(expected.size())
        .arg(actual.size())
        .arg(describe(expected, at), describe(actual, at));
}

// Byte by byte, whole after a reset, and random chunks of up to 5 to 20 bytes,
// empty ones included.
inline QList<Chunking> chunkings(const QByteArray &stream)
{
    QList<Chunking> all{
        {QStringLiteral("byte by byte"), QList<qsizetype>(stream.size(), 1)},
        {QStringLiteral("whole, after half of it and a reset"), {stream.size()}, true}};
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QRandomGenerator random(seed);
        Chunking chunking;
        QStringList sizeTexts;
        for (qsizetype from = 0; from < stream.size();) {
            const qsizetype size =
                qMin<qsizetype>(random.bounded(3 + 3 * int(seed)), stream.size() - from);
            chunking.sizes.append(size);
            sizeTexts.append(QString::number(size));
            from += size;
        }
        chunking.name = QStringLiteral("random chunks of %1").arg(sizeTexts.join(QLatin1Char(' ')));
        all.append(chunking);
    }
    return all;
}

} // namespace ChunkingCheckDetail

// Checks the stream-parser promise that chunking changes nothing: the stream
// fed byte by byte, in random chunks (fixed seeds) and whole after a reset
// must give what it gives fed whole to a fresh parser: the same results, the
// same corrupt pieces and the same needsMore() at the end. makeParser returns
// a fresh parser object. A failure names the chunking that differed; callers
// check QTest::currentTestFailed() afterwards.
template <typename ParserFactory>
void verifyChunkingIndependence(const ParserFactory &makeParser, const QByteArray &stream)
{
    using namespace ChunkingCheckDetail;
    auto wholeParser = makeParser();
    const auto whole = feedInChunks(wholeParser, stream, {stream.size()});
    for (const Chunking &chunking : chunkings(stream)) {
        auto parser = makeParser();
        if (chunking.afterReset) {
            static_cast<void>(parser.feed(stream.first(stream.size() / 2)));
            parser.reset();
        }
        const auto outcome = feedInChunks(parser, stream, chunking.sizes);
        QString failure = difference(whole.parsed.results, outcome.parsed.results, "result");
        if (failure.isEmpty())
            failure = difference(whole.parsed.corrupt, outcome.parsed.corrupt, "corrupt piece");
        if (failure.isEmpty() && whole.needsMore != outcome.needsMore)
            failure = QStringLiteral("needsMore() at the end: expected %1, got %2")
                          .arg(QVariant(whole.needsMore).toString(),
                               QVariant(outcome.needsMore).toString());
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QStringLiteral("fed %1: %2").arg(chunking.name, failure)));
    }
}
