#include "ultravioletcolors.h"

QColor ultravioletColorFor(double value)
{
    if (value <= 400)
        return {253, 216, 53};
    if (value <= 695)
        return {243, 156, 18};
    if (value <= 880)
        return {211, 84, 0};
    if (value < 1078)
        return {255, 0, 0};
    return {74, 35, 90};
}

QColor ultravioletTextColorOn(const QColor &disc)
{
    return disc.lightness() < 100 ? QColor(250, 250, 250) : QColor(70, 70, 70);
}
