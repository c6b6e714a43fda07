#pragma once

#include "nmeaslmsg.h"
#include "satellitesystem.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <array>

// What the GPS Signal dialog shows, without its charts: per system the names
// of its satellites (the bar categories) with their bar values, and which
// satellites have a point on the sky plot. Placing a satellite tells the
// window what to change on its charts.
class SatelliteBoard
{
public:
    // Bars each system's set holds at least; more when more satellites come.
    static constexpr int barCount = 99;
    // A satellite below this SNR has no bar.
    static constexpr int barSnr = 5;
    // A satellite below this SNR has no sky point.
    static constexpr int skySnr = 6;

    enum class BarChange {
        None,
        // Bar `bar` takes the value `snr`.
        Set,
        // Bar `bar` and its category went; the bars after it moved one place
        // toward the start and a zero bar was added at the end.
        Removed,
    };
    enum class SkyChange {
        None,
        // A point at (azimuth, radial) appears for the satellite.
        Show,
        // The satellite's point goes.
        Hide,
    };

    // What placing one satellite changed on the charts of its system.
    struct Change
    {
        // 0 when the satellite is not drawn at all.
        quint8 system = 0;
        BarChange bars = BarChange::None;
        int bar = -1;
        int snr = 0;
        // The system's category list differs from before.
        bool categoriesChanged = false;
        SkyChange sky = SkyChange::None;
        quint32 skyKey = 0;
        double azimuth = 0;
        // 90 - elevation: the centre of the plot is the zenith.
        double radial = 0;
    };

    SatelliteBoard();

    // Places one satellite. Its name is the system's prefix and its PRN; a
    // new name is appended to the system's categories and its bar takes the
    // SNR, and a satellite whose SNR drops below 5 loses its bar and its
    // category. A satellite without a sky point gets one when its SNR is 6
    // or more, and one with a point loses it below 6; a shown point keeps
    // its place. A satellite of system 0 changes nothing.
    [[nodiscard]] Change place(const nmea_slmsg &satellite);
    // Back to empty: no categories, every bar 0, no sky point.
    void clear();

    // The satellites of a system (its code, 1 to 5) in their bars' order.
    [[nodiscard]] QStringList categories(quint8 system) const;
    // The bar values of a system: at least barCount, 0 after the last
    // category.
    [[nodiscard]] QList<int> bars(quint8 system) const;
    // Whether the satellite has a point on the sky plot.
    [[nodiscard]] bool skyShown(quint8 system, quint16 prn) const;
    // The keys of the sky points shown.
    [[nodiscard]] QList<quint32> skyKeys() const;

    // A sky point's key: the same PRN of two systems is two satellites.
    [[nodiscard]] static quint32 skyKey(quint8 system, quint16 prn);

private:
    struct SystemBars
    {
        QStringList categories;
        QList<int> bars;
    };

    std::array<SystemBars, satelliteSystems.size()> m_systems;
    QSet<quint32> m_sky;
};
