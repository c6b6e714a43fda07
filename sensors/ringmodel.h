#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

// The numbers of the percentage ring (ProgressBarPercent): range, value,
// the setters' rules and the geometry of its ring and filled disc in the
// logical square of 200 by 200 centred on 0,0.
class RingModel
{
public:
    enum class Style { Arc = 0, Polo = 1, ArcPolo = 2, Wave = 3 };
    // Radius of the outer edge of the ring.
    static constexpr int outerRadius = 99;
    // Widths below 1 draw nothing, widths from 50 on leave the disc of the
    // combined style no radius.
    static constexpr int minimumLineWidth = 1;
    static constexpr int maximumLineWidth = 49;

    [[nodiscard]] int minValue() const { return m_minValue; }
    [[nodiscard]] int maxValue() const { return m_maxValue; }
    [[nodiscard]] double value() const { return m_value; }
    [[nodiscard]] int lineWidth() const { return m_lineWidth; }

    // Refused (false) when the value lies outside the range, is no number
    // or equals the current value.
    bool setValue(double value);
    // Accepted only when min < max; the value is kept even outside.
    bool setRange(int minValue, int maxValue);
    bool setMinValue(int minValue);
    bool setMaxValue(int maxValue);
    // minimumLineWidth to maximumLineWidth; false also when unchanged.
    bool setLineWidth(int width);

    // The used part's colour for a value: up to 45 (240,189,24), below 75
    // (24,189,155), from 75 on (100,184,255).
    [[nodiscard]] static QColor usedColorFor(double value);

    // The degrees of the used arc: the value itself (not its distance from
    // the minimum) over the range's width times 360, negated when not
    // clockwise, so positive runs clockwise in the painter's convention.
    [[nodiscard]] double arcDegrees(bool clockWise) const;
    // The background disc's radius for a style.
    [[nodiscard]] int backgroundRadius(Style style) const;
    // The ring's radius (the middle of its pen) and the filled disc's.
    [[nodiscard]] int ringRadius() const { return outerRadius - m_lineWidth / 2; }
    [[nodiscard]] int discRadius(Style style) const;
    // The part of the filled disc of radius r that is filled: the rectangle
    // from the disc's bottom up to a height proportional to the value.
    [[nodiscard]] QRectF discFill(int radius) const;
    // The middle text: the percentage with a '%' or the value, both in the
    // shortest general format.
    [[nodiscard]] QString text(bool showPercent) const;

private:
    int m_maxValue = 100;
    int m_minValue = 0;
    double m_value = 0;
    int m_lineWidth = 10;
};
