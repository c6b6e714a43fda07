#include "lineframer.h"
#include "spectrachannels.h"
#include "spectrumcolours.h"
#include "tofcolours.h"
#include "tofsurfacemodel.h"
#include "tofzones.h"

#include "hexlist.h"
#include "parsecheck.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <tuple>

using Readings = QList<SpectraReading>;
using Ints = QList<int>;
using Heights = QList<double>;
using Points = QList<QPoint>;
using Sensor = TofZones::Sensor;

Q_DECLARE_METATYPE(Sensor)

namespace {
QString text(const Readings &readings)
{
    QStringList texts;
    for (const SpectraReading &reading : readings)
        texts.append(QStringLiteral("%1=%2").arg(reading.channel).arg(reading.value));
    return QLatin1Char('[') + texts.join(QLatin1Char(' ')) + QLatin1Char(']');
}

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

// The spectrometer's and time-of-flight board's lines cut at CR LF, the
// spectrometer's channel values, the colours of wavelengths and distances,
// the zone order of each time-of-flight sensor and the surface's heights.
class TestSpectraTofCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void readings_data();
    void readings();
    void colours_data();
    void colours();
    void takeLine_data();
    void takeLine();
    void surfaceModel_data();
    void surfaceModel();
};

void TestSpectraTofCore::lines_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QTest::newRow("lines in one chunk, in order, an empty one and a TOF line's comma")
        << 4096 << QByteArray("F3:2500\r\n\r\n100,200,\r\n")
        << QByteArrayList{"F3:2500", "", "100,200,"} << QByteArrayList{} << false;
    QTest::newRow("LF or CR alone stay in the line, CR before CR LF too")
        << 4096 << QByteArray("a\nb\rc\r\nx\r\r\n") << QByteArrayList{"a\nb\rc", "x\r"}
        << QByteArrayList{} << false;
    QTest::newRow("a line whose CR LF has not come is held")
        << 4096 << QByteArray("F1:1\r\nF2:750\r") << QByteArrayList{"F1:1"} << QByteArrayList{}
        << true;
    QTest::newRow("a line of the maximum taken; longer ones, a CR past it too, reported once")
        << 4 << QByteArray("abcd\r\nabcd\rx\r\n0123456789\r\nF1\r\n")
        << QByteArrayList{"abcd", "F1"} << QByteArrayList{"abcd", "0123"} << false;
    QTest::newRow("text without line ends is not held beyond the maximum")
        << 8 << QByteArray(100, 'x') << QByteArrayList{} << QByteArrayList{"xxxxxxxx"} << false;
}

void TestSpectraTofCore::lines()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    verifyParse([maximum] { return LineFramer(maximum, LineFramer::Ending::CrLf); }, stream, lines,
                corrupt, needsMore, hexList);
}

void TestSpectraTofCore::readings_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Readings>("expected");

    QTest::newRow("FXL, FZ, FY, F12 and F18")
        << "FXL:100\r\nFZ:200\r\nFY:300\r\nF12:400\r\nF18:300"
        << Readings{{9, 0.1}, {10, 0.2}, {11, 0.3}, {11, 0.4}, {17, 0.3}};
    QTest::newRow("two lines with their CR LF, in order") << "F1:1000\r\nNIR:250\r\n"
                                                          << Readings{{0, 1.0}, {8, 0.25}};
    QTest::newRow("bad lines between good ones: no number, no value, no colon, too wide, unknown")
        << "F1:1\r\nF2:x\r\nF1:\r\nF1 100\r\nF1:2147483648\r\nF19:100\r\nF3:3"
        << Readings{{0, 0.001}, {2, 0.003}};
}

void TestSpectraTofCore::readings()
{
    QFETCH(QString, line);
    QFETCH(Readings, expected);
    const Readings actual = SpectraChannels::readings(line);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("line %1: expected %2, got %3")
                                                .arg(line, text(expected), text(actual))));
}

void TestSpectraTofCore::colours_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("expected");

    // Points of the wavelength curve, between them and outside it; distances
    // along the white, black, blue and red scale and at the ends of int.
    constexpr double low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    const QList<std::tuple<const char *, double, const char *>> rows{
        {"nm", 380, "#9600ff"},   {"nm", 435, "#5500ff"},  {"nm", 440, "#0000ff"},
        {"nm", 490, "#00b4ff"},   {"nm", 510, "#00ff00"},  {"nm", 610, "#ffa000"},
        {"nm", 750, "#800000"},   {"nm", 940, "#a0a0a0"},  {"nm", 379.9, "#808080"},
        {"nm", 940.1, "#808080"}, {"mm", 0, "#ffffff"},    {"mm", 1, "#000000"},
        {"mm", 500, "#00007f"},   {"mm", 1000, "#0000ff"}, {"mm", 1001, "#0000fe"},
        {"mm", 1500, "#7f007f"},  {"mm", 2000, "#ff0000"}, {"mm", 2500, "#ff0000"},
        {"mm", high, "#ff0000"},  {"mm", -5, "#000000"},   {"mm", low, "#000000"}};
    for (const auto &[scale, number, colour] : rows)
        QTest::addRow("%s %g", scale, number) << scale << number << colour;
}

void TestSpectraTofCore::colours()
{
    QFETCH(QString, scale);
    QFETCH(double, number);
    QFETCH(QString, expected);
    const QColor colour = scale == QLatin1String("nm") ? SpectrumColours::wavelengthColour(number)
                                                       : TofColours::distanceColour(int(number));
    QCOMPARE(colour.name(), expected);
}

void TestSpectraTofCore::takeLine_data()
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
        << Sensor::VL53LMZ << QByteArrayList{line(sixteen)} << 16
        << zones({300, 200, 100, 0, 700, 600, 500, 400, 1100, 1000, 900, 800, 1500, 1400, 1300,
                  1200});
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

void TestSpectraTofCore::takeLine()
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

void TestSpectraTofCore::surfaceModel_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<Heights>("values");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<Heights>("expected"); // row-major, row b column a

    QTest::newRow("cut to 8000 at the top, below 0 kept, points outside the grid skipped")
        << Points{{0, 0}, {1, 0}, {3, 3}, {4, 0}, {0, 4}, {-1, 0}, {0, -1}, {2, 1}}
        << Heights{9000, -5, 8000, 1, 2, 3, 4, 5} << true
        << Heights{8000, -5,   3000, 3000, 3000, 3000, 5,    3000,
                   3000, 3000, 3000, 3000, 3000, 3000, 3000, 8000};
    QTest::newRow("fewer values than points refused")
        << Points{{0, 0}, {1, 1}} << Heights{1} << false << Heights(16, 3000);
}

// A new model is 8 by 8; arrangement 0 makes it 4 by 4 at 3000, zone i at
// point (i div 4, i mod 4).
void TestSpectraTofCore::surfaceModel()
{
    QFETCH(Points, points);
    QFETCH(Heights, values);
    QFETCH(bool, taken);
    QFETCH(Heights, expected);

    TofSurfaceModel model;
    QCOMPARE(model.size(), 8);
    model.setArrangement(0);
    QCOMPARE(model.size(), 4);
    QCOMPARE(model.masterPoints().size(), 16);
    QCOMPARE(model.masterPoints().at(6), QPoint(1, 2));
    QCOMPARE(model.updateMultipleDataPoints(points, values), taken);
    Heights actual;
    for (int b = 0; b < 4; ++b)
        for (int a = 0; a < 4; ++a)
            actual.append(model.height(b, a));
    QVERIFY2(
        actual == expected,
        qPrintable(QStringLiteral("expected %1\ngot      %2").arg(text(expected), text(actual))));
}

QTEST_GUILESS_MAIN(TestSpectraTofCore)
#include "tst_spectratofcore.moc"
