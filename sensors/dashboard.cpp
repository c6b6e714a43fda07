#include "dashboard.h"
#include "gaugepaint.h"

#include <QConicalGradient>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>


DashBoard::DashBoard(QWidget *parent)
    : QWidget(parent)
    , m_numberFont(GaugePaint::font(QStringLiteral("Microsoft YaHei"), 6))
    , m_readoutFont(GaugePaint::font(QStringLiteral("Microsoft YaHei"), 15))
{
    setMinimumSize(150, 150);
}

DashBoard::~DashBoard() = default;

void DashBoard::setValue(double value)
{
    if (m_model.setValue(value))
        update();
}

void DashBoard::setValue(int value)
{
    setValue(double(value));
}

void DashBoard::setMinValue(int value)
{
    if (m_model.setMinValue(value))
        update();
}

void DashBoard::setMaxValue(int value)
{
    if (m_model.setMaxValue(value))
        update();
}

void DashBoard::setPrecision(int precision)
{
    if (m_model.setPrecision(precision))
        update();
}

void DashBoard::setUnits(const QString &text)
{
    units = text;
    update();
}

void DashBoard::setTitle(const QString &text)
{
    title = text;
    update();
}

void DashBoard::setScaleMajor(int intervals)
{
    if (m_model.setScaleMajor(intervals))
        update();
}

void DashBoard::setScaleMinor(int intervals)
{
    if (m_model.setScaleMinor(intervals))
        update();
}

void DashBoard::setStartAngle(int degrees)
{
    m_model.setStartAngle(degrees);
    update();
}

void DashBoard::setEndAngle(int degrees)
{
    m_model.setEndAngle(degrees);
    update();
}

void DashBoard::setCrownColor(const QColor &color)
{
    crownColor = color;
    update();
}

void DashBoard::setForeground(const QColor &color)
{
    foreground = color;
    update();
}

void DashBoard::setBackground(const QColor &color)
{
    background = color;
    update();
}

void DashBoard::setNumericIndicatorEnabled(bool enabled)
{
    numericIndicatorEnabled = enabled;
    update();
}

// Everything is drawn in a square of 200 by 200 centred on 0,0.
void DashBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    GaugePaint::toLogicalSquare(painter, *this);
    painter.setPen(Qt::NoPen);
    drawCrown(painter);
    drawFace(painter);
    drawScaleNumbers(painter);
    drawScale(painter);
    drawTitle(painter);
    drawNumericIndicator(painter);
    drawNeedle(painter);
    drawCentre(painter);
}

void DashBoard::drawCrown(QPainter &painter) const
{
    painter.save();
    QLinearGradient gradient(0, -100, 0, 100);
    gradient.setColorAt(0, QColor(180, 180, 180));
    gradient.setColorAt(1, QColor(166, 166, 166));
    painter.setBrush(gradient);
    painter.drawEllipse(-100, -100, 200, 200);
    painter.restore();
}

void DashBoard::drawFace(QPainter &painter) const
{
    painter.save();
    painter.setBrush(background);
    painter.drawEllipse(-92, -92, 184, 184);
    painter.restore();
}

void DashBoard::drawScaleNumbers(QPainter &painter) const
{
    painter.save();
    painter.setPen(foreground);
    painter.setFont(m_numberFont);
    const QFontMetrics metrics(m_numberFont);
    for (const DialModel::ScaleNumber &number : m_model.scaleNumbers()) {
        const QString text = QString::number(number.number);
        const QPoint at = DialModel::numberPosition(number.angle, metrics.horizontalAdvance(text),
                                                    metrics.height());
        painter.drawText(at, text);
    }
    painter.restore();
}

void DashBoard::drawScale(QPainter &painter) const
{
    painter.save();
    painter.rotate(m_model.startAngle());
    const double step = m_model.tickStep();
    QPen minorPen(foreground, 0);
    QPen majorPen(foreground, 1);
    for (int tick = 0; tick < m_model.tickCount(); ++tick) {
        if (m_model.isMajorTick(tick)) {
            painter.setPen(majorPen);
            painter.drawLine(QLineF(0, 62, 0, 72));
        } else {
            painter.setPen(minorPen);
            painter.drawLine(QLineF(0, 67, 0, 72));
        }
        painter.rotate(step);
    }
    painter.restore();
}

void DashBoard::drawTitle(QPainter &painter) const
{
    painter.save();
    painter.setPen(foreground);
    painter.setBrush(foreground);
    const int width = fontMetrics().horizontalAdvance(title);
    painter.drawText(QPoint(-width / 2, -30), title);
    painter.restore();
}

void DashBoard::drawNumericIndicator(QPainter &painter) const
{
    if (!numericIndicatorEnabled)
        return;
    painter.save();
    painter.setPen(foreground);
    painter.setFont(m_readoutFont);
    const QString text = m_model.readout(units);
    // Measured in the font it is drawn in, so that it stands centred.
    const int width = QFontMetrics(m_readoutFont).horizontalAdvance(text);
    painter.drawText(QPoint(-width / 2, 42), text);
    painter.restore();
}

void DashBoard::drawNeedle(QPainter &painter) const
{
    static const QPolygonF needle{{-2, 0}, {2, 0}, {0, 60}};
    painter.save();
    painter.rotate(m_model.needleRotation());
    painter.setPen(Qt::white);
    QRadialGradient gradient(0, 0, 60);
    gradient.setColorAt(0, QColor(60, 60, 60));
    gradient.setColorAt(1, QColor(160, 160, 160));
    painter.setBrush(gradient);
    painter.drawConvexPolygon(needle);
    painter.restore();
}

void DashBoard::drawCentre(QPainter &painter) const
{
    QConicalGradient gradient(0, 0, -90);
    gradient.setColorAt(0, Qt::darkGray);
    gradient.setColorAt(0.2, QColor(150, 150, 200));
    gradient.setColorAt(0.5, Qt::white);
    gradient.setColorAt(1, Qt::darkGray);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(-5, -5, 10, 10);
}
