#pragma once

#include "lineframer.h"
#include "streamparser.h"

#include <QByteArray>
#include <QByteArrayView>

// Cuts the byte stream of a GPS receiver into NMEA sentences whose checksum
// holds.
class NmeaFramer : public StreamParser<QByteArray>
{
public:
    // A sentence holds at most maximumLength bytes before its line end (LF
    // or CR LF); a length below 1 counts as 1.
    explicit NmeaFramer(qsizetype maximumLength = 1024);

    // A sentence runs from a '$' to the next LF, both included, whatever lies
    // between (a further '$' too). Bytes before a '$' are dropped unreported.
    // A result is a sentence whose checksum holds; any other sentence is
    // reported as corrupt. A longer sentence is reported once by its first
    // maximumLength bytes and dropped up to its LF.
    [[nodiscard]] ParsedChunk<QByteArray> feed(const QByteArray &bytes) override;
    [[nodiscard]] bool needsMore() const override;
    void reset() override;

    // The bytes held back as the start of the sentence under way.
    [[nodiscard]] qsizetype heldSize() const;

    // Whether a whole sentence passes its checksum: the exclusive-or of the
    // bytes between the '$' and the first '*', each taken as a signed 8-bit
    // value, equals the two characters after the '*' read as hexadecimal.
    // A sentence without '*' fails.
    [[nodiscard]] static bool checksumHolds(QByteArrayView sentence);

private:
    void takeSentenceBytes(QByteArrayView piece, ParsedChunk<QByteArray> &parsed);

    // Cuts the sentence under way, from its '$', and bounds it.
    LineFramer m_lines;
    // A '$' was met: the bytes up to the next LF belong to its sentence.
    bool m_inSentence = false;
    // The last byte taken was a CR: a LF alone next ends the sentence with
    // CR LF.
    bool m_crLast = false;
};
