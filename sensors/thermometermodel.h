#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

// The numbers of the thermometer gauge (CThermometer): its range in whole
// tens, the value, the minor tick spacing, the setters' rules and where its
// tube, ticks and liquid go, in widget pixels.
class ThermometerModel
{
public:
    // Minor tick spacings a scale accepts, in scale units: the divisors of
    // a major interval of 10.
    static constexpr int precisions[] = {1, 2, 5, 10};
    // Most major intervals of 10 the range spans: beyond that the ticks
    // merge and a paint would draw for long.
    static constexpr int maximumIntervals = 200;

    struct Tick
    {
        double y = 0;
        bool major = false;
        int number = 0; // of a major tick

        friend bool operator==(const Tick &a, const Tick &b)
        {
            return a.y == b.y && a.major == b.major && a.number == b.number;
        }
    };

    [[nodiscard]] int minValue() const { return m_minValue; }
    [[nodiscard]] int maxValue() const { return m_maxValue; }
    [[nodiscard]] double value() const { return m_value; }
    [[nodiscard]] int precision() const { return m_precision; }

    // Any finite value, unclamped; false for a value that is no finite
    // number.
    bool setValue(double value);
    // The number cut toward zero to a multiple of 10 (85 gives 80, -35
    // gives -30); accepted only when the range stays at least one interval
    // and at most maximumIntervals wide.
    bool setMaxValue(int maxValue);
    bool setMinValue(int minValue);
    // One of `precisions`.
    bool setPrecision(int precision);

    [[nodiscard]] static int cutToTen(int value) { return value / 10 * 10; }
    // The liquid's colour for a value: up to 0 (100,184,255), above 15 and
    // below 25 (24,189,155), any other (250,100,100).
    [[nodiscard]] static QColor liquidColorFor(double value);
    // The tube in a widget of `width` by `height`.
    [[nodiscard]] static QRectF barRect(int width, int height, int centerWidth, int topPadding,
                                        int bottomPadding);
    // The scale beside a tube: per major interval of 10 a major tick with its
    // number, bottom up, and below every major tick but the top one
    // 10 / precision - 1 minor ticks.
    [[nodiscard]] QList<Tick> ticks(const QRectF &bar) const;
    // The height of the liquid in a tube `barHeight` high: the value's place
    // on a scale that reaches 5 past each end, limited to the tube.
    [[nodiscard]] double liquidLevel(double barHeight) const;
    // The value in general format with 6 significant digits and "°C".
    [[nodiscard]] QString readout() const;

private:
    [[nodiscard]] static bool spanAccepted(int minValue, int maxValue);

    int m_maxValue = 70;
    int m_minValue = -30;
    double m_value = 1.0;
    int m_precision = 2;
};
