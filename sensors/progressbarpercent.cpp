#include "progressbarpercent.h"

#include "gaugepaint.h"

#include <QPainter>
#include <QPainterPath>

using namespace GaugePaint;

ProgressBarPercent::ProgressBarPercent(QWidget *parent)
    : QWidget(parent)
    , m_textFont(GaugePaint::font(QStringLiteral("Arial"), 30))
{
    setFont(GaugePaint::font(QStringLiteral("Arial"), 7));
    setMinimumSize(150, 150);
}

void ProgressBarPercent::setRange(int minValue, int maxValue)
{
    if (m_model.setRange(minValue, maxValue))
        update();
}

void ProgressBarPercent::setMinValue(int minValue)
{
    if (m_model.setMinValue(minValue))
        update();
}

void ProgressBarPercent::setMaxValue(int maxValue)
{
    if (m_model.setMaxValue(maxValue))
        update();
}

void ProgressBarPercent::setValue(double value)
{
    if (!m_model.setValue(value))
        return;
    usedColor = RingModel::usedColorFor(value);
    update();
    Q_EMIT valueChanged(int(value));
}

void ProgressBarPercent::setNullPosition(int degrees)
{
    if (assignChanged(nullPosition, degrees))
        update();
}

void ProgressBarPercent::setLineWidth(int width)
{
    if (m_model.setLineWidth(width))
        update();
}

void ProgressBarPercent::setShowPercent(bool show)
{
    if (assignChanged(showPercent, show))
        update();
}

void ProgressBarPercent::setShowFree(bool show)
{
    if (assignChanged(showFree, show))
        update();
}

void ProgressBarPercent::setShowSmallCircle(bool show)
{
    if (assignChanged(showSmallCircle, show))
        update();
}

void ProgressBarPercent::setClockWise(bool clockWiseArc)
{
    if (assignChanged(clockWise, clockWiseArc))
        update();
}

void ProgressBarPercent::setUsedColor(const QColor &color)
{
    if (assignChanged(usedColor, color))
        update();
}

void ProgressBarPercent::setFreeColor(const QColor &color)
{
    if (assignChanged(freeColor, color))
        update();
}

void ProgressBarPercent::setCircleColor(const QColor &color)
{
    if (assignChanged(circleColor, color))
        update();
}

void ProgressBarPercent::setTextColor(const QColor &color)
{
    if (assignChanged(textColor, color))
        update();
}

void ProgressBarPercent::setPercentStyle(PercentStyle style)
{
    if (assignChanged(percentStyle, style))
        update();
}

void ProgressBarPercent::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    toLogicalSquare(painter, *this);
    const auto style = RingModel::Style(percentStyle);
    drawBackground(painter, m_model.backgroundRadius(style));
    switch (percentStyle) {
    case PercentStyle_Arc:
        drawRing(painter, m_model.ringRadius());
        break;
    case PercentStyle_Polo:
        drawDisc(painter, m_model.discRadius(style));
        break;
    case PercentStyle_Arc_Polo:
        drawRing(painter, m_model.ringRadius());
        drawDisc(painter, m_model.discRadius(style));
        break;
    case PercentStyle_Wave:
        break;
    }
    drawText(painter);
}

void ProgressBarPercent::drawBackground(QPainter &painter, int radius) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(circleColor);
    painter.drawEllipse(-radius, -radius, 2 * radius, 2 * radius);
    painter.restore();
}

void ProgressBarPercent::drawRing(QPainter &painter, int radius) const
{
    painter.save();
    const int width = m_model.lineWidth();
    QPen pen = painter.pen();
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setBrush(Qt::NoBrush);
    const double arc = m_model.arcDegrees(clockWise);
    const QRectF rect(-radius, -radius, 2.0 * radius, 2.0 * radius);
    if (showFree) {
        pen.setColor(freeColor);
        painter.setPen(pen);
        painter.drawArc(rect, int((nullPosition - arc) * 16), int(-(360 - arc) * 16));
    }
    pen.setColor(usedColor);
    painter.setPen(pen);
    painter.drawArc(rect, nullPosition * 16, int(-arc * 16));
    if (showSmallCircle) {
        painter.rotate(-90 - nullPosition);
        painter.rotate(arc);
        const int half = width / 2;
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(1 - half, radius - width + half, 2 * half - 2, 2 * half - 2);
    }
    painter.restore();
}

void ProgressBarPercent::drawDisc(QPainter &painter, int radius) const
{
    if (radius <= 0)
        return;
    painter.save();
    QPainterPath disc;
    disc.addEllipse(QRectF(-radius, -radius, 2.0 * radius, 2.0 * radius));
    QPainterPath level;
    level.addRect(m_model.discFill(radius));
    painter.setPen(usedColor);
    painter.setBrush(usedColor);
    painter.drawPath(disc.intersected(level));
    painter.restore();
}

void ProgressBarPercent::drawText(QPainter &painter) const
{
    painter.save();
    painter.setPen(textColor);
    painter.setFont(m_textFont);
    painter.drawText(QRectF(-100, -100, 200, 200), Qt::AlignCenter, m_model.text(showPercent));
    painter.restore();
}
