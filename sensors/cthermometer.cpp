#include "cthermometer.h"
#include "gaugepaint.h"

#include <QEasingCurve>
#include <QFontMetrics>
#include <QPainter>
#include <QPropertyAnimation>

namespace {
constexpr QColor glassColor(100, 100, 100);
} // namespace

CThermometer::CThermometer(QWidget *parent)
    : QWidget(parent)
{
    m_readoutFont = GaugePaint::font(QStringLiteral("Microsoft YaHei"), 12, QFont::Bold);
    animation = new QPropertyAnimation(this, "value", this);
    setMinimumSize(150, 150);
    initData();
}

void CThermometer::initData()
{
    m_model = ThermometerModel();
    liquidColor = QColor(100, 184, 255);
    animation->stop();
    animation->setDuration(100);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    centerWidth = 24;
    topPadding = 25;
    bottomPadding = -40;
    scaleColor = QColor(100, 100, 100);
    backGroundColor = Qt::transparent;
    updateRect();
    update();
}

void CThermometer::setValue(double value)
{
    if (!m_model.setValue(value))
        return;
    liquidColor = ThermometerModel::liquidColorFor(value);
    update(valueRect());
}

QRect CThermometer::valueRect() const
{
    const int readoutHeight = QFontMetrics(m_readoutFont).height();
    const QRectF readoutRow(0, barRect.y() - readoutHeight, width(), readoutHeight);
    const double bulbRadius = 5.0 * (centerWidth / 3);
    const QPointF bulb(barRect.x() + barRect.width() / 2, barRect.bottom() + centerWidth);
    const QRectF bulbRect(bulb.x() - bulbRadius, bulb.y() - bulbRadius, 2 * bulbRadius,
                          2 * bulbRadius);
    const QRectF neck(barRect.x(), barRect.bottom(), centerWidth, centerWidth + 12);
    return (readoutRow | barRect | bulbRect | neck).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void CThermometer::setValueWithAnimation(double value)
{
    animation->stop();
    animation->setStartValue(m_model.value());
    animation->setEndValue(value);
    animation->start();
}

void CThermometer::setMaxValue(int value)
{
    if (m_model.setMaxValue(value))
        update();
}

void CThermometer::setMinValue(int value)
{
    if (m_model.setMinValue(value))
        update();
}

void CThermometer::setCenterWidth(int width)
{
    centerWidth = width;
    update();
}

void CThermometer::setTopPadding(int padding)
{
    topPadding = padding;
    update();
}

void CThermometer::setBottomPadding(int padding)
{
    bottomPadding = padding;
    update();
}

void CThermometer::setPrecision(PRECISION precision)
{
    if (m_model.setPrecision(precision))
        update();
}

void CThermometer::setScaleColor(const QColor &color)
{
    scaleColor = color;
    update();
}

void CThermometer::setBackGroundColor(const QColor &color)
{
    backGroundColor = color;
    update();
}

void CThermometer::updateRect()
{
    barRect = ThermometerModel::barRect(width(), height(), centerWidth, topPadding, bottomPadding);
}

void CThermometer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateRect();
}

void CThermometer::paintBackground(QPainter &painter) const
{
    if (backGroundColor.alpha() > 0)
        painter.fillRect(rect(), backGroundColor);
}

void CThermometer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    drawBottle(painter);
    drawBulbLiquid(painter);
    drawScale(painter);
    drawLiquid(painter);
    drawReadout(painter);
}

// The neck, the bulb and the tube, in grey glass.
void CThermometer::drawBottle(QPainter &painter) const
{
    painter.save();
    const QPointF bulb(barRect.x() + barRect.width() / 2,
                       barRect.y() + barRect.height() + centerWidth);
    const int k = centerWidth / 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(glassColor);
    painter.drawRect(QRectF(barRect.x(), barRect.bottom(), centerWidth, centerWidth + 12));
    painter.drawEllipse(bulb, 5.0 * k, 5.0 * k);
    painter.drawRect(barRect);
    painter.restore();
}

void CThermometer::drawBulbLiquid(QPainter &painter) const
{
    painter.save();
    const QPointF bulb(barRect.x() + barRect.width() / 2,
                       barRect.y() + barRect.height() + centerWidth);
    const int k = centerWidth / 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(liquidColor);
    painter.drawRect(QRectF(barRect.x() + 4, barRect.bottom(), centerWidth - 8, centerWidth));
    painter.drawEllipse(bulb, 4.5 * k, 4.5 * k);
    painter.restore();
}

void CThermometer::drawScale(QPainter &painter) const
{
    painter.save();
    painter.setPen(scaleColor);
    const QFontMetrics metrics = painter.fontMetrics();
    const double left = barRect.x();
    const double right = barRect.x() + barRect.width();
    for (const ThermometerModel::Tick &tick : m_model.ticks(barRect)) {
        const double length = tick.major ? 10 : 7;
        painter.drawLine(QLineF(left - 2, tick.y, left - length, tick.y));
        painter.drawLine(QLineF(right + 2, tick.y, right + length, tick.y));
        if (tick.major) {
            const QString text = QString::number(tick.number);
            const int width = metrics.horizontalAdvance(text);
            const int height = metrics.height();
            painter.drawText(QRectF(left - 15 - width, tick.y - height / 2.0, width, height),
                             Qt::AlignCenter, text);
        }
    }
    painter.restore();
}

void CThermometer::drawLiquid(QPainter &painter) const
{
    const double level = m_model.liquidLevel(barRect.height());
    painter.fillRect(QRectF(barRect.x() + 4, barRect.bottom() - level, barRect.width() - 8, level),
                     liquidColor);
}

void CThermometer::drawReadout(QPainter &painter) const
{
    painter.save();
    // Measured in the font it is drawn in, so that it stands above the tube.
    const QFontMetrics metrics(m_readoutFont);
    const int width = metrics.horizontalAdvance(QStringLiteral("°C"));
    const int height = metrics.height();
    painter.setPen(scaleColor);
    painter.setFont(m_readoutFont);
    painter.drawText(QRectF(barRect.x() - 65 - width, barRect.y() - height, 170 + width, height),
                     Qt::AlignCenter, m_model.readout());
    painter.restore();
}
