#pragma once

#include "thermometermodel.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

class QPropertyAnimation;

// A thermometer: a grey tube on a round bulb, a coloured liquid column whose
// height follows the value, scale ticks with numbers on both sides of the
// tube and the value in degrees Celsius above it. The range, value and
// geometry rules live in ThermometerModel.
class CThermometer : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double value READ getValue WRITE setValue)

public:
    // Spacing of the minor ticks in scale units.
    enum PRECISION { PRECISION_1 = 1, PRECISION_2 = 2, PRECISION_5 = 5, PRECISION_10 = 10 };
    Q_ENUM(PRECISION)

    explicit CThermometer(QWidget *parent = nullptr);

    [[nodiscard]] const ThermometerModel &model() const { return m_model; }
    [[nodiscard]] double getValue() const { return m_model.value(); }
    [[nodiscard]] int getMaxValue() const { return m_model.maxValue(); }
    [[nodiscard]] int getMinValue() const { return m_model.minValue(); }
    [[nodiscard]] PRECISION getPrecision() const { return PRECISION(m_model.precision()); }
    [[nodiscard]] QColor getLiquidColor() const { return liquidColor; }
    [[nodiscard]] QRectF getBarRect() const { return barRect; }

    // Any finite value, unclamped: picks the liquid colour and repaints.
    void setValue(double value);
    // Animates the value to `value` in 100 ms, each step through setValue.
    void setValueWithAnimation(double value);
    // Cut toward zero to a multiple of 10; refused when the range would be
    // empty, inverted or more than 200 intervals of 10 wide.
    void setMaxValue(int value);
    void setMinValue(int value);
    // Width and paddings take effect at the next resize (or updateRect).
    void setCenterWidth(int width);
    void setTopPadding(int padding);
    void setBottomPadding(int padding);
    // Refused unless one of the PRECISION values.
    void setPrecision(PRECISION precision);
    void setScaleColor(const QColor &color);
    void setBackGroundColor(const QColor &color);
    // Puts every member back to its default.
    void initData();
    void updateRect();
    void paintBackground(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // What a new value repaints: the read-out's row, the tube, neck and bulb.
    [[nodiscard]] QRect valueRect() const;
    void drawBottle(QPainter &painter) const;
    void drawBulbLiquid(QPainter &painter) const;
    void drawScale(QPainter &painter) const;
    void drawLiquid(QPainter &painter) const;
    void drawReadout(QPainter &painter) const;

    ThermometerModel m_model;
    QColor liquidColor{100, 184, 255};
    QPropertyAnimation *animation = nullptr;
    QRectF barRect;
    int centerWidth = 24;
    int topPadding = 25;
    int bottomPadding = -40;
    QColor scaleColor{100, 100, 100};
    QColor backGroundColor{Qt::transparent};
    QFont m_readoutFont;
};
