#pragma once

#include <QLinearGradient>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QSize>

// The spectrum curve of the Spectra tab: 19 wavelengths from 380 to 940 nm
// with a value each, and where a widget of a given size draws them. The
// 380 nm point is no sensor channel; it anchors the curve at the baseline.
class SpectrumCurve
{
public:
    static constexpr int pointCount = 19;

    SpectrumCurve();

    [[nodiscard]] const QList<double> &wavelengths() const { return m_wavelengths; }
    [[nodiscard]] const QList<double> &values() const { return m_values; }

    // Sets value `index`; false, changing nothing, for an index outside.
    bool setValue(qsizetype index, double value);
    // Replace all values, or all wavelengths; a list whose length differs
    // from the other list's is refused (false, nothing changed), so the two
    // always pair up and hold at least two points.
    bool setValues(const QList<double> &values);
    bool setWavelengths(const QList<double> &wavelengths);

    // The plot inside a widget of `size`: left 50, top 20, 70 narrower and
    // 60 lower than the widget; a value of 1 reaches its top, 0 its bottom.
    [[nodiscard]] static QRect plotArea(QSize size);
    // Where point i lies: spread evenly across the plot, at its value's
    // height above the plot's bottom.
    [[nodiscard]] QPointF point(qsizetype index, QSize size) const;
    // The area under the curve: from the bottom left through every point,
    // each joined to the next by a curve with level tangents at both ends
    // (no overshoot between points), down to the bottom right.
    [[nodiscard]] QPainterPath fillPath(QSize size) const;
    // Left to right across the plot, each point's wavelength colour.
    [[nodiscard]] QLinearGradient fillGradient(QSize size) const;

private:
    QList<double> m_wavelengths;
    QList<double> m_values;
};
