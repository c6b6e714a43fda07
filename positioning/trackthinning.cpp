#include "trackthinning.h"

#include <algorithm>
#include <cmath>

namespace {
// The map pages zoom in no closer than this, where the world is 256 * 2^19
// pixels wide.
constexpr int closestZoom = 19;
// A quarter of a pixel there, in degrees of longitude.
constexpr double tolerance = 360.0 / (256.0 * double(1 << closestZoom)) / 4;
// Web Mercator shows no latitude beyond this.
constexpr double mercatorLimit = 85.0511287798066;
constexpr double pi = 3.14159265358979323846;

// An angle brought into -pi..pi.
double normalised(double angle)
{
    return std::remainder(angle, 2 * pi);
}
} // namespace

// Web Mercator in degrees: a pixel is as long across as up at any latitude.
TrackThinning::Point TrackThinning::project(const LatLong &position)
{
    const double latitude = std::clamp(position.latitude, -mercatorLimit, mercatorLimit) * pi / 180;
    return {position, position.longitude, std::log(std::tan(pi / 4 + latitude / 2)) * 180 / pi};
}

// Whether every point since the last one kept lies within the tolerance of
// the segment from it to `point`: each lies no farther than `point`, and
// within the directions that keep it near the line.
bool TrackThinning::extends(const Point &point) const
{
    const double distance = std::hypot(point.x - m_kept->x, point.y - m_kept->y);
    if (distance < m_farthest)
        return false;
    if (!m_aimed || distance <= tolerance)
        return true;
    const double direction =
        normalised(std::atan2(point.y - m_kept->y, point.x - m_kept->x) - m_reference);
    return direction >= m_low && direction <= m_high;
}

// Narrows the directions of the line to those that pass near `point` too.
void TrackThinning::passOver(const Point &point)
{
    m_end = point;
    const double distance = std::hypot(point.x - m_kept->x, point.y - m_kept->y);
    m_farthest = std::max(m_farthest, distance);
    if (distance <= tolerance)
        return;
    const double direction = std::atan2(point.y - m_kept->y, point.x - m_kept->x);
    const double spread = std::asin(tolerance / distance);
    if (!m_aimed) {
        m_aimed = true;
        m_reference = direction;
        m_low = -spread;
        m_high = spread;
        return;
    }
    const double relative = normalised(direction - m_reference);
    m_low = std::max(m_low, relative - spread);
    m_high = std::min(m_high, relative + spread);
}

void TrackThinning::keepFrom(const Point &point)
{
    m_kept = point;
    m_end.reset();
    m_aimed = false;
    m_farthest = 0;
}

void TrackThinning::add(const LatLong &position, QList<LatLong> &kept)
{
    const Point point = project(position);
    if (!m_kept) {
        keepFrom(point);
        kept.append(position);
        return;
    }
    const LatLong &last = m_end ? m_end->position : m_kept->position;
    if (last.latitude == position.latitude && last.longitude == position.longitude) {
        m_repeated = true;
        return;
    }
    // The track turns at its end so far: that point stays.
    if (m_end && !extends(point)) {
        kept.append(m_end->position);
        keepFrom(*m_end);
    }
    passOver(point);
}

void TrackThinning::finish(QList<LatLong> &kept)
{
    if (m_end)
        kept.append(m_end->position);
    else if (m_kept && m_repeated)
        kept.append(m_kept->position);
    *this = TrackThinning();
}
