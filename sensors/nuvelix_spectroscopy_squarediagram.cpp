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

// The value axis follows, so a value above 1 or below 0 stays readable.
void nuvelix_spectroscopy_Squarediagram::update_data_barset(quint8 index, double value)
{
    if (index >= m_barSets.size())
        return;
    m_barSets.at(index)->replace(0, value);
    QList<double> values;
    for (const QBarSet *set : std::as_const(m_barSets))
        values.append(set->at(0));
    const QPair<double, double> span = spectraValueSpan(values);
    m_values->setRange(span.first, span.second);
}

// A bar set per channel with its single value, all in the one category, so
// bar i spans a 1 / n wide slice of it; the category axis names each slice.
// The axis names the bars, so the legend, which the eighteen wavelengths of
// the AS7265X overflow at the window's size, is left out; those eighteen
// names stand upright to fit side by side.
void nuvelix_spectroscopy_Squarediagram::setupPlot(const QList<SpectraBar> &bars)
{
    auto *series = new QBarSeries;
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    auto *categories = new QCategoryAxis;
    categories->setStartValue(-0.5);
    categories->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    categories->setGridLineVisible(false);
    const double width = 1.0 / double(bars.size());
    for (const SpectraBar &bar : bars) {
        auto *set = new QBarSet(QString());
        series->append(set);
        set->append(0);
        set->setColor(bar.colour);
        set->setLabel(bar.label);
        set->setLabelColor(spectraLabelColour(bar.colour));
        m_barSets.append(set);
        categories->append(bar.label, -0.5 + width * double(m_barSets.size()));
    }
    if (bars.size() > 12)
        categories->setLabelsAngle(-90);

    m_chart = new QChart;
    m_chart->addSeries(series);
    m_chart->legend()->hide();
    series->setBarWidth(1.0);
    m_values = new QValueAxis;
    m_values->setRange(0, 1);
    m_chart->addAxis(categories, Qt::AlignBottom);
    m_chart->addAxis(m_values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(m_values);
    m_chartView = new QChartView(m_chart); // takes the chart over
}
