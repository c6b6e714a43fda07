#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QBarSet;
class QChart;
class QStackedBarSeries;
QT_END_NAMESPACE

// The bar chart of one satellite system in the GPS Signal dialog: a bar per
// satellite, named on the category axis. The dialog owns all four; the
// category list itself is the SatelliteBoard's.
struct GpsSignalBars
{
    QChart *chart = nullptr;
    QStackedBarSeries *series = nullptr;
    QBarSet *set = nullptr;
    QBarCategoryAxis *axis = nullptr;
};
