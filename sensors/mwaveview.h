#pragma once

#include <QChartView>

// Channel numbers of the oscilloscope chart.
enum WAVE_CH { WAVE_CH0 = 0, WAVE_CH1, WAVE_CH2, WAVE_CH3 };

class QLineSeries;

// The oscilloscope chart: one line series per channel, each shown or hidden.
class MWaveView : public QChartView
{
    Q_OBJECT

public:
    explicit MWaveView(QWidget *parent = nullptr);

    void openChannel(int channel);
    void closeChannel(int channel);
    [[nodiscard]] bool isChannelOpen(int channel) const;

private:
    QLineSeries *series(int channel) const;

    QList<QLineSeries *> m_series;
};
