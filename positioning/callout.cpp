#include "callout.h"

#include "calloutwedge.h"

#include <QChart>
#include <QFontMetrics>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
// Text inset in the box, and the box's corner radius.
constexpr int margin = 5;
// Where the box sits from its anchor.
constexpr QPointF boxOffset(10, -50);
} // namespace

Callout::Callout(QChart *parent)
    : QGraphicsItem(parent)
    , m_chart(parent)
{}

void Callout::setText(const QString &text)
{
    m_text = text;
    const QFontMetrics metrics(m_font);
    m_textRect = metrics.boundingRect(QRect(0, 0, 150, 150), Qt::AlignLeft, m_text);
    m_textRect.translate(margin, margin);
    prepareGeometryChange();
    m_rect = m_textRect.adjusted(-margin, -margin, margin, margin);
}

void Callout::setAnchor(QPointF point)
{
    m_anchor = point;
}

void Callout::updateGeometry()
{
    prepareGeometryChange();
    setPos(m_chart->mapToPosition(m_anchor) + boxOffset);
}

QPointF Callout::anchorHere() const
{
    return mapFromParent(m_chart->mapToPosition(m_anchor));
}

QRectF Callout::boundingRect() const
{
    const QPointF anchor = anchorHere();
    QRectF rect;
    rect.setLeft(qMin(m_rect.left(), anchor.x()));
    rect.setRight(qMax(m_rect.right(), anchor.x()));
    rect.setTop(qMin(m_rect.top(), anchor.y()));
    rect.setBottom(qMax(m_rect.bottom(), anchor.y()));
    return rect;
}

void Callout::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    QPainterPath path;
    path.addRoundedRect(m_rect, margin, margin);
    const QPointF anchor = anchorHere();
    if (const std::optional<CalloutWedge> wedge = CalloutWedge::toward(m_rect, anchor)) {
        path.moveTo(wedge->first);
        path.lineTo(anchor);
        path.lineTo(wedge->second);
        path = path.simplified();
    }
    painter->setBrush(QColor(255, 255, 255));
    painter->drawPath(path);
    painter->drawText(m_textRect, m_text);
}

void Callout::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->setAccepted(true);
}

void Callout::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton) {
        setPos(mapToParent(event->pos() - event->buttonDownPos(Qt::LeftButton)));
        event->setAccepted(true);
    } else {
        event->setAccepted(false);
    }
}
