#pragma once

#include "streamparser.h"

#include <QByteArray>
#include <QByteArrayView>

// Cuts a byte stream into lines ending with LF, or CR LF, of bounded length.
class LineFramer : public StreamParser<QByteArray>
{
public:
    // A line holds at most maximumLength bytes, not counting its end; a
    // negative length counts as 0.
    explicit LineFramer(qsizetype maximumLength);

    // A result is a line without its LF and without one CR right before the
    // LF; any other CR stays in the line. A longer line is dropped as it
    // comes, reported once by its first maximumLength bytes, and lines are
    // framed again after its LF.
    [[nodiscard]] ParsedChunk<QByteArray> feed(const QByteArray &bytes) override;
    [[nodiscard]] bool needsMore() const override;
    void reset() override;

private:
    void takeLineBytes(QByteArrayView piece, ParsedChunk<QByteArray> &parsed);
    void append(QByteArrayView bytes, ParsedChunk<QByteArray> &parsed);
    void endLine(ParsedChunk<QByteArray> &parsed);

    qsizetype m_maximumLength;
    QByteArray m_line;
    // A CR ended the bytes so far: it ends the line if LF follows, else it
    // belongs to the line. Kept out of m_line so it never exceeds the maximum.
    bool m_crHeld = false;
    // The line under way is too long: its bytes are dropped up to its LF.
    bool m_dropping = false;
};
