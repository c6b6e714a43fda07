#include "mwaveview.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

MWaveView::MWaveView(QWidget *parent)
    : QChartView(parent)
{
    auto *chart = new QChart;
    setChart(chart); // the view owns the chart from here on
    auto *axisX = new QValueAxis(chart);
    auto *axisY = new QValueAxis(chart);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (int channel = WAVE_CH0; channel <= WAVE_CH3; ++channel) {
        auto *line = new QLineSeries(chart);
        line->setName(QStringLiteral("CH%1").arg(channel));
        chart->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
        m_series.append(line);
    }
    setRenderHint(QPainter::Antialiasing);
}

QLineSeries *MWaveView::series(int channel) const
{
    return m_series.value(channel, nullptr);
}

void MWaveView::openChannel(int channel)
{
    if (QLineSeries *line = series(channel))
        line->setVisible(true);
}

void MWaveView::closeChannel(int channel)
{
    if (QLineSeries *line = series(channel))
        line->setVisible(false);
}

bool MWaveView::isChannelOpen(int channel) const
{
    const QLineSeries *line = series(channel);
    return line && line->isVisible();
}
