#pragma once

#include <QColor>

// The background colour of a distance in the time-of-flight grid.
namespace TofColours {

// White for 0; black to blue up to 1000 mm (negative distances black); blue
// to red from 1000 to 2000 mm, red beyond.
[[nodiscard]] QColor distanceColour(int millimetres);

} // namespace TofColours
