#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QString>

// One bar of a spectrometer bar chart: its legend label and its colour.
struct SpectraBar
{
    QString label;
    QColor colour;
};

// The bars of a sensor type's chart in bar order (0 "AS7341", 1 "AS7343",
// 2 "AS7265X"); none for any other type.
[[nodiscard]] const QList<SpectraBar> &spectraBars(int type);

// The value axis for bars of these values: 0 to 1, widened to take in every
// value, so each bar and its value label can be read.
[[nodiscard]] QPair<double, double> spectraValueSpan(const QList<double> &values);

// A value label's colour inside a bar: black on a light bar, white on a
// dark one, by the colour's perceived lightness.
[[nodiscard]] QColor spectraLabelColour(const QColor &bar);
