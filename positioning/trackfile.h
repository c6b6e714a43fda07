#pragma once

#include <QString>

struct PositionLine;

// The GPS tool's track file "GPS_Date.txt" in the home folder: one position
// line per stored fix, only ever appended to.
class TrackFile
{
public:
    [[nodiscard]] static QString path();
    // Appends the position's line whole; false when the file cannot be
    // written, and then none of the line stays. A position of "0.000000"
    // twice (no fix yet) is not stored.
    [[nodiscard]] static bool append(const PositionLine &position);
};
