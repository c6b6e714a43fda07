#pragma once

#include "streamparser.h"

#include <QByteArray>
#include <QByteArrayView>

// Cuts a byte stream into lines ended by CR LF, of bounded length: the text
// lines of the spectrometer and time-of-flight boards.
class CrLfLineCutter : public StreamParser<QByteArray>
{
public:
    // A line holds at most maximumLength bytes, not counting its CR LF; a
    // negative length counts as 0.
    explicit CrLfLineCutter(qsizetype maximumLength = 4096);

    // A result is a line without its CR LF; a CR or an LF on its own stays in
    // the line. A longer line is dropped as it comes, reported once by its
    // first maximumLength bytes, and lines are cut again after its CR LF.
    [[nodiscard]] ParsedChunk<QByteArray> feed(const QByteArray &bytes) override;
    [[nodiscard]] bool needsMore() const override;
    void reset() override;

private:
    void append(QByteArrayView bytes, ParsedChunk<QByteArray> &parsed);
    void endLine(ParsedChunk<QByteArray> &parsed);

    qsizetype m_maximumLength;
    QByteArray m_line;
    // The bytes so far ended with a CR: it ends the line if an LF follows,
    // else it belongs to the line. Kept out of m_line so that a line of the
    // maximum length followed by its CR LF split between chunks is whole.
    bool m_crHeld = false;
    // The line under way is too long: its bytes are dropped up to its CR LF.
    bool m_dropping = false;
};
