#include "gsvreader.h"

#include "nmeafields.h"

#include <algorithm>
#include <limits>

namespace {

struct TalkerCode
{
    QByteArrayView talker;
    quint8 system;
};

constexpr TalkerCode talkerCodes[] = {
    {"PGSV", 1}, {"DGSV", 2}, {"BGSV", 2}, {"LGSV", 3}, {"QGSV", 5}, {"AGSV", 4},
};

// Fields 1 to 3: sentence count, sentence number, satellites in view.
constexpr int headerFields = 3;
constexpr int blockFields = 4;

// Field n read as a whole number held within lowest..highest.
int number(QByteArrayView sentence, int n, int lowest, int highest)
{
    const int value =
        NmeaFields::truncated(NmeaFields::leadingNumber(NmeaFields::field(sentence, n)));
    return std::clamp(value, lowest, highest);
}

} // namespace

quint8 GsvReader::systemOf(QByteArrayView sentence)
{
    for (const TalkerCode &code : talkerCodes) {
        if (sentence.contains(code.talker))
            return code.system;
    }
    return 0;
}

GsvSentence GsvReader::read(QByteArrayView sentence)
{
    GsvSentence read;
    read.system = systemOf(sentence);
    // A group has at most nine sentences, but a count or number up to 99 is
    // taken as sent; a larger one is held at 99.
    read.count = number(sentence, 1, 0, 99);
    read.number = number(sentence, 2, 0, 99);
    const int dataFields = std::max(0, NmeaFields::lastField(sentence) - headerFields);
    if (dataFields % blockFields == 1) {
        bool ok = false;
        const int signal =
            NmeaFields::field(sentence, headerFields + dataFields).trimmed().toInt(&ok, 16);
        if (ok && signal >= 0)
            read.signalId = signal;
    }
    GsvSatellites &satellites = read.satellites;
    const int blocks = std::min<int>(dataFields / blockFields, int(satellites.size()));
    for (int block = 0; block < blocks; ++block) {
        const int first = headerFields + 1 + block * blockFields;
        nmea_slmsg &satellite = satellites[block];
        satellite.prn = quint16(number(sentence, first, 0, std::numeric_limits<quint16>::max()));
        satellite.elevation = quint8(number(sentence, first + 1, 0, 90));
        satellite.azimuth = number(sentence, first + 2, 0, 359);
        satellite.snr = quint8(number(sentence, first + 3, 0, 99));
        satellite.system = satellite.prn != 0 ? read.system : 0;
    }
    return read;
}
