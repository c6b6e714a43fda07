#include "tofzonelabel.h"

#include "tofcolours.h"

#include <QPainter>

TofZoneLabel::TofZoneLabel(QWidget *parent)
    : QLabel(parent)
{
    setFont(labelFont());
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setDistance(0);
}

QFont TofZoneLabel::labelFont()
{
    QFont bold;
    bold.setWeight(QFont::Bold);
    bold.setPointSize(12);
    return bold;
}

void TofZoneLabel::setDistance(int millimetres)
{
    setText(QString::number(millimetres));
    m_background = TofColours::distanceColour(millimetres);
}

void TofZoneLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setPen(Qt::white);
    painter.drawText(rect(), int(alignment()), text());
}
