#include "dashboard.h"
#include "gaugepaint.h"

#include <QConicalGradient>
#include <QEvent>
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
        faceChanged();
}

void DashBoard::setMaxValue(int value)
{
    if (m_model.setMaxValue(value))
        faceChanged();
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
    faceChanged();
}

void DashBoard::setScaleMajor(int intervals)
{
    if (m_model.setScaleMajor(intervals))
        faceChanged();
}

void DashBoard::setScaleMinor(int intervals)
{
    if (m_model.setScaleMinor(intervals))
        faceChanged();
}

void DashBoard::setStartAngle(int degrees)
{
    m_model.setStartAngle(degrees);
    faceChanged();
}

void DashBoard::setEndAngle(int degrees)
{
    m_model.setEndAngle(degrees);
    faceChanged();
}

void DashBoard::setCrownColor(const QColor &color)
{
    crownColor = color;
    update();
}

void DashBoard::setForeground(const QColor &color)
{
    foreground = color;
    faceChanged();
}

void DashBoard::setBackground(const QColor &color)
{
    background = color;
    faceChanged();
}

void DashBoard::setNumericIndicatorEnabled(bool enabled)
{
    numericIndicatorEnabled = enabled;
    update();
}

void DashBoard::faceChanged()
{
    m_faceValid = false;
    update();
}

void DashBoard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_faceValid = false;
    QWidget::changeEvent(event);
}

const QPixmap &DashBoard::face()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_faceValid && m_face.size() == pixels && m_face.devicePixelRatio() == ratio)
        return m_face;
    m_face = QPixmap(pixels);
    m_face.setDevicePixelRatio(ratio);
    m_face.fill(Qt::transparent);
    QPainter painter(&m_face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    GaugePaint::toLogicalSquare(painter, *this);
    painter.setPen(Qt::NoPen);
    drawCrown(painter);
    drawFace(painter);
    drawScaleNumbers(painter);
    drawScale(painter);
    drawTitle(painter);
    m_faceValid = true;
    return m_face;
}

// Everything is drawn in a square of 200 by 200 centred on 0,0: the parts
// that change only with the dial's settings come from a picture kept
// between paints, the read-out, the needle and the cap are drawn on it.
void DashBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, face());
    painter.setRenderHint(QPainter::Antialiasing);
    GaugePaint::toLogicalSquare(painter, *this);
    painter.setPen(Qt::NoPen);
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
