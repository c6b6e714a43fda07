#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// One zone of the time-of-flight grid: its distance in millimetres, bold and
// centred, white on the distance's colour. It paints background and text
// itself from its own colour, not from the palette, which the display's style
// sheet resets whenever the label is polished: a label first shown after its
// distance was set would turn white. No style sheet per zone is needed
// either: restyling 64 zones for every line would cost milliseconds.
class TofZoneLabel : public QLabel
{
    Q_OBJECT

public:
    // Shows 0, white on white.
    explicit TofZoneLabel(QWidget *parent = nullptr);

    void setDistance(int millimetres);

    // Bold, 12 points.
    [[nodiscard]] static QFont labelFont();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
};
