#pragma once

#include <QColor>
#include <QList>
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
