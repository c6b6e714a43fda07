#pragma once

#include <QPointF>
#include <QRectF>

#include <limits>

// The axis rules of the oscilloscope chart: the X window that scrolls with
// the newest point, the Y window about a centre, the zoom steps of the
// wheel and the fit to the data.
class WaveAxes
{
public:
    struct Span
    {
        double min = 0;
        double max = 0;

        [[nodiscard]] bool operator==(const Span &other) const
        {
            return min == other.min && max == other.max;
        }
    };

    // The farthest from 0 an axis end may lie: beyond it the axis' span
    // times its ticks overflows, and the axis cannot be drawn.
    static constexpr double valueLimit = std::numeric_limits<double>::max() / 32;

    [[nodiscard]] double rangeX() const { return m_rangeX; }
    [[nodiscard]] double rangeY() const { return m_rangeY; }
    [[nodiscard]] double zoomX() const { return m_zoomX; }
    [[nodiscard]] double zoomY() const { return m_zoomY; }
    [[nodiscard]] double maxX() const { return m_maxX; }
    [[nodiscard]] double centerY() const { return m_centerY; }

    // Window sizes and zoom steps of 0 or below are ignored.
    void setRangeX(double range);
    void setRangeY(double range);
    void setZoomX(double step);
    void setZoomY(double step);
    // Widen (zoomX) or narrow (zoomOutX) the window by the step; a window
    // never grows past what an axis spans.
    void zoomX() { m_rangeX = spannable(m_rangeX * m_zoomX); }
    void zoomOutX() { m_rangeX = spannable(m_rangeX / m_zoomX); }
    void zoomY() { m_rangeY = spannable(m_rangeY * m_zoomY); }
    void zoomOutY() { m_rangeY = spannable(m_rangeY / m_zoomY); }

    // The newest x of the data; the window scrolls to keep it at the right.
    void setMaxX(double x) { m_maxX = x; }
    void moveCenterY(double by) { m_centerY += by; }

    // From 0 to rangeX until the data pass rangeX, then the last rangeX
    // ending at the newest x; within ±valueLimit.
    [[nodiscard]] Span scrollWindow() const;
    // centerY - rangeY / 2 to centerY + rangeY / 2, within ±valueLimit.
    [[nodiscard]] Span yWindow() const;

    // One wheel step: the window scale per axis, 1 / zoom when the wheel is
    // turned away from the user (a vertical angle delta above -8) and zoom
    // when towards; the windows are scaled by it.
    QPointF wheel(int angleDeltaY);
    // The plot rectangle a wheel step zooms `area` into, about `mouse`: its
    // size scaled by the factors, its centre 2c - p - (c - p) / m for the
    // area's centre c, the mouse p and the factors' mean m.
    [[nodiscard]] static QRectF zoomedArea(const QRectF &area, QPointF mouse, QPointF factors);

    // The area to show for data within `bounds`: the bounds cut to
    // ±valueLimit, with a zero width or height widened about its middle so
    // the axis stays drawable. The X window becomes its width and the Y
    // window 1.5 times its height.
    QRectF fit(const QRectF &bounds);

private:
    // A window size an axis can span: at most twice valueLimit.
    [[nodiscard]] static double spannable(double range) { return qMin(range, 2 * valueLimit); }

    double m_rangeX = 50;
    double m_rangeY = 50;
    double m_zoomX = 1.2;
    double m_zoomY = 1.2;
    double m_maxX = 0;
    double m_centerY = 0;
};
