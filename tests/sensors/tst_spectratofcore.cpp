#include "lineframer.h"
#include "spectrachannels.h"
#include "spectrumcolours.h"
#include "tofcolours.h"
#include "tofsurfacemodel.h"
#include "tofzones.h"

#include "chunkingcheck.h"
#include "hexlist.h"

#include <QTest>
#include <QVariant>

#include <algorithm>
#include <limits>

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

    QTest::newRow("two lines in one chunk, in order")
        << 4096 << QByteArray("F3:2500\r\nF9:100\r\n") << QByteArrayList{"F3:2500", "F9:100"}
        << QByteArrayList{} << false;
    QTest::newRow("a TOF line with its trailing comma")
        << 4096 << QByteArray("100,200,300,\r\n") << QByteArrayList{"100,200,300,"}
        << QByteArrayList{} << false;
    QTest::newRow("LF or CR alone stay in the line, CR before CR LF too")
        << 4096 << QByteArray("a\nb\rc\r\nx\r\r\n") << QByteArrayList{"a\nb\rc", "x\r"}
        << QByteArrayList{} << false;
    QTest::newRow("empty lines and NUL bytes")
        << 4096 << QByteArray("\r\n\0F1:1\r\n", 9) << QByteArrayList{"", QByteArray("\0F1:1", 5)}
        << QByteArrayList{} << false;
    QTest::newRow("a line whose CR LF has not come is held")
        << 4096 << QByteArray("F1:1\r\nF2:750\r") << QByteArrayList{"F1:1"} << QByteArrayList{}
        << true;
    QTest::newRow("a line of exactly the maximum")
        << 4 << QByteArray("abcd\r\nabc\r\n") << QByteArrayList{"abcd", "abc"} << QByteArrayList{}
        << false;
    QTest::newRow("too long: reported once, cutting resumes after its CR LF")
        << 8 << QByteArray("0123456789abcdef\r\nF1:1\r\n") << QByteArrayList{"F1:1"}
        << QByteArrayList{"01234567"} << false;
    QTest::newRow("a CR past the maximum is part of the long line")
        << 4 << QByteArray("abcd\rx\r\nF1\r\n") << QByteArrayList{"F1"} << QByteArrayList{"abcd"}
        << false;
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

    LineFramer cutter(maximum, LineFramer::Ending::CrLf);
    const ParsedChunk<QByteArray> parsed = cutter.feed(stream);
    const auto text = [](const QByteArrayList &results, const QByteArrayList &bad, bool more) {
        return QStringLiteral("%1; corrupt %2; needs more: %3")
            .arg(hexList(results), hexList(bad), QVariant(more).toString());
    };
    QVERIFY2(
        parsed.results == lines && parsed.corrupt == corrupt && cutter.needsMore() == needsMore,
        qPrintable(QStringLiteral("stream %1:\nexpected %2\ngot      %3")
                       .arg(QString::fromLatin1(stream.toHex(' ')), text(lines, corrupt, needsMore),
                            text(parsed.results, parsed.corrupt, cutter.needsMore()))));
    verifyChunkingIndependence([maximum] { return LineFramer(maximum, LineFramer::Ending::CrLf); },
                               stream);
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

    const QList<int> curve{380, 410, 435, 460, 485, 510, 535, 560, 585, 610,
                           645, 680, 705, 730, 760, 810, 860, 900, 940};
    const QStringList colours{"#9600ff", "#7300ff", "#5500ff", "#0048ff", "#00a2ff",
                              "#00ff00", "#5bff00", "#b6ff00", "#ffef00", "#ffa000",
                              "#ff3232", "#d42121", "#b61515", "#980909", "#810808",
                              "#8a3232", "#925c5c", "#997e7e", "#a0a0a0"};
    for (int i = 0; i < curve.size(); ++i)
        QTest::addRow("%d nm", curve.at(i)) << "nm" << double(curve.at(i)) << colours.at(i);
    QTest::newRow("440 nm starts the blue rise") << "nm" << 440.0 << "#0000ff";
    QTest::newRow("490 nm") << "nm" << 490.0 << "#00b4ff";
    QTest::newRow("750 nm") << "nm" << 750.0 << "#800000";
    QTest::newRow("below 380 nm grey") << "nm" << 379.9 << "#808080";
    QTest::newRow("above 940 nm grey") << "nm" << 940.1 << "#808080";

    constexpr double low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    QTest::newRow("0 mm white") << "mm" << 0.0 << "#ffffff";
    QTest::newRow("1 mm nearly black") << "mm" << 1.0 << "#000000";
    QTest::newRow("500 mm") << "mm" << 500.0 << "#00007f";
    QTest::newRow("1000 mm blue") << "mm" << 1000.0 << "#0000ff";
    QTest::newRow("1001 mm") << "mm" << 1001.0 << "#0000fe";
    QTest::newRow("1500 mm") << "mm" << 1500.0 << "#7f007f";
    QTest::newRow("2000 mm red") << "mm" << 2000.0 << "#ff0000";
    QTest::newRow("2500 mm red") << "mm" << 2500.0 << "#ff0000";
    QTest::newRow("largest red") << "mm" << high << "#ff0000";
    QTest::newRow("negative black") << "mm" << -5.0 << "#000000";
    QTest::newRow("smallest black") << "mm" << low << "#000000";
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
