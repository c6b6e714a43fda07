#pragma once

#include <QList>
#include <QPoint>

// What the time-of-flight surface shows: an n by n grid of heights (n is 4
// or 8), one per zone, below the top of the height range.
class TofSurfaceModel
{
public:
    // The height range is 0 to topHeight; a fresh grid stands at startHeight.
    static constexpr double topHeight = 8000;
    static constexpr double startHeight = 3000;

    // An 8 by 8 grid.
    TofSurfaceModel();

    // Rebuilds the grid: 4 by 4 for arrangement 0, 8 by 8 for any other
    // value, every height startHeight.
    void setArrangement(int arrangement);
    // n, the grid's points per side.
    [[nodiscard]] int size() const { return m_size; }
    // One grid point (a, b) per zone i: a = i div n, b = i mod n.
    [[nodiscard]] const QList<QPoint> &masterPoints() const { return m_masterPoints; }
    // The points (a, b) for a and b from 0 to n - 1, a the outer; the grid
    // stays as it is (points outside it are skipped when heights are set).
    void updateMasterPoints(int n);

    // For each point (a, b), the height of row b, column a becomes value i,
    // cut to topHeight (values below 0 stay). Points outside the grid are
    // skipped. Refused (false, nothing changed) when there are fewer values
    // than points.
    bool updateMultipleDataPoints(const QList<QPoint> &points, const QList<double> &values);
    // The height of row `row`, column `column` becomes `value` as it is;
    // refused (false) outside the grid.
    bool updateDataPoint(int row, int column, double value);
    // The height of row `row`, column `column`; both must lie inside the grid.
    [[nodiscard]] double height(int row, int column) const;

private:
    int m_size = 0;
    QList<QPoint> m_masterPoints;
    // Row-major: row b, column a is entry b * n + a.
    QList<double> m_heights;
};
