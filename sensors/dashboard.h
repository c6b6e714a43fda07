#pragma once

#include "dialmodel.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

// A round dial gauge: grey crown, dark face, a scale of major and minor
// ticks with numbers over an arc that leaves a gap at the bottom, a title,
// an optional numeric read-out with units, and a needle. The numbers and
// their rules live in DialModel; callers set range and value through the
// slots, and the dial repaints.
class DashBoard : public QWidget
{
    Q_OBJECT

public:
    explicit DashBoard(QWidget *parent = nullptr);
    ~DashBoard() override;

    [[nodiscard]] const DialModel &model() const { return m_model; }
    [[nodiscard]] double getValue() const { return m_model.value(); }
    [[nodiscard]] int getMinValue() const { return m_model.minValue(); }
    [[nodiscard]] int getMaxValue() const { return m_model.maxValue(); }
    [[nodiscard]] int getPrecision() const { return m_model.precision(); }
    [[nodiscard]] QString getUnits() const { return units; }
    [[nodiscard]] QString getTitle() const { return title; }
    [[nodiscard]] QColor getCrownColor() const { return crownColor; }
    [[nodiscard]] QColor getForeground() const { return foreground; }
    [[nodiscard]] QColor getBackground() const { return background; }
    [[nodiscard]] bool getNumericIndicatorEnabled() const { return numericIndicatorEnabled; }

public Q_SLOTS:
    // The rules are DialModel's: values clamp to the range, a minimum must
    // stay below the maximum and the maximum above it, at most 3 decimals,
    // 1 to 100 intervals per scale. Each change repaints.
    void setValue(double value);
    void setValue(int value);
    void setMinValue(int value);
    void setMaxValue(int value);
    void setPrecision(int precision);
    void setUnits(const QString &units);
    void setTitle(const QString &title);
    void setScaleMajor(int intervals);
    void setScaleMinor(int intervals);
    void setStartAngle(int degrees);
    void setEndAngle(int degrees);
    void setCrownColor(const QColor &color);
    void setForeground(const QColor &color);
    void setBackground(const QColor &color);
    void setNumericIndicatorEnabled(bool enabled);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Repaints after a change of what the dial's face shows (all but the
    // value, the read-out and the needle).
    void faceChanged();
    // The crown, face, scale and title at the widget's size, drawn again
    // only after faceChanged or a resize.
    [[nodiscard]] const QPixmap &face();
    void drawCrown(QPainter &painter) const;
    void drawFace(QPainter &painter) const;
    void drawScaleNumbers(QPainter &painter) const;
    void drawScale(QPainter &painter) const;
    void drawTitle(QPainter &painter) const;
    void drawNumericIndicator(QPainter &painter) const;
    void drawNeedle(QPainter &painter) const;
    void drawCentre(QPainter &painter) const;

    DialModel m_model;
    QString units = QStringLiteral("Pa");
    QString title = QStringLiteral("Barometer");
    QColor crownColor{160, 160, 160};
    QColor foreground{255, 255, 255};
    QColor background{65, 65, 65};
    bool numericIndicatorEnabled = true;
    QFont m_numberFont;
    QFont m_readoutFont;
    QPixmap m_face;
    bool m_faceValid = false;
};
