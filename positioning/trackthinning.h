#pragma once

#include "latlong.h"

#include <QList>

#include <optional>

// Thins a track to the points a map can tell apart, fed point by point. A
// point is left out when the straight line between the points kept around
// it passes within a quarter of a pixel of it at the closest zoom of the map
// pages, and so is a repeat of the point before it; the first and the last
// point and every turn are kept. A track that never leaves its first place
// keeps that place twice, a line of no length, so that it is still drawn.
// Each point costs the same, however long the stretch it lies on.
class TrackThinning
{
public:
    // Takes the track's next point; appends to `kept` the points now known
    // to be kept, in the track's order.
    void add(const LatLong &position, QList<LatLong> &kept);
    // Ends the track: appends to `kept` what is still to be kept.
    void finish(QList<LatLong> &kept);

private:
    // A position and where it lies on the map's plane.
    struct Point
    {
        LatLong position;
        double x;
        double y;
    };

    [[nodiscard]] static Point project(const LatLong &position);
    [[nodiscard]] bool extends(const Point &point) const;
    void passOver(const Point &point);
    void keepFrom(const Point &point);

    // The last point kept, and the track's end so far if it is not that.
    std::optional<Point> m_kept;
    std::optional<Point> m_end;
    // The points since the last one kept lie near the line from it in the
    // directions between `m_low` and `m_high` (radians from `m_reference`)
    // when `m_aimed`, and no farther from it than `m_farthest`.
    bool m_aimed = false;
    double m_reference = 0;
    double m_low = 0;
    double m_high = 0;
    double m_farthest = 0;
    bool m_repeated = false;
};
