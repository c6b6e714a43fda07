#pragma once

#include <QtGlobal>

#include <array>

// A satellite system the GPS Signal dialog tells apart: its code in
// nmea_slmsg::system, its bar set's name, the prefix of its satellites'
// names and its colour (0xRRGGBB).
struct SatelliteSystem
{
    quint8 code;
    const char *name;
    const char *prefix;
    quint32 rgb;
};

// The five systems in the order of their codes, 1 to 5.
inline constexpr std::array<SatelliteSystem, 5> satelliteSystems = {{
    {1, "GPS", "GP", 0x209fdf},
    {2, "BEIDOU", "GB", 0xf96b18},
    {3, "GLONASS", "GL", 0x99ca53},
    {4, "GALILEE", "GA", 0xf9f553},
    {5, "QZSS", "GQ", 0x8e3009},
}};

// The system of a code, or null for 0 (none) and unknown codes.
[[nodiscard]] inline const SatelliteSystem *satelliteSystem(quint8 code)
{
    if (code < 1 || code > satelliteSystems.size())
        return nullptr;
    return &satelliteSystems[code - 1];
}
