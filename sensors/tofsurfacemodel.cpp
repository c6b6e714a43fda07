#include "tofsurfacemodel.h"

#include <algorithm>

TofSurfaceModel::TofSurfaceModel()
{
    setArrangement(1);
}

void TofSurfaceModel::setArrangement(int arrangement)
{
    m_size = arrangement == 0 ? 4 : 8;
    m_heights = QList<double>(m_size * m_size, startHeight);
    updateMasterPoints(m_size);
}

void TofSurfaceModel::updateMasterPoints(int n)
{
    m_masterPoints.clear();
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            m_masterPoints.append(QPoint(a, b));
}

bool TofSurfaceModel::updateDataPoint(int row, int column, double value)
{
    if (row < 0 || row >= m_size || column < 0 || column >= m_size)
        return false;
    m_heights[row * m_size + column] = value;
    return true;
}

bool TofSurfaceModel::updateMultipleDataPoints(const QList<QPoint> &points,
                                               const QList<double> &values)
{
    if (values.size() < points.size())
        return false;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPoint point = points.at(i);
        if (point.x() < 0 || point.x() >= m_size || point.y() < 0 || point.y() >= m_size)
            continue;
        m_heights[point.y() * m_size + point.x()] = std::min(values.at(i), topHeight);
    }
    return true;
}

double TofSurfaceModel::height(int row, int column) const
{
    return m_heights.at(row * m_size + column);
}
