#pragma once

#include <QByteArrayView>
#include <QList>

#include <optional>

// The 64 zone distances (mm) of the time-of-flight display, zone 8 r + c for
// grid row r and column c (4 r + c for a 16-zone line), and how each
// sensor's lines put their values into that order.
class TofZones
{
public:
    static constexpr int zoneCount = 64;

    enum class Sensor { VL53LMZ, TMF8828 };

    // Takes one line without its CR LF: distances separated by commas, empty
    // parts dropped, a part that is no 32-bit decimal integer read as 0.
    // A VL53LMZ line of 16 or 64 values rewrites zones 0 to 15 or all, each
    // row of 4 or 8 mirrored left to right; a TMF8828 line of 64 values goes
    // through its zone table. Returns the number of values taken, or nothing
    // when the line is ignored: any other count, and 16 values for the
    // TMF8828, whose table needs 64.
    [[nodiscard]] std::optional<int> takeLine(QByteArrayView line, Sensor sensor);

    // All 64 zones; those a line did not reach keep their older values.
    [[nodiscard]] const QList<int> &zones() const { return m_zones; }

    // The zone of value k (0 to 63) of a TMF8828 line.
    [[nodiscard]] static int tmf8828Zone(int k);
    // Reverses the order within each of `rows` rows of `columns` values;
    // nothing when the list holds fewer than rows times columns values.
    static void mirrorRows(QList<int> &values, int rows, int columns);

private:
    QList<int> m_zones = QList<int>(zoneCount, 0);
};
