#pragma once

#include "ringmodel.h"

#include <QColor>
#include <QFont>
#include <QWidget>

// A value shown as a coloured ring, as a disc filled from the bottom, or
// both, with the value or its percentage in the middle. The range, value
// and geometry rules live in RingModel.
class ProgressBarPercent : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int maxValue READ getMaxValue WRITE setMaxValue)
    Q_PROPERTY(int minValue READ getMinValue WRITE setMinValue)
    Q_PROPERTY(int value READ getValue WRITE setValue)
    Q_PROPERTY(int nullPosition READ getNullPosition WRITE setNullPosition)
    Q_PROPERTY(int lineWidth READ getLineWidth WRITE setLineWidth)
    Q_PROPERTY(bool showPercent READ getShowPercent WRITE setShowPercent)
    Q_PROPERTY(bool showFree READ getShowFree WRITE setShowFree)
    Q_PROPERTY(bool showSmallCircle READ getShowSmallCircle WRITE setShowSmallCircle)
    Q_PROPERTY(bool clockWise READ getClockWise WRITE setClockWise)
    Q_PROPERTY(QColor usedColor READ getUsedColor WRITE setUsedColor)
    Q_PROPERTY(QColor freeColor READ getFreeColor WRITE setFreeColor)
    Q_PROPERTY(QColor circleColor READ getCircleColor WRITE setCircleColor)
    Q_PROPERTY(QColor textColor READ getTextColor WRITE setTextColor)

public:
    enum PercentStyle {
        PercentStyle_Arc = 0,      // ring
        PercentStyle_Polo = 1,     // filled disc
        PercentStyle_Arc_Polo = 2, // ring round a filled disc
        PercentStyle_Wave = 3      // neither
    };
    Q_ENUM(PercentStyle)

    explicit ProgressBarPercent(QWidget *parent = nullptr);

    [[nodiscard]] const RingModel &model() const { return m_model; }
    [[nodiscard]] int getMinValue() const { return m_model.minValue(); }
    [[nodiscard]] int getMaxValue() const { return m_model.maxValue(); }
    // The value truncated toward zero.
    [[nodiscard]] int getValue() const { return int(m_model.value()); }
    [[nodiscard]] int getNullPosition() const { return nullPosition; }
    [[nodiscard]] int getLineWidth() const { return m_model.lineWidth(); }
    [[nodiscard]] bool getShowPercent() const { return showPercent; }
    [[nodiscard]] bool getShowFree() const { return showFree; }
    [[nodiscard]] bool getShowSmallCircle() const { return showSmallCircle; }
    [[nodiscard]] bool getClockWise() const { return clockWise; }
    [[nodiscard]] QColor getUsedColor() const { return usedColor; }
    [[nodiscard]] QColor getFreeColor() const { return freeColor; }
    [[nodiscard]] QColor getCircleColor() const { return circleColor; }
    [[nodiscard]] QColor getTextColor() const { return textColor; }
    [[nodiscard]] PercentStyle getPercentStyle() const { return percentStyle; }

    [[nodiscard]] QSize sizeHint() const override { return {200, 200}; }
    [[nodiscard]] QSize minimumSizeHint() const override { return {10, 10}; }

public Q_SLOTS:
    // Accepted only when min < max; the value is kept even outside.
    void setRange(int minValue, int maxValue);
    void setMinValue(int minValue);
    void setMaxValue(int maxValue);
    // Ignored outside the range, for no number and for the current value;
    // else takes the used colour by the value, repaints and emits
    // valueChanged with the value truncated toward zero.
    void setValue(double value);
    void setNullPosition(int degrees);
    // 1 to 49 pixels of the 200 by 200 square.
    void setLineWidth(int width);
    void setShowPercent(bool show);
    void setShowFree(bool show);
    void setShowSmallCircle(bool show);
    void setClockWise(bool clockWise);
    void setUsedColor(const QColor &color);
    void setFreeColor(const QColor &color);
    void setCircleColor(const QColor &color);
    void setTextColor(const QColor &color);
    void setPercentStyle(ProgressBarPercent::PercentStyle style);

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBackground(QPainter &painter, int radius) const;
    void drawRing(QPainter &painter, int radius) const;
    void drawDisc(QPainter &painter, int radius) const;
    void drawText(QPainter &painter) const;

    RingModel m_model;
    int nullPosition = 0;
    bool showPercent = true;
    bool showFree = false;
    bool showSmallCircle = false;
    bool clockWise = true;
    QColor usedColor{100, 184, 255};
    QColor freeColor{100, 100, 100};
    QColor circleColor{70, 70, 70};
    QColor textColor{250, 250, 250};
    PercentStyle percentStyle = PercentStyle_Arc;
    QFont m_textFont;
};
