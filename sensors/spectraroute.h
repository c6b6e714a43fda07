#pragma once

#include <optional>

// Where the spectrometer display puts one channel value: a bar of one of the
// three bar charts, or a point of the spectrum curve.
struct SpectraRoute
{
    enum class Target { BarsAS7341, BarsAS7343, BarsAS7265X, Curve };

    Target target = Target::BarsAS7341;
    // The bar, or the curve point (channel 0 is the 410 nm point, 1).
    int slot = 0;

    // Chart mode 1 (line chart) sends channels 0 to 17 to the curve for any
    // sensor type; mode 0 (bar chart) sends a channel to the bar of the same
    // index of the type's chart (0 "AS7341", 1 "AS7343", 2 "AS7265X") when
    // the chart has that bar. Anything else goes nowhere.
    [[nodiscard]] static std::optional<SpectraRoute> of(int channel, int type, int mode);

    [[nodiscard]] bool operator==(const SpectraRoute &other) const
    {
        return target == other.target && slot == other.slot;
    }
};
