#pragma once

#include <QList>
#include <QPair>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

// The points of one oscilloscope channel, oldest first: the newest `limit`
// points are kept, older ones drop out as new ones come.
class WaveTrace
{
public:
    // A limit below 1 counts as 1.
    explicit WaveTrace(qsizetype limit);

    // Points that are not finite are left out: the chart cannot place them.
    void append(QPointF point);
    // Keeps the newest `limit` finite points of the list.
    void replace(const QList<QPointF> &points);
    void clear();

    [[nodiscard]] qsizetype limit() const { return m_limit; }
    [[nodiscard]] qsizetype size() const { return qsizetype(m_ring.size()); }
    [[nodiscard]] bool isEmpty() const { return m_ring.empty(); }
    // The point at `index`, 0 being the oldest kept.
    [[nodiscard]] QPointF at(qsizetype index) const;
    [[nodiscard]] QList<QPointF> points() const;
    // The smallest rectangle holding every point, each coordinate taken
    // within half the largest double so that the size stays finite; none
    // while empty.
    [[nodiscard]] std::optional<QRectF> bounds() const;

    // The points a line needs to look the same across [xFrom, xTo] drawn
    // `buckets` columns wide: the points inside plus one neighbour on each
    // side. When there are more than two per column, each column keeps only
    // its lowest and highest point, in their order. Points whose x do not
    // rise are all returned, and so are all points for no columns.
    [[nodiscard]] QList<QPointF> drawPoints(double xFrom, double xTo, int buckets) const;
    // Whether drawPoints keeps only the lowest and highest point per column.
    [[nodiscard]] bool thins(double xFrom, double xTo, int buckets) const;

private:
    // The first and the end index of the points drawPoints looks at: those
    // inside [xFrom, xTo] and one neighbour on each side.
    [[nodiscard]] QPair<qsizetype, qsizetype> window(double xFrom, double xTo) const;
    // The index of the first point whose x is at least x (or above x when
    // `above`), the x of the points rising.
    [[nodiscard]] qsizetype firstIndex(double x, bool above) const;

    qsizetype m_limit;
    // A ring once full: the oldest point is at m_head.
    std::vector<QPointF> m_ring;
    qsizetype m_head = 0;
    // The x of the points never fall from one point to the next.
    bool m_rising = true;
};
