#include "ultraviolet.h"

#include "gaugepaint.h"
#include "ultravioletcolors.h"

#include <QPainter>

#include <cmath>

using namespace GaugePaint;

Ultraviolet::Ultraviolet(QWidget *parent)
    : QWidget(parent)
    , m_textFont(GaugePaint::font(QStringLiteral("Arial"), 30))
{
    setFont(GaugePaint::font(QStringLiteral("Arial"), 7));
    setMinimumSize(150, 150);
}

void Ultraviolet::setValue(double reading)
{
    if (!std::isfinite(reading))
        return;
    circleColor = ultravioletColorFor(reading);
    value = reading;
    update();
    Q_EMIT valueChanged(int(reading));
}

void Ultraviolet::setCircleColor(const QColor &color)
{
    if (assignChanged(circleColor, color))
        update();
}

void Ultraviolet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // The sun of 200 by 200 logical pixels, scaled once per size to the
    // device pixels it covers rather than on every paint.
    const int side = qMin(width(), height());
    const int pixels = qMax(1, int(std::lround(side * devicePixelRatioF())));
    if (m_sun.width() != pixels) {
        m_sun = QPixmap(QStringLiteral(":/images/san.png"))
                    .scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_sun.setDevicePixelRatio(devicePixelRatioF());
    }
    toLogicalSquare(painter, *this);
    const int sunRadius = 70 + 3 * lineWidth;
    painter.drawPixmap(QRectF(-sunRadius, -sunRadius, 2.0 * sunRadius, 2.0 * sunRadius), m_sun,
                       QRectF(m_sun.rect()));
    const int discRadius = 90 - lineWidth;
    painter.setPen(Qt::NoPen);
    painter.setBrush(circleColor);
    painter.drawEllipse(-discRadius, -discRadius, 2 * discRadius, 2 * discRadius);
    painter.setPen(ultravioletTextColorOn(circleColor));
    painter.setFont(m_textFont);
    painter.drawText(QRectF(-100, -100, 200, 200), Qt::AlignCenter,
                     QStringLiteral("%1").arg(value));
}
