#pragma once

#include "nmeaslmsg.h"
#include "satellitesystem.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <array>
#include <optional>

// What the GPS Signal dialog shows, without its charts: per system the names
// of its satellites (the bar categories) with their bar values, and which
// satellites have a point on the sky plot, taken from a receiver's GSV
// sentences cycle by cycle.
//
// Per system a receiver lists its satellites in view every cycle, in one
// group of sentences or, from NMEA 4.10 on, in one group per signal band;
// a band that does not track a satellite lists it with an empty SNR. Within
// a cycle a satellite takes the best SNR any group gave it so far; when the
// cycle ends, every satellite whose best stayed below a threshold (none
// listed it, or none with a signal) loses its bar or its sky point.
class SatelliteBoard
{
public:
    // Bars each system's set holds at least; more when more satellites come.
    static constexpr int barCount = 99;
    // A satellite below this SNR has no bar.
    static constexpr int barSnr = 5;
    // A satellite below this SNR has no sky point.
    static constexpr int skySnr = 6;

    // Where a sky point stands: its azimuth and 90 - elevation (the centre
    // of the plot is the zenith).
    struct SkyPlace
    {
        double azimuth = 0;
        double radial = 0;
    };

    SatelliteBoard();

    // Takes one sentence of its system's cycle. A satellite with a bar takes
    // its best SNR of the cycle, a new one is appended to its system's
    // categories once that reaches 5; it gets a sky point, placed where the
    // sentence puts it, once that reaches 6, and a shown point keeps its
    // place. A group that begins again (its signal band already seen in the
    // cycle) begins a new cycle; a group that ends the cycle as the last
    // one did, or that has no signal band, ends it at its last sentence.
    void take(const GsvSentence &sentence);
    // Back to empty: no categories, every bar 0, no sky point, no cycle.
    void clear();

    // The satellites of a system (its code, 1 to 5) in their bars' order.
    [[nodiscard]] QStringList categories(quint8 system) const;
    // The bar values of a system: at least barCount, 0 after the last
    // category.
    [[nodiscard]] QList<int> bars(quint8 system) const;
    // The keys of the sky points shown, in order.
    [[nodiscard]] QList<quint32> skyKeys() const;
    [[nodiscard]] std::optional<SkyPlace> skyPlace(quint32 key) const;

    // A sky point's key: the same PRN of two systems is two satellites.
    [[nodiscard]] static quint32 skyKey(quint8 system, quint16 prn);
    // The system and the PRN a sky point's key was made of.
    [[nodiscard]] static quint8 systemOf(quint32 key);
    [[nodiscard]] static quint16 prnOf(quint32 key);

private:
    // The cycle a system's sentences are in now.
    struct Cycle
    {
        // The best SNR of each satellite listed so far.
        QHash<quint16, int> best;
        // The signal bands whose groups began in this cycle.
        QList<int> groups;
        // The band of the group seen last, and of the one that ended the
        // cycle before (unknown at first).
        std::optional<int> lastGroup;
        std::optional<int> closingGroup;
    };

    struct SystemBoard
    {
        // The satellites with a bar, in their bars' order.
        QList<quint16> prns;
        QList<int> bars;
        Cycle cycle;
    };

    void show(SystemBoard &board, const nmea_slmsg &satellite, int snr);
    void endCycle(SystemBoard &board, quint8 system);

    std::array<SystemBoard, satelliteSystems.size()> m_systems;
    QHash<quint32, SkyPlace> m_sky;
};
