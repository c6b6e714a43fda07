#include "dialmodel.h"

#include <cmath>

bool DialModel::setValue(double value)
{
    if (std::isnan(value))
        return false;
    if (value > m_maxValue)
        m_value = m_maxValue;
    else if (value < m_minValue)
        m_value = m_minValue;
    else
        m_value = value;
    return true;
}

bool DialModel::setMinValue(int minValue)
{
    if (minValue >= m_maxValue)
        return false;
    m_minValue = minValue;
    return true;
}

bool DialModel::setMaxValue(int maxValue)
{
    if (maxValue <= m_minValue)
        return false;
    m_maxValue = maxValue;
    return true;
}

bool DialModel::setPrecision(int precision)
{
    if (precision < 0 || precision > maximumPrecision)
        return false;
    m_precision = precision;
    return true;
}

bool DialModel::setScaleMajor(int intervals)
{
    if (intervals < 1 || intervals > maximumScaleIntervals)
        return false;
    m_scaleMajor = intervals;
    return true;
}

bool DialModel::setScaleMinor(int intervals)
{
    if (intervals < 1 || intervals > maximumScaleIntervals)
        return false;
    m_scaleMinor = intervals;
    return true;
}

QList<DialModel::ScaleNumber> DialModel::scaleNumbers() const
{
    const double start = (270 - m_startAngle) * radiansPerDegree;
    const double step = span() * radiansPerDegree / m_scaleMajor;
    const qint64 numberStep = (qint64(m_maxValue) - m_minValue) / m_scaleMajor;
    QList<ScaleNumber> numbers;
    numbers.reserve(m_scaleMajor + 1);
    for (int i = 0; i <= m_scaleMajor; ++i)
        numbers.append({start - i * step, m_minValue + i * numberStep});
    return numbers;
}

QPoint DialModel::numberPosition(double angle, int width, int height)
{
    return {int(82 * std::cos(angle) - width / 2.0), int(-82 * std::sin(angle) + height / 4.0)};
}

double DialModel::needleRotation() const
{
    const double range = double(m_maxValue) - m_minValue;
    if (range == 0)
        return m_startAngle;
    return m_startAngle + (m_value - m_minValue) * span() / range;
}

QString DialModel::readout(const QString &units) const
{
    return QStringLiteral("%1 %2").arg(m_value, 0, 'f', m_precision).arg(units);
}
