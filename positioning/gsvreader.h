#pragma once

#include "nmeaslmsg.h"

#include <QByteArrayView>

// Reads the satellites of one satellites-in-view (GSV) sentence.
class GsvReader
{
public:
    // The system code of the sentence's talker, by the first of "PGSV" (1),
    // "DGSV" and "BGSV" (2), "LGSV" (3), "QGSV" (5) and "AGSV" (4) found in
    // it; 0 for any other talker, such as the combined "GNGSV".
    [[nodiscard]] static quint8 systemOf(QByteArrayView sentence);

    // The sentence's group fields and the satellites it lists, four fields
    // each (PRN, elevation, azimuth, SNR) from field 4 on; an empty field
    // reads as 0, a number is cut towards zero and held within the record's
    // range. Only whole blocks of four are satellites: a single field after
    // them is the signal ID (hexadecimal) that NMEA 4.10 appends. Places the
    // sentence does not fill have PRN 0; a satellite's system is the
    // talker's when its PRN is not 0.
    [[nodiscard]] static GsvSentence read(QByteArrayView sentence);
};
