#pragma once

#include <QList>
#include <QWidget>

class QBarSet;
class QChart;
class QChartView;
class QValueAxis;
struct SpectraBar;

// One spectrometer bar chart: a bar per channel of one sensor chip, named on
// the axis below it, on a value axis of 0 to 1 widened to take in every
// value, each bar's value written inside its end in a colour that reads on
// the bar. The object itself is never shown: its chart view is the
// display's page.
class nuvelix_spectroscopy_Squarediagram : public QWidget
{
    Q_OBJECT

public:
    explicit nuvelix_spectroscopy_Squarediagram(QWidget *parent = nullptr);

    // Build the chart of one chip: "F1" to "F8" and "NIR"; those and "FXL",
    // "FZ", "FY"; or the 18 wavelengths from "(410nm)" to "(940nm)".
    void setupPlot_AS7341();
    void setupPlot_AS7343();
    void setupPlot_AS7265X();

    // Replaces the value of bar `index`; an index without a bar changes
    // nothing.
    void update_data_barset(quint8 index, double value);

    // The view to place as a page; null until a set-up ran.
    [[nodiscard]] QChartView *chartView() const { return m_chartView; }
    [[nodiscard]] const QList<QBarSet *> &barSets() const { return m_barSets; }

private:
    void setupPlot(const QList<SpectraBar> &bars);

    QChartView *m_chartView = nullptr;
    QList<QBarSet *> m_barSets;
    QChart *m_chart = nullptr;
    QValueAxis *m_values = nullptr;
};
