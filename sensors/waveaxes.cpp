#include "waveaxes.h"

#include <cmath>

namespace {
// Half the span given to data without extent about `middle`: a twentieth of
// its size, and at least 0.5.
double halfSpanAbout(double middle)
{
    return qMax(std::abs(middle) / 20, 0.5);
}

double limited(double value)
{
    return qBound(-WaveAxes::valueLimit, value, WaveAxes::valueLimit);
}

WaveAxes::Span limited(WaveAxes::Span span)
{
    return {limited(span.min), limited(span.max)};
}
} // namespace

void WaveAxes::setRangeX(double range)
{
    if (range > 0)
        m_rangeX = range;
}

void WaveAxes::setRangeY(double range)
{
    if (range > 0)
        m_rangeY = range;
}

void WaveAxes::setZoomX(double step)
{
    if (step > 0)
        m_zoomX = step;
}

void WaveAxes::setZoomY(double step)
{
    if (step > 0)
        m_zoomY = step;
}

WaveAxes::Span WaveAxes::scrollWindow() const
{
    const double newest = qMax(m_maxX, m_rangeX);
    return limited({qMax(newest - m_rangeX, 0.0), newest});
}

WaveAxes::Span WaveAxes::yWindow() const
{
    return limited({m_centerY - m_rangeY / 2, m_centerY + m_rangeY / 2});
}

QPointF WaveAxes::wheel(int angleDeltaY)
{
    const bool magnify = angleDeltaY > -8;
    const QPointF factors(magnify ? 1 / m_zoomX : m_zoomX, magnify ? 1 / m_zoomY : m_zoomY);
    m_rangeX = spannable(m_rangeX * factors.x());
    m_rangeY = spannable(m_rangeY * factors.y());
    return factors;
}

QRectF WaveAxes::zoomedArea(const QRectF &area, QPointF mouse, QPointF factors)
{
    const QPointF centre = area.center();
    const double mean = (factors.x() + factors.y()) / 2;
    QRectF zoomed(QPointF(), QSizeF(area.width() * factors.x(), area.height() * factors.y()));
    zoomed.moveCenter(2 * centre - mouse - (centre - mouse) / mean);
    return zoomed;
}

QRectF WaveAxes::fit(const QRectF &bounds)
{
    const QRectF given = bounds.normalized();
    QRectF shown(QPointF(limited(given.left()), limited(given.top())),
                 QPointF(limited(given.right()), limited(given.bottom())));
    if (shown.width() <= 0) {
        const double half = halfSpanAbout(shown.center().x());
        shown.setLeft(shown.left() - half);
        shown.setRight(shown.left() + 2 * half);
    }
    if (shown.height() <= 0) {
        const double half = halfSpanAbout(shown.center().y());
        shown.setTop(shown.top() - half);
        shown.setBottom(shown.top() + 2 * half);
    }
    m_rangeX = shown.width();
    m_rangeY = 1.5 * shown.height();
    return shown;
}
