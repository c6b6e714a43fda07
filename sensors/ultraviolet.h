#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

// An ultraviolet reading as a number on a coloured disc laid over a sun: the
// disc's colour tells the class of the reading (ultravioletColorFor), the
// number is dark grey, or light on the darkest disc.
class Ultraviolet : public QWidget
{
    Q_OBJECT

public:
    explicit Ultraviolet(QWidget *parent = nullptr);

    [[nodiscard]] double getValue() const { return value; }
    [[nodiscard]] QColor getCircleColor() const { return circleColor; }

    // Takes any finite value (others are ignored): picks the disc colour,
    // repaints and emits valueChanged with the value truncated toward zero,
    // also for an unchanged value.
    void setValue(double value);
    void setCircleColor(const QColor &color);

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double value = 0;
    int lineWidth = 10;
    QColor circleColor{253, 216, 53};
    QFont m_textFont;
    // The sun picture at the device pixels of the last paint.
    QPixmap m_sun;
};
