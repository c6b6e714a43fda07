#pragma once

#include "streamparser.h"

#include <QByteArray>
#include <QByteArrayView>

// Cuts a byte stream into lines of bounded length, ended by LF or CR LF, or
// only by CR LF for boards whose lines may hold a bare LF, or by LF keeping
// any CR before it in the line.
class LineFramer : public StreamParser<QByteArray>
{
public:
    enum class Ending { LfOrCrLf, CrLf, Lf };

    // A line, or the first maximumLength bytes of a longer one.
    struct Piece
    {
        QByteArray bytes;
        bool overlong = false;
    };

    // A line holds at most maximumLength bytes, not counting its end; a
    // negative length counts as 0.
    explicit LineFramer(qsizetype maximumLength, Ending ending = Ending::LfOrCrLf);

    // A result is a line without its end; a CR that ends no line stays in it,
    // and so does a bare LF when only CR LF ends lines. A longer line is
    // dropped as it comes, reported once by its first maximumLength bytes,
    // and lines are framed again after its end.
    [[nodiscard]] ParsedChunk<QByteArray> feed(const QByteArray &bytes) override;
    // As feed, with the lines and the longer lines' reports in one list in
    // stream order, for a caller that reports some lines itself beside them.
    [[nodiscard]] QList<Piece> feedInOrder(const QByteArray &bytes);
    [[nodiscard]] bool needsMore() const override;
    void reset() override;

    // The bytes held back as the line under way: at most maximumLength and
    // a CR that may still end it.
    [[nodiscard]] qsizetype heldSize() const;

private:
    void takeLineBytes(QByteArrayView piece, QList<Piece> &parsed);
    void append(QByteArrayView bytes, QList<Piece> &parsed);
    void endLine(QList<Piece> &parsed);

    qsizetype m_maximumLength;
    Ending m_ending;
    QByteArray m_line;
    // A CR ended the bytes so far: it ends the line if LF follows, else it
    // belongs to the line. Kept out of m_line so that a line of the maximum
    // length whose end is split between chunks is whole.
    bool m_crHeld = false;
    // The line under way is too long: its bytes are dropped up to its end.
    bool m_dropping = false;
};
