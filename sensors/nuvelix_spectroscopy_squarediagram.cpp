#include "nuvelix_spectroscopy_squarediagram.h"

#include "spectrabars.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

nuvelix_spectroscopy_Squarediagram::nuvelix_spectroscopy_Squarediagram(QWidget *parent)
    : QWidget(parent)
{
    // Never shown: it only builds and feeds its chart view.
    hide();
}

void nuvelix_spectroscopy_Squarediagram::setupPlot_AS7341()
{
    setupPlot(spectraBars(0));
}

void nuvelix_spectroscopy_Squarediagram::setupPlot_AS7343()
{
    setupPlot(spectraBars(1));
}

void nuvelix_spectroscopy_Squarediagram::setupPlot_AS7265X()
{
    setupPlot(spectraBars(2));
}

void nuvelix_spectroscopy_Squarediagram::update_data_barset(quint8 index, double value)
{
    if (index < m_barSets.size())
        m_barSets.at(index)->replace(0, value);
}

// A bar set per channel with its single value; the value axis stays 0 to 1,
// so larger values run past the top of the plot.
void nuvelix_spectroscopy_Squarediagram::setupPlot(const QList<SpectraBar> &bars)
{
    auto *series = new QBarSeries;
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    for (const SpectraBar &bar : bars) {
        auto *set = new QBarSet(QString());
        series->append(set);
        set->append(0);
        set->setColor(bar.colour);
        set->setLabel(bar.label);
        m_barSets.append(set);
    }

    m_chart = new QChart;
    m_chart->addSeries(series);
    series->setBarWidth(1.0);
    auto *categories = new QCategoryAxis;
    auto *values = new QValueAxis;
    values->setRange(0, 1);
    m_chart->addAxis(categories, Qt::AlignBottom);
    m_chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    m_chartView = new QChartView(m_chart); // takes the chart over
}
