#include "tofzones.h"

#include <QString>

#include <algorithm>

// Value k = 8 a + b: the board sends its zones by quarter, column pair and
// row, bottom half first.
int TofZones::tmf8828Zone(int k)
{
    const int a = k / 8;
    const int b = k % 8;
    return 56 - 8 * (a / 4) - 16 * (b / 2) + 4 * (b % 2) + a % 4;
}

void TofZones::mirrorRows(QList<int> &values, int rows, int columns)
{
    if (rows < 1 || columns < 1 || values.size() < qsizetype(rows) * columns)
        return;
    for (int row = 0; row < rows; ++row) {
        const auto start = values.begin() + qsizetype(row) * columns;
        std::reverse(start, start + columns);
    }
}

std::optional<int> TofZones::takeLine(QByteArrayView line, Sensor sensor)
{
    const QString text = QString::fromUtf8(line);
    const QList<QStringView> parts = QStringView(text).split(u',', Qt::SkipEmptyParts);
    const int count = int(parts.size());
    if ((count != 16 && count != zoneCount) || (sensor == Sensor::TMF8828 && count != zoneCount))
        return std::nullopt;

    const auto value = [&parts](int k) {
        return parts.at(k).toInt(nullptr, 10);
    };
    if (sensor == Sensor::VL53LMZ) {
        for (int i = 0; i < count; ++i)
            m_zones[i] = value(i);
        const int side = count == zoneCount ? 8 : 4;
        mirrorRows(m_zones, side, side);
    } else {
        for (int k = 0; k < zoneCount; ++k)
            m_zones[tmf8828Zone(k)] = value(k);
    }
    return count;
}
