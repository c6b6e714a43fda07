#pragma once

#include <QLatin1String>

#include <optional>

// One reference ellipsoid of the UTM conversions, by its row in the table the
// GPS calculation dialog offers (rows 1 to 23).
struct Ellipsoid
{
    QLatin1String name;
    // Metres.
    double equatorialRadius;
    double eccentricitySquared;

    static constexpr int firstRow = 1;
    static constexpr int lastRow = 23;

    // The ellipsoid of a row, or none outside 1..23 (row 0 is a placeholder).
    [[nodiscard]] static std::optional<Ellipsoid> row(int index);
};
