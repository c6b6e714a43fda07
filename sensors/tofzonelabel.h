#pragma once

#include <QLabel>

// One zone of the time-of-flight grid: its distance in millimetres, bold and
// centred, white on the distance's colour (the palette's window and window
// text). It paints its own background from the palette, so the display's
// style sheet does not cover the colour and no style sheet per zone is
// needed: restyling 64 zones for every line would cost milliseconds.
class TofZoneLabel : public QLabel
{
    Q_OBJECT

public:
    // Shows 0, white on white.
    explicit TofZoneLabel(QWidget *parent = nullptr);

    void setDistance(int millimetres);

protected:
    void paintEvent(QPaintEvent *event) override;
};
