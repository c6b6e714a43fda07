#pragma once

#include <array>

// One frame of the oscilloscope board: a value for each of its four channels.
struct OscFrame
{
    static constexpr int channelCount = 4;

    std::array<double, channelCount> values{};

    [[nodiscard]] bool operator==(const OscFrame &other) const { return values == other.values; }
    [[nodiscard]] bool operator!=(const OscFrame &other) const { return !(*this == other); }
};
