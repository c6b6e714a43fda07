#pragma once

#include <QByteArray>
#include <QList>

// What one feed of a stream parser gave: the results completed by the bytes
// fed, in stream order, and the pieces dropped as corrupt, in stream order,
// each holding the dropped bytes (at most a bounded prefix of them).
template <typename Result> struct ParsedChunk
{
    QList<Result> results;
    QList<QByteArray> corrupt;
};

// The contract of every framer that cuts a byte stream from a port or a
// socket into results:
// - Chunking changes nothing: the stream fed whole, byte by byte or in any
//   chunks gives the same results and the same corrupt pieces, in the same
//   order, and the same needsMore() at the end.
// - Bounded: the bytes held back and the work of a call stay bounded by the
//   parser's own limits and the size of the chunk fed, whatever the input.
// - Bytes that may still start a result are held back and needsMore() says
//   so; bytes that cannot belong to a result are dropped and reported as
//   corrupt, never held.
template <typename Result> class StreamParser
{
public:
    virtual ~StreamParser() = default;

    // Takes the next bytes of the stream; returns what they completed.
    [[nodiscard]] virtual ParsedChunk<Result> feed(const QByteArray &bytes) = 0;
    // Whether bytes are held back as the start of an unfinished result.
    [[nodiscard]] virtual bool needsMore() const = 0;
    // Forgets everything held, as if the stream started afresh.
    virtual void reset() = 0;
};
