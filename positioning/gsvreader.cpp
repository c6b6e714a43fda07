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

// Field n read as a whole number within lowest..highest.
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

GsvSatellites GsvReader::read(QByteArrayView sentence)
{
    GsvSatellites satellites{};
    const int dataFields = std::max(0, NmeaFields::lastField(sentence) - headerFields);
    const int blocks = std::min<int>(dataFields / blockFields, int(satellites.size()));
    const quint8 system = systemOf(sentence);
    for (int block = 0; block < blocks; ++block) {
        const int first = headerFields + 1 + block * blockFields;
        nmea_slmsg &satellite = satellites[block];
        satellite.prn = quint16(number(sentence, first, 0, std::numeric_limits<quint16>::max()));
        satellite.elevation = quint8(number(sentence, first + 1, 0, 90));
        satellite.azimuth = number(sentence, first + 2, 0, 359);
        satellite.snr = quint8(number(sentence, first + 3, 0, 99));
        satellite.system = satellite.prn != 0 ? system : 0;
    }
    return satellites;
}
