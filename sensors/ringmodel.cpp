#include "ringmodel.h"

#include <cmath>

bool RingModel::setValue(double value)
{
    if (std::isnan(value) || value < m_minValue || value > m_maxValue || value == m_value)
        return false;
    m_value = value;
    return true;
}

bool RingModel::setRange(int minValue, int maxValue)
{
    if (minValue >= maxValue)
        return false;
    m_minValue = minValue;
    m_maxValue = maxValue;
    return true;
}

bool RingModel::setMinValue(int minValue)
{
    return setRange(minValue, m_maxValue);
}

bool RingModel::setMaxValue(int maxValue)
{
    return setRange(m_minValue, maxValue);
}

bool RingModel::setLineWidth(int width)
{
    if (width < minimumLineWidth || width > maximumLineWidth || width == m_lineWidth)
        return false;
    m_lineWidth = width;
    return true;
}

QColor RingModel::usedColorFor(double value)
{
    if (value <= 45)
        return {240, 189, 24};
    if (value < 75)
        return {24, 189, 155};
    return {100, 184, 255};
}

double RingModel::arcDegrees(bool clockWise) const
{
    const double degrees = m_value * 360 / (double(m_maxValue) - m_minValue);
    return clockWise ? degrees : -degrees;
}

int RingModel::backgroundRadius(Style style) const
{
    switch (style) {
    case Style::ArcPolo:
        return outerRadius - 2 * m_lineWidth;
    case Style::Arc:
        return outerRadius - m_lineWidth;
    default:
        return outerRadius;
    }
}

int RingModel::discRadius(Style style) const
{
    return style == Style::ArcPolo ? outerRadius - 2 * m_lineWidth : outerRadius - m_lineWidth;
}

QRectF RingModel::discFill(int radius) const
{
    const double height = m_value * radius / (double(m_maxValue) - m_minValue);
    return {double(-radius), radius - 2 * height, 2.0 * radius, 2 * height};
}

QString RingModel::text(bool showPercent) const
{
    if (showPercent)
        return QStringLiteral("%1%").arg(m_value / (double(m_maxValue) - m_minValue) * 100);
    return QStringLiteral("%1").arg(m_value);
}
