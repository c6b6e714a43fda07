#pragma once

#include "spectrareading.h"

#include <QList>
#include <QStringView>

// The spectrometer boards' lines, a channel name, a colon and a decimal
// integer ("F3:2500"), and the sensor types of the Spectra tab.
namespace SpectraChannels {

// Sensor type of the type box's text: 0 "AS7341", 1 "AS7343", 2 "AS7265X",
// 255 for any other text.
[[nodiscard]] quint8 sensorType(QStringView text);

// Channel index of a name ("F1" to "F18", "NIR", "FXL", "FZ", "FY", exact and
// case-sensitive); -1 for a name not in the table.
[[nodiscard]] int channelIndex(QStringView name);

// The readings of the text's lines, split at CR LF, in order. A line is
// skipped unless it is a known name and a base-10 integer that fits 32 bits,
// joined by exactly one colon.
[[nodiscard]] QList<SpectraReading> readings(QStringView text);

} // namespace SpectraChannels
