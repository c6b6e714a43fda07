#include "spectrumcolours.h"

namespace {
// Components are computed as real numbers and truncated.
QColor rgb(double red, double green, double blue)
{
    return QColor(int(red), int(green), int(blue));
}
} // namespace

QColor SpectrumColours::wavelengthColour(double nanometres)
{
    const double l = nanometres;
    if (l >= 380 && l < 440)
        return rgb(150 - 70 * (l - 380) / 60, 0, 255);
    if (l >= 440 && l < 490)
        return rgb(0, 180 * (l - 440) / 50, 255);
    if (l >= 490 && l < 510) {
        const double t = 75 * (l - 490) / 20;
        return rgb(0, 180 + t, 255 - t);
    }
    if (l >= 510 && l < 580)
        return rgb(255 * (l - 510) / 70, 255, 0);
    if (l >= 580 && l < 645)
        return rgb(255, 255 - 205 * (l - 580) / 65, 0);
    if (l >= 645 && l < 750) {
        const double green = 50 - 50 * (l - 645) / 105;
        return rgb(255 - 127 * (l - 645) / 105, green, green);
    }
    if (l >= 750 && l <= 940) {
        const double green = 160 * (l - 750) / 190;
        return rgb(128 + 32 * (l - 750) / 190, green, green);
    }
    return QColor(128, 128, 128);
}
