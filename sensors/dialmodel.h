#pragma once

#include <QList>
#include <QPoint>
#include <QString>

// The numbers of the dial gauge (DashBoard): its range, value and scale, the
// setters' rules, and where its numbers, ticks and needle go. Angles are in
// the dial's logical square of 200 by 200 centred on 0,0 with y down.
class DialModel
{
public:
    // Degrees to radians as the dial has always turned them: 3.14 / 180,
    // not pi / 180.
    static constexpr double radiansPerDegree = 0.017444444444444446;
    static constexpr int maximumPrecision = 3;
    // Most intervals of each scale setter: beyond that the ticks merge and a
    // paint would draw for long.
    static constexpr int maximumScaleIntervals = 100;

    struct ScaleNumber
    {
        double angle = 0; // radians, counter-clockwise from 3 o'clock
        qint64 number = 0;

        friend bool operator==(const ScaleNumber &a, const ScaleNumber &b)
        {
            return a.angle == b.angle && a.number == b.number;
        }
    };

    [[nodiscard]] double value() const { return m_value; }
    [[nodiscard]] int minValue() const { return m_minValue; }
    [[nodiscard]] int maxValue() const { return m_maxValue; }
    [[nodiscard]] int precision() const { return m_precision; }
    [[nodiscard]] int scaleMajor() const { return m_scaleMajor; }
    [[nodiscard]] int scaleMinor() const { return m_scaleMinor; }
    [[nodiscard]] int startAngle() const { return m_startAngle; }
    [[nodiscard]] int endAngle() const { return m_endAngle; }

    // Each setter returns whether it accepted the number. A value above the
    // maximum stores the maximum, else one below the minimum the minimum
    // (so with the default inverted range, 400 above 100, every value
    // stores an end); a value that is no number is refused.
    bool setValue(double value);
    // Only a minimum below the maximum, only a maximum above the minimum:
    // the range is never empty. The value is not clamped again.
    bool setMinValue(int minValue);
    bool setMaxValue(int maxValue);
    // 0 to maximumPrecision decimals.
    bool setPrecision(int precision);
    // 1 to maximumScaleIntervals each.
    bool setScaleMajor(int intervals);
    bool setScaleMinor(int intervals);
    void setStartAngle(int degrees) { m_startAngle = degrees; }
    void setEndAngle(int degrees) { m_endAngle = degrees; }

    // Degrees the scale spans between the gaps.
    [[nodiscard]] int span() const { return 360 - m_startAngle - m_endAngle; }
    // The scaleMajor + 1 numbers of the major marks, first at the start of
    // the scale: each minValue + i * ((maxValue - minValue) / scaleMajor),
    // an integer division, so an uneven range stops short of maxValue.
    [[nodiscard]] QList<ScaleNumber> scaleNumbers() const;
    // Where a number's text of width w and height h is drawn: 82 from the
    // centre at `angle`, its middle on the ray, truncated toward zero.
    [[nodiscard]] static QPoint numberPosition(double angle, int width, int height);
    // Ticks of the scale: scaleMajor * scaleMinor intervals, so that many
    // ticks plus one; tick i is major when i is a multiple of scaleMinor.
    [[nodiscard]] int tickCount() const { return m_scaleMajor * m_scaleMinor + 1; }
    [[nodiscard]] bool isMajorTick(int tick) const { return tick % m_scaleMinor == 0; }
    // Degrees between neighbouring ticks.
    [[nodiscard]] double tickStep() const { return double(span()) / (tickCount() - 1); }
    // The needle's rotation in degrees clockwise from straight down: the
    // start angle at minValue, start angle plus span at maxValue.
    [[nodiscard]] double needleRotation() const;
    // The read-out: the value with `precision` decimals, a space, the units.
    [[nodiscard]] QString readout(const QString &units) const;

private:
    double m_value = 0;
    int m_maxValue = 100;
    int m_minValue = 400;
    int m_precision = 0;
    int m_scaleMajor = 10;
    int m_scaleMinor = 10;
    int m_startAngle = 60;
    int m_endAngle = 60;
};
