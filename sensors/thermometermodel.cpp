#include "thermometermodel.h"

#include <algorithm>
#include <cmath>

bool ThermometerModel::setValue(double value)
{
    if (!std::isfinite(value))
        return false;
    m_value = value;
    return true;
}

bool ThermometerModel::spanAccepted(int minValue, int maxValue)
{
    const qint64 span = qint64(maxValue) - minValue;
    return span >= 10 && span <= 10 * qint64(maximumIntervals);
}

bool ThermometerModel::setMaxValue(int maxValue)
{
    maxValue = cutToTen(maxValue);
    if (!spanAccepted(m_minValue, maxValue))
        return false;
    m_maxValue = maxValue;
    return true;
}

bool ThermometerModel::setMinValue(int minValue)
{
    minValue = cutToTen(minValue);
    if (!spanAccepted(minValue, m_maxValue))
        return false;
    m_minValue = minValue;
    return true;
}

bool ThermometerModel::setPrecision(int precision)
{
    if (std::find(std::begin(precisions), std::end(precisions), precision) == std::end(precisions))
        return false;
    m_precision = precision;
    return true;
}

QColor ThermometerModel::liquidColorFor(double value)
{
    if (value <= 0)
        return {100, 184, 255};
    if (value > 15 && value < 25)
        return {24, 189, 155};
    return {250, 100, 100};
}

QRectF ThermometerModel::barRect(int width, int height, int centerWidth, int topPadding,
                                 int bottomPadding)
{
    return {double((width - centerWidth) / 2), double(topPadding), double(centerWidth),
            height - topPadding - bottomPadding - 4.5 * centerWidth};
}

QList<ThermometerModel::Tick> ThermometerModel::ticks(const QRectF &bar) const
{
    const int intervals = (m_maxValue - m_minValue) / 10;
    const double step = bar.height() / (intervals + 1);
    const int sub = 10 / m_precision;
    QList<Tick> ticks;
    ticks.reserve((intervals + 1) * qMax(1, sub));
    for (int i = 0; i <= intervals; ++i) {
        const double y = bar.y() + bar.height() - (i + 0.5) * step;
        ticks.append({y, true, i * 10 + m_minValue});
        if (i < intervals && sub >= 2)
            for (int j = 1; j < sub; ++j)
                ticks.append({y - j * step / sub, false, 0});
    }
    return ticks;
}

double ThermometerModel::liquidLevel(double barHeight) const
{
    const double level =
        (m_value - m_minValue + 5) / (double(m_maxValue) - m_minValue + 10) * barHeight;
    return std::clamp(level, 0.0, qMax(0.0, barHeight));
}

QString ThermometerModel::readout() const
{
    return QString::number(m_value, 'g', 6) + QStringLiteral("°C");
}
