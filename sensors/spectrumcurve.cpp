#include "spectrumcurve.h"

#include "spectrumcolours.h"

SpectrumCurve::SpectrumCurve()
    : m_wavelengths{380, 410, 435, 460, 485, 510, 535, 560, 585, 610,
                    645, 680, 705, 730, 760, 810, 860, 900, 940}
    , m_values(pointCount, 0.0)
{}

bool SpectrumCurve::setValue(qsizetype index, double value)
{
    if (index < 0 || index >= m_values.size())
        return false;
    m_values[index] = value;
    return true;
}

bool SpectrumCurve::setValues(const QList<double> &values)
{
    if (values.size() != m_wavelengths.size())
        return false;
    m_values = values;
    return true;
}

bool SpectrumCurve::setWavelengths(const QList<double> &wavelengths)
{
    if (wavelengths.size() != m_values.size())
        return false;
    m_wavelengths = wavelengths;
    return true;
}

QRect SpectrumCurve::plotArea(QSize size)
{
    return QRect(50, 20, size.width() - 70, size.height() - 60);
}

QPointF SpectrumCurve::point(qsizetype index, QSize size) const
{
    const QRect plot = plotArea(size);
    const double baseline = plot.top() + plot.height();
    return {double(index) * plot.width() / double(m_values.size() - 1) + plot.left(),
            baseline - m_values.at(index) * plot.height()};
}

QPainterPath SpectrumCurve::fillPath(QSize size) const
{
    const QRect plot = plotArea(size);
    const double baseline = plot.top() + plot.height();
    QPainterPath path(QPointF(plot.left(), baseline));
    for (qsizetype k = 0; k + 1 < m_values.size(); ++k) {
        const QPointF from = point(k, size);
        const QPointF to = point(k + 1, size);
        const double middle = (from.x() + to.x()) / 2;
        path.cubicTo(QPointF(middle, from.y()), QPointF(middle, to.y()), to);
    }
    path.lineTo(plot.left() + plot.width(), baseline);
    path.closeSubpath();
    return path;
}

QLinearGradient SpectrumCurve::fillGradient(QSize size) const
{
    const QRect plot = plotArea(size);
    QLinearGradient gradient(plot.left(), 0, plot.left() + plot.width(), 0);
    const qsizetype last = m_wavelengths.size() - 1;
    for (qsizetype i = 0; i <= last; ++i)
        gradient.setColorAt(double(i) / double(last),
                            SpectrumColours::wavelengthColour(m_wavelengths.at(i)));
    return gradient;
}
