#include "tofcolours.h"

#include <algorithm>

QColor TofColours::distanceColour(int millimetres)
{
    if (millimetres == 0)
        return Qt::white;
    // Components are computed as real numbers and truncated.
    if (millimetres <= 1000) {
        const double t = std::clamp(millimetres / 1000.0, 0.0, 1.0);
        return QColor(0, 0, int(255 * t));
    }
    const double t = std::clamp((millimetres - 1000) / 1000.0, 0.0, 1.0);
    return QColor(int(255 * t), 0, int(255 * (1 - t)));
}
