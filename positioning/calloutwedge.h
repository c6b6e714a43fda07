#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>

// The base of a callout's pointer: two points on the edge of its box from
// which the pointer runs to the anchor.
struct CalloutWedge
{
    QPointF first;
    QPointF second;

    // The base on the side of `box` that faces `anchor`, 10 to 20 units in
    // from the nearer corner (from a corner, along the side the anchor is
    // farther from); none when the anchor lies inside the box.
    [[nodiscard]] static std::optional<CalloutWedge> toward(const QRectF &box,
                                                            const QPointF &anchor);
};
