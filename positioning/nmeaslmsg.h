#pragma once

#include <QMetaType>
#include <QtGlobal>

#include <array>

// One satellite of a satellites-in-view (GSV) sentence.
struct nmea_slmsg
{
    // As the sentence numbers it (BeiDou and QZSS from 193 up); 0 when the
    // sentence has no satellite in this place.
    quint16 prn = 0;
    // Degrees above the horizon, 0..90.
    quint8 elevation = 0;
    // Degrees from true north, 0..359.
    qint32 azimuth = 0;
    // Signal to noise ratio in dB-Hz, 0..99; 0 when the satellite is not
    // tracked.
    quint8 snr = 0;
    // The SatelliteSystem code: 0 none, 1 GPS, 2 BeiDou, 3 GLONASS,
    // 4 Galileo, 5 QZSS.
    quint8 system = 0;
};

[[nodiscard]] inline bool operator==(const nmea_slmsg &a, const nmea_slmsg &b)
{
    return a.prn == b.prn && a.elevation == b.elevation && a.azimuth == b.azimuth &&
           a.snr == b.snr && a.system == b.system;
}

[[nodiscard]] inline bool operator!=(const nmea_slmsg &a, const nmea_slmsg &b)
{
    return !(a == b);
}

// The up to four satellites of one GSV sentence, passed between threads by
// value.
using GsvSatellites = std::array<nmea_slmsg, 4>;

Q_DECLARE_METATYPE(GsvSatellites)
