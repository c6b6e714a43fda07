#pragma once

#include "chunkfeed.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: reading their input and the promises every
// stream parser keeps. A broken promise aborts, which libFuzzer reports as a
// finding with the input that broke it.

inline void require(bool holds, const char *promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

// The fuzz input, read from the front: small choices first, the rest as the
// stream.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : m_bytes(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)))
    {}

    // The next byte, 0 once the input is used up.
    [[nodiscard]] quint8 byte() { return m_at < m_bytes.size() ? quint8(m_bytes.at(m_at++)) : 0; }
    // The next bytes up to `end`, at most `most` of them; an `end` reached is
    // passed over.
    [[nodiscard]] QByteArray until(char end, qsizetype most)
    {
        const qsizetype stop = m_bytes.indexOf(end, m_at);
        const qsizetype size = qMin(most, (stop < 0 ? m_bytes.size() : stop) - m_at);
        const QByteArray piece = m_bytes.sliced(m_at, size);
        m_at += size + qsizetype(m_at + size == stop);
        return piece;
    }
    // Whatever is left, copied.
    [[nodiscard]] QByteArray rest() const { return m_bytes.sliced(m_at); }

private:
    QByteArray m_bytes;
    qsizetype m_at = 0;
};

// Chunk sizes that cover `length` bytes, empty chunks among them, drawn from
// `seed`: the same input always cuts its stream the same way.
inline QList<qsizetype> chunkSizes(qsizetype length, quint8 seed)
{
    const int largest = 1 + seed % 64;
    return randomChunkSizes(length, seed, largest + 1);
}

// The stream-parser promises: the stream fed whole, in the chunks of `seed`
// and whole again after a reset gives the same results, corrupt pieces and
// needsMore(), and heldInBound(parser) holds after every feed. Returns what
// the whole stream gave.
template <typename ParserFactory, typename HeldInBound>
auto requireStreamPromises(const ParserFactory &makeParser, const QByteArray &stream, quint8 seed,
                           const HeldInBound &heldInBound)
{
    const auto checkHeld = [&heldInBound](const auto &parser) {
        require(heldInBound(parser), "the bytes held stay within their bound");
    };
    auto wholeParser = makeParser();
    const auto whole = feedInChunks(wholeParser, stream, {stream.size()}, checkHeld);
    auto parser = makeParser();
    const auto chunked = feedInChunks(parser, stream, chunkSizes(stream.size(), seed), checkHeld);
    require(chunked.results == whole.results, "chunking changes no result");
    require(chunked.corrupt == whole.corrupt, "chunking changes no corrupt piece");
    require(parser.needsMore() == wholeParser.needsMore(), "chunking changes no needsMore()");
    parser.reset();
    const auto again = feedInChunks(parser, stream, {stream.size()}, checkHeld);
    require(again.results == whole.results && again.corrupt == whole.corrupt &&
                parser.needsMore() == wholeParser.needsMore(),
            "a reset parser starts afresh");
    return whole;
}

// Every corrupt piece is a piece of the stream of at most `most` bytes.
inline void requireBoundedPieces(const QList<QByteArray> &corrupt, const QByteArray &stream,
                                 qsizetype most)
{
    for (const QByteArray &piece : corrupt)
        require(piece.size() <= most && stream.contains(piece),
                "a corrupt piece is a bounded piece of the stream");
}

// Results encoded again and fed to a fresh parser read back as themselves,
// with nothing corrupt and nothing held.
template <typename ParserFactory, typename Result, typename Encode>
void requireReadsBack(const ParserFactory &makeParser, const QList<Result> &results,
                      const Encode &encode)
{
    QByteArray encoded;
    for (const Result &result : results)
        encoded += encode(result);
    auto parser = makeParser();
    const auto again = parser.feed(encoded);
    require(again.results == results && again.corrupt.isEmpty() && !parser.needsMore(),
            "results encoded read back as themselves");
}

template <typename ParserFactory>
auto requireStreamPromises(const ParserFactory &makeParser, const QByteArray &stream, quint8 seed)
{
    return requireStreamPromises(makeParser, stream, seed, [](const auto &) { return true; });
}
