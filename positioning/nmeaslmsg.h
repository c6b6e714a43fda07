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

// The up to four satellites of one GSV sentence.
using GsvSatellites = std::array<nmea_slmsg, 4>;

// One GSV sentence as read, passed between threads by value: its place in
// its group and the satellites it lists. A receiver sends a group of
// sentences per system and, from NMEA 4.10 on, one group per signal band.
struct GsvSentence
{
    // No signal ID field: a receiver older than NMEA 4.10.
    static constexpr int noSignal = -1;

    // The talker's system code, 0 for talkers of no single system.
    quint8 system = 0;
    // Sentences in the group and this one's number (fields 1 and 2).
    int count = 0;
    int number = 0;
    // The signal band of the group (the field after the satellites).
    int signalId = noSignal;
    GsvSatellites satellites{};

    [[nodiscard]] bool operator==(const GsvSentence &other) const
    {
        return system == other.system && count == other.count && number == other.number &&
               signalId == other.signalId && satellites == other.satellites;
    }
};

Q_DECLARE_METATYPE(GsvSentence)
