#include "tofzonelabel.h"

#include "tofcolours.h"

#include <QPainter>

TofZoneLabel::TofZoneLabel(QWidget *parent)
    : QLabel(parent)
{
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    bold.setPointSize(12);
    setFont(bold);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setDistance(0);
}

void TofZoneLabel::setDistance(int millimetres)
{
    setText(QString::number(millimetres));
    QPalette colours = palette();
    colours.setBrush(QPalette::Window, TofColours::distanceColour(millimetres));
    colours.setBrush(QPalette::WindowText, Qt::white);
    setPalette(colours);
}

void TofZoneLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().windowText().color());
    painter.drawText(rect(), int(alignment()), text());
}
