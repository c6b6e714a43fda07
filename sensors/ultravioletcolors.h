#pragma once

#include <QColor>

// The ultraviolet gauge's disc colour for a reading: up to 400
// (253,216,53), up to 695 (243,156,18), up to 880 (211,84,0), below 1078
// (255,0,0), from 1078 on (74,35,90). The values 695 and 880 take the class
// below them.
[[nodiscard]] QColor ultravioletColorFor(double value);
// The text colour on an ultraviolet disc: (70,70,70), or (250,250,250) on a
// disc too dark for it (lightness below 100), so that the number stays
// readable on the darkest class.
[[nodiscard]] QColor ultravioletTextColorOn(const QColor &disc);
