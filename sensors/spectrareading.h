#pragma once

// One value of a spectrometer line: the channel's index and the value the
// board sent, divided by 1000.
struct SpectraReading
{
    int channel = 0;
    double value = 0;

    [[nodiscard]] bool operator==(const SpectraReading &other) const
    {
        return channel == other.channel && value == other.value;
    }
};
