#include "tofcolours.h"
#include "tofsurfacemodel.h"
#include "tofzones.h"

#include <QTest>

#include <algorithm>
#include <limits>

using Ints = QList<int>;
using Heights = QList<double>;
using Points = QList<QPoint>;
using Sensor = TofZones::Sensor;

Q_DECLARE_METATYPE(Sensor)

namespace {
// "v0,v1,...," as a board sends it, without the CR LF.
QByteArray line(const Ints &values)
{
    QByteArray bytes;
    for (const int value : values)
        bytes += QByteArray::number(value) + ',';
    return bytes;
}

Ints counting(int count, int step = 1)
{
    Ints values;
    for (int k = 0; k < count; ++k)
        values.append(k * step);
    return values;
}

// 64 zones: `first` followed by zeros.
Ints zones(const Ints &first)
{
    Ints all = first;
    all.resize(TofZones::zoneCount);
    return all;
}

template <typename T> QString text(const QList<T> &values)
{
    QStringList texts;
    for (const T value : values)
        texts.append(QString::number(value));
    return texts.join(QLatin1Char(' '));
}
} // namespace

// Zone order of each sensor's lines, the grid's distance colours and the
// surface's heights.
class TestTofCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takeLine_data();
    void takeLine();
    void distanceColour_data();
    void distanceColour();
    void surfaceModel_data();
    void surfaceModel();
};

void TestTofCore::takeLine_data()
{
    QTest::addColumn<Sensor>("sensor");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<int>("count"); // of the last line, -1 when ignored
    QTest::addColumn<Ints>("expected");

    const Ints sixteen = counting(16, 100);
    Ints sixtyFour; // zone 8 r + c holds value 8 r + 7 - c
    for (int k = 0; k < 64; ++k)
        sixtyFour.append(k / 8 * 8 + 7 - k % 8);

    QTest::newRow("VL53LMZ 16 values: rows of 4 mirrored")
        << Sensor::VL53LMZ
        << QByteArrayList{"100,200,300,400,500,600,700,800,900,1000,1100,1200,1300,1400,1500,"
                          "1600,"}
        << 16
        << zones({400, 300, 200, 100, 800, 700, 600, 500, 1200, 1100, 1000, 900, 1600, 1500, 1400,
                  1300});
    QTest::newRow("VL53LMZ 64 values: rows of 8 mirrored")
        << Sensor::VL53LMZ << QByteArrayList{line(counting(64))} << 64 << sixtyFour;
    QTest::newRow("VL53LMZ 16 after 64: zones 16 to 63 keep their values")
        << Sensor::VL53LMZ << QByteArrayList{line(counting(64)), line(Ints(16, 5))} << 16
        << Ints(16, 5) + sixtyFour.mid(16);
    QTest::newRow("TMF8828 64 values through its table")
        << Sensor::TMF8828 << QByteArrayList{line(counting(64))} << 64
        << Ints{38, 46, 54, 62, 39, 47, 55, 63, 6, 14, 22, 30, 7, 15, 23, 31,
                36, 44, 52, 60, 37, 45, 53, 61, 4, 12, 20, 28, 5, 13, 21, 29,
                34, 42, 50, 58, 35, 43, 51, 59, 2, 10, 18, 26, 3, 11, 19, 27,
                32, 40, 48, 56, 33, 41, 49, 57, 0, 8,  16, 24, 1, 9,  17, 25};
    QTest::newRow("TMF8828 needs 64 values: 16 are ignored")
        << Sensor::TMF8828 << QByteArrayList{line(sixteen)} << -1 << zones({});
    QTest::newRow("15 or 17 values and an empty line ignored")
        << Sensor::VL53LMZ << QByteArrayList{line(counting(15)), line(counting(17)), ""} << -1
        << zones({});
    QTest::newRow("not a number, or beyond 32 bits, reads 0; empty parts do not count")
        << Sensor::VL53LMZ << QByteArrayList{"abc,2,3,4,,5,6,7,8,9,10,11,12,13,14,15,99999999999,"}
        << 16 << zones({4, 3, 2, 0, 8, 7, 6, 5, 12, 11, 10, 9, 0, 15, 14, 13});
}

void TestTofCore::takeLine()
{
    QFETCH(Sensor, sensor);
    QFETCH(QByteArrayList, lines);
    QFETCH(int, count);
    QFETCH(Ints, expected);

    TofZones tof;
    std::optional<int> taken;
    for (const QByteArray &bytes : lines)
        taken = tof.takeLine(bytes, sensor);
    QCOMPARE(taken.value_or(-1), count);
    QVERIFY2(
        tof.zones() == expected,
        qPrintable(QStringLiteral("last line %1:\nexpected %2\ngot      %3")
                       .arg(QString::fromUtf8(lines.last()), text(expected), text(tof.zones()))));
    // Both orders give every zone exactly one value of a 64-value line.
    if (lines.last() == line(counting(64))) {
        Ints sorted = tof.zones();
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, counting(64));
    }
}

void TestTofCore::distanceColour_data()
{
    QTest::addColumn<int>("millimetres");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("0 white") << 0 << QColor(Qt::white);
    QTest::newRow("1 nearly black") << 1 << QColor(0, 0, 0);
    QTest::newRow("500") << 500 << QColor(0, 0, 127);
    QTest::newRow("1000 blue") << 1000 << QColor(0, 0, 255);
    QTest::newRow("1001") << 1001 << QColor(0, 0, 254);
    QTest::newRow("1500") << 1500 << QColor(127, 0, 127);
    QTest::newRow("2000 red") << 2000 << QColor(255, 0, 0);
    QTest::newRow("2500 red") << 2500 << QColor(255, 0, 0);
    QTest::newRow("largest red") << std::numeric_limits<int>::max() << QColor(255, 0, 0);
    QTest::newRow("negative black") << -5 << QColor(0, 0, 0);
    QTest::newRow("smallest black") << std::numeric_limits<int>::min() << QColor(0, 0, 0);
}

void TestTofCore::distanceColour()
{
    QFETCH(int, millimetres);
    QFETCH(QColor, expected);
    QCOMPARE(TofColours::distanceColour(millimetres), expected);
}

void TestTofCore::surfaceModel_data()
{
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<Points>("points"); // none: the model's master points
    QTest::addColumn<Heights>("values");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<Heights>("expected"); // row-major, row b column a

    Heights counted; // 0, 10, .. 630
    for (int i = 0; i < 64; ++i)
        counted.append(10.0 * i);
    // Master points of 4 by 4: value i at column i div 4, row i mod 4.
    Heights fourByFour;
    for (int b = 0; b < 4; ++b)
        for (int a = 0; a < 4; ++a)
            fourByFour.append(10.0 * (4 * a + b));

    QTest::newRow("a fresh 8 by 8 grid stands at 3000")
        << 1 << Points{} << Heights{} << true << Heights(64, 3000);
    QTest::newRow("4 by 4 takes the first 16 of 64 values")
        << 0 << Points{} << counted << true << fourByFour;
    QTest::newRow("cut to 8000 at the top, below 0 kept, points outside the grid skipped")
        << 0 << Points{{0, 0}, {1, 0}, {3, 3}, {4, 0}, {0, 4}, {-1, 0}, {0, -1}, {2, 1}}
        << Heights{9000, -5, 8000, 1, 2, 3, 4, 5} << true
        << Heights{8000, -5,   3000, 3000, 3000, 3000, 5,    3000,
                   3000, 3000, 3000, 3000, 3000, 3000, 3000, 8000};
    QTest::newRow("fewer values than points refused")
        << 0 << Points{{0, 0}, {1, 1}} << Heights{1} << false << Heights(16, 3000);
}

void TestTofCore::surfaceModel()
{
    QFETCH(int, arrangement);
    QFETCH(Points, points);
    QFETCH(Heights, values);
    QFETCH(bool, taken);
    QFETCH(Heights, expected);

    TofSurfaceModel model;
    QCOMPARE(model.size(), 8);
    model.setArrangement(arrangement);
    const int side = arrangement == 0 ? 4 : 8;
    QCOMPARE(model.size(), side);
    QCOMPARE(model.masterPoints().size(), side * side);
    QCOMPARE(model.masterPoints().at(side + 2), QPoint(1, 2));
    if (!values.isEmpty())
        QCOMPARE(model.updateMultipleDataPoints(points.isEmpty() ? model.masterPoints() : points,
                                                values),
                 taken);
    Heights actual;
    for (int b = 0; b < side; ++b)
        for (int a = 0; a < side; ++a)
            actual.append(model.height(b, a));
    QVERIFY2(
        actual == expected,
        qPrintable(QStringLiteral("expected %1\ngot      %2").arg(text(expected), text(actual))));
}

QTEST_GUILESS_MAIN(TestTofCore)
#include "tst_tofcore.moc"
