#include "calloutwedge.h"

#include <QtMath>

std::optional<CalloutWedge> CalloutWedge::toward(const QRectF &box, const QPointF &anchor)
{
    if (box.contains(anchor))
        return std::nullopt;
    const QPointF centre = box.center();
    const bool above = anchor.y() <= box.top();
    const bool aboveCentre = anchor.y() > box.top() && anchor.y() <= centre.y();
    const bool belowCentre = anchor.y() > centre.y() && anchor.y() <= box.bottom();
    const bool below = anchor.y() > box.bottom();
    const bool onLeft = anchor.x() <= box.left();
    const bool leftOfCentre = anchor.x() > box.left() && anchor.x() <= centre.x();
    const bool rightOfCentre = anchor.x() > centre.x() && anchor.x() <= box.right();
    const bool onRight = anchor.x() > box.right();

    // The corner or side point nearest to the anchor.
    const qreal x = box.left() + (onRight + rightOfCentre) * box.width();
    const qreal y = box.top() + (below + belowCentre) * box.height();
    const bool cornerCase = (above || below) && (onLeft || onRight);
    // From a corner, the base lies on the side the anchor is farther from.
    const bool vertical = qAbs(anchor.x() - x) > qAbs(anchor.y() - y);
    const int horizontalCorner = cornerCase && !vertical;
    const int verticalCorner = cornerCase && vertical;

    CalloutWedge wedge;
    wedge.first.setX(x + 10 * leftOfCentre - 20 * rightOfCentre +
                     horizontalCorner * (10 * onLeft - 20 * onRight));
    wedge.first.setY(y + 10 * aboveCentre - 20 * belowCentre +
                     verticalCorner * (10 * above - 20 * below));
    wedge.second.setX(x + 20 * leftOfCentre - 10 * rightOfCentre +
                      horizontalCorner * (20 * onLeft - 10 * onRight));
    wedge.second.setY(y + 20 * aboveCentre - 10 * belowCentre +
                      verticalCorner * (20 * above - 10 * below));
    return wedge;
}
