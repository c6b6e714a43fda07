#include "tofzones.h"

#include <QString>

#include <algorithm>

namespace {
// Value k = 8 a + b: the board sends its zones by quarter, column pair and
// row, bottom half first.
int tmf8828Zone(int k)
{
    const int a = k / 8;
    const int b = k % 8;
    return 56 - 8 * (a / 4) - 16 * (b / 2) + 4 * (b % 2) + a % 4;
}

// Reverses the order within each of `rows` rows of `columns` values.
void mirrorRows(QList<int> &pixels, int rows, int columns)
{
    for (int row = 0; row < rows; ++row) {
        const auto start = pixels.begin() + qsizetype(row) * columns;
        std::reverse(start, start + columns);
    }
}
} // namespace

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
