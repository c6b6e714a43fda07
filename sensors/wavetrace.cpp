#include "wavetrace.h"

#include <cmath>
#include <limits>

WaveTrace::WaveTrace(qsizetype limit)
    : m_limit(qMax<qsizetype>(1, limit))
{}

void WaveTrace::append(QPointF point)
{
    if (!std::isfinite(point.x()) || !std::isfinite(point.y()))
        return;
    if (!isEmpty())
        m_rising = m_rising && point.x() >= at(size() - 1).x();
    if (size() < m_limit) {
        m_ring.push_back(point);
        return;
    }
    m_ring[size_t(m_head)] = point;
    m_head = (m_head + 1) % m_limit;
}

void WaveTrace::replace(const QList<QPointF> &points)
{
    clear();
    m_ring.reserve(size_t(qMin(points.size(), m_limit)));
    for (const QPointF &point : points)
        append(point);
}

void WaveTrace::clear()
{
    m_ring.clear();
    m_head = 0;
    m_rising = true;
}

QPointF WaveTrace::at(qsizetype index) const
{
    return m_ring[size_t((m_head + index) % size())];
}

QList<QPointF> WaveTrace::points() const
{
    QList<QPointF> list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        list.append(at(i));
    return list;
}

std::optional<QRectF> WaveTrace::bounds() const
{
    if (isEmpty())
        return std::nullopt;
    QPointF low = m_ring.front();
    QPointF high = low;
    for (const QPointF &point : m_ring) {
        low = {qMin(low.x(), point.x()), qMin(low.y(), point.y())};
        high = {qMax(high.x(), point.x()), qMax(high.y(), point.y())};
    }
    static constexpr double half = std::numeric_limits<double>::max() / 2;
    const auto within = [](QPointF point) {
        return QPointF(qBound(-half, point.x(), half), qBound(-half, point.y(), half));
    };
    return QRectF(within(low), within(high));
}

qsizetype WaveTrace::firstIndex(double x, bool above) const
{
    qsizetype low = 0;
    qsizetype high = size();
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        const double pointX = at(middle).x();
        if (pointX < x || (above && pointX == x))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

QPair<qsizetype, qsizetype> WaveTrace::window(double xFrom, double xTo) const
{
    return {qMax<qsizetype>(firstIndex(xFrom, false) - 1, 0),
            qMin(firstIndex(xTo, true) + 1, size())};
}

bool WaveTrace::thins(double xFrom, double xTo, int buckets) const
{
    if (!m_rising || buckets < 1 || !(xFrom < xTo))
        return false;
    const auto [first, end] = window(xFrom, xTo);
    return end - first > 2 * qsizetype(buckets);
}

QList<QPointF> WaveTrace::drawPoints(double xFrom, double xTo, int buckets) const
{
    if (!m_rising || buckets < 1 || !(xFrom < xTo))
        return points();
    const auto [first, end] = window(xFrom, xTo);
    QList<QPointF> list;
    if (!thins(xFrom, xTo, buckets)) {
        list.reserve(end - first);
        for (qsizetype i = first; i < end; ++i)
            list.append(at(i));
        return list;
    }

    list.reserve(2 * qsizetype(buckets) + 2);
    const double width = (xTo - xFrom) / buckets;
    const auto bucketOf = [&](double x) {
        return x < xFrom || x > xTo ? -1 : qMin(int((x - xFrom) / width), buckets - 1);
    };
    qsizetype i = first;
    while (i < end) {
        const int bucket = bucketOf(at(i).x());
        if (bucket < 0) {
            list.append(at(i++));
            continue;
        }
        qsizetype lowest = i;
        qsizetype highest = i;
        for (++i; i < end && bucketOf(at(i).x()) == bucket; ++i) {
            if (at(i).y() < at(lowest).y())
                lowest = i;
            if (at(i).y() > at(highest).y())
                highest = i;
        }
        list.append(at(qMin(lowest, highest)));
        if (lowest != highest)
            list.append(at(qMax(lowest, highest)));
    }
    return list;
}
