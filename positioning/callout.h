#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QPointF>
#include <QRectF>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

// A boxed text on a chart with a pointer to one point of the chart; the user
// can drag it aside with the left mouse button.
class Callout : public QGraphicsItem
{
public:
    // The chart becomes the parent item, which deletes the callout.
    explicit Callout(QChart *parent);

    void setText(const QString &text);
    [[nodiscard]] QString text() const { return m_text; }
    // The point in the chart's value coordinates the pointer runs to.
    void setAnchor(QPointF point);
    // Moves the box beside the anchor as the chart shows it now.
    void updateGeometry();

    [[nodiscard]] QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;

private:
    // The anchor in the callout's own coordinates.
    [[nodiscard]] QPointF anchorHere() const;

    QString m_text;
    QRectF m_textRect;
    QRectF m_rect;
    QPointF m_anchor;
    QFont m_font;
    QChart *m_chart;
};
