#include "dialmodel.h"
#include "envlineparser.h"
#include "ringmodel.h"
#include "thermometermodel.h"
#include "ultravioletcolors.h"

#include "hexlist.h"
#include "parsecheck.h"

#include <QRegularExpression>
#include <QTest>

#include <limits>

using Readings = QList<EnvReading>;
using Numbers = QList<qint64>;

namespace {
constexpr auto Humidity = EnvQuantity::Humidity;
constexpr auto Temperature = EnvQuantity::Temperature;
constexpr auto Barometer = EnvQuantity::Barometer;
constexpr auto Ultraviolet = EnvQuantity::Ultraviolet;
constexpr auto CO2 = EnvQuantity::CO2;
constexpr auto TVOC = EnvQuantity::TVOC;

// A byte string with its NUL bytes.
template <qsizetype N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QString readingsText(const Readings &readings)
{
    QStringList texts;
    for (const EnvReading &reading : readings)
        texts.append(QLatin1String(EnvLineParser::formats().at(int(reading.quantity)).key) +
                     QString::number(reading.value, 'g', 12));
    return texts.join(QLatin1Char(' '));
}

// Runs "setter number" steps on a model, `value` taking the number as a
// double, the other setters as an int; gives each step with what it was told
// ("yes" or "no") and the range and value after the last.
template <typename Model>
QString run(Model &model, const QHash<QString, bool (Model::*)(int)> &setters, const QString &steps)
{
    QStringList done;
    for (const QString &step : steps.split(QLatin1String(", "))) {
        const QStringList word = step.split(QLatin1Char(' '));
        const bool taken = word.at(0) == QLatin1String("value")
                               ? model.setValue(word.at(1).toDouble())
                               : (model.*setters.value(word.at(0)))(word.at(1).toInt());
        done.append(word.at(0) + QLatin1Char(' ') + word.at(1) +
                    QLatin1String(taken ? " yes" : " no"));
    }
    return done.join(QLatin1String(", ")) + QStringLiteral(" => %1..%2 v%3 ")
                                                .arg(model.minValue())
                                                .arg(model.maxValue())
                                                .arg(model.value());
}
} // namespace

// The environment board's lines and the gauges' rules and geometry, without
// widgets.
class TestEnvCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void setters_data();
    void setters();
    void dialScale_data();
    void dialScale();
    void colours_data();
    void colours();
    void thermometerScale();
};

void TestEnvCore::lines_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<Readings>("readings");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QTest::newRow("the Help dialog's examples and empty lines in one chunk")
        << 256
        << QByteArray("\r\n\nTemperature:25.25C\r\nHumidity:60.71%\r\nUltraviolet:300\r\n"
                      "CO2:5000ppm\r\nTVOC:200ppb\r\nBarometer:1120Pa\r\n")
        << Readings{{Temperature, 25.25}, {Humidity, 60.71}, {Ultraviolet, 300},
                    {CO2, 5000},          {TVOC, 200},       {Barometer, 1120}}
        << QByteArrayList{} << false;
    QTest::newRow("signs, spaces and wide numbers")
        << 256
        << QByteArray("Temperature:-12.5C\r\nHumidity: 45.5 %\r\nBarometer:101325Pa\r\n"
                      "Ultraviolet:-7\r\nHumidity:1e1%\r\n")
        << Readings{{Temperature, -12.5},
                    {Humidity, 45.5},
                    {Barometer, 101325},
                    {Ultraviolet, -7},
                    {Humidity, 10}}
        << QByteArrayList{} << false;
    QTest::newRow("bad and overflowing numbers read 0, the 32-bit ends do not")
        << 256
        << QByteArray("Humidity:abc%\r\nUltraviolet:12.5\r\nTemperature:C\r\nCO2:5e3ppm\r\n"
                      "Temperature:nanC\r\nHumidity:inf%\r\nTVOC:0x10ppb\r\n"
                      "Barometer:2147483648Pa\r\nCO2:2147483647ppm\r\nTVOC:-2147483648ppb\r\n"
                      "Ultraviolet:99999999999999999999\r\nTemperature:1e999C\r\n")
        << Readings{{Humidity, 0},     {Ultraviolet, 0},      {Temperature, 0}, {CO2, 0},
                    {Temperature, 0},  {Humidity, 0},         {TVOC, 0},        {Barometer, 0},
                    {CO2, 2147483647}, {TVOC, -2147483648.0}, {Ultraviolet, 0}, {Temperature, 0}}
        << QByteArrayList{} << false;
    QTest::newRow("an unfinished reading is held, never shown")
        << 256 << QByteArray("Humidity:45.5%\r\nUltraviolet:12") << Readings{{Humidity, 45.5}}
        << QByteArrayList{} << true;
    QTest::newRow("an unfinished line's CR is held too")
        << 256 << QByteArray("CO2:400ppm\r") << Readings{} << QByteArrayList{} << true;
    QTest::newRow("a terminator before a key ends no reading")
        << 256 << QByteArray("Pa\r\nBarometer:1000") << Readings{} << QByteArrayList{"Pa\r"}
        << true;
    QTest::newRow("a line is read by its own key and unit only")
        << 256
        << QByteArray("xHumidity:5%\r\nHumidity:5C\r\nhumidity:5%\r\nTemperature:20C\n"
                      "CO2:500ppmTVOC:1ppb\r\nTVOC:7ppb\r\n")
        << Readings{{TVOC, 7}}
        << QByteArrayList{"xHumidity:5%\r", "Humidity:5C\r", "humidity:5%\r", "Temperature:20C",
                          "CO2:500ppmTVOC:1ppb\r"}
        << false;
    QTest::newRow("NUL bytes hide nothing after them, NULs before a key are skipped")
        << 256
        << bytes("\0\r\nHumidity:4\0"
                 "5%\r\nTemperature:21.5C\r\n\0\0\0CO2:800ppm\r\n"
                 "TVOC:9ppb\r\n\0")
        << Readings{{Humidity, 0}, {Temperature, 21.5}, {CO2, 800}, {TVOC, 9}}
        << QByteArrayList{bytes("\0\r")} << true;
    QTest::newRow("a board ending each line with a NUL: every reading shown")
        << 256 << bytes("Humidity:45%\r\n\0Humidity:46%\r\n\0Humidity:47%\r\n\0")
        << Readings{{Humidity, 45}, {Humidity, 46}, {Humidity, 47}} << QByteArrayList{} << true;
    QTest::newRow("blanks and control bytes before a key are skipped, other bytes are not")
        << 256
        << bytes(" \tTemperature:20C\r\n\x7f\x1b\x01"
                 "CO2:500ppm\r\n.TVOC:7ppb\r\n")
        << Readings{{Temperature, 20}, {CO2, 500}} << QByteArrayList{".TVOC:7ppb\r"} << false;
    QTest::newRow("too long, the CR counted: reported once in stream order, lines cut again "
                  "after its LF")
        << 16
        << QByteArray("Humidity:12.345%\r\nx\r\nHumidity:1.234%\r\nHumidity:1111111111111%\r\n"
                      "Humidity:22%\r\nTVOC:33333333333ppb")
        << Readings{{Humidity, 1.234}, {Humidity, 22}}
        << QByteArrayList{"Humidity:12.345%", "x\r", "Humidity:1111111", "TVOC:33333333333"}
        << false;
}

void TestEnvCore::lines()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(Readings, readings);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    verifyParse([maximum] { return EnvLineParser(maximum); }, stream, readings, corrupt, needsMore,
                readingsText);
}

void TestEnvCore::setters_data()
{
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<QString>("steps"); // "setter number yes|no, ..."
    QTest::addColumn<QString>("state");

    QTest::newRow("new dial: inverted range, every value stores an end")
        << "dial"
        << "value 0 yes, value 250 yes"
        << "400..100 v100 p0 10x10";
    QTest::newRow("dial: a minimum from 100 on waits for a larger maximum")
        << "dial"
        << "min 400 no, min 100 no, max 15000 yes, min 400 yes"
        << "400..15000 v0 p0 10x10";
    QTest::newRow("dial: an empty range is refused either way")
        << "dial"
        << "max 1100 yes, min 0 yes, max 0 no, min 1100 no"
        << "0..1100 v0 p0 10x10";
    QTest::newRow("dial: values clamp, no number is refused, no re-clamp on a new range")
        << "dial"
        << "max 1100 yes, min 0 yes, value 5000 yes, value -3 yes, value 1000 yes, "
           "value nan no, max 500 yes"
        << "0..500 v1000 p0 10x10";
    QTest::newRow("dial: 0 to 3 decimals, 1 to 100 intervals per scale")
        << "dial"
        << "precision 5 no, precision 3 yes, major 0 no, minor 0 no, major 101 no, "
           "major 7 yes, minor 1 yes"
        << "400..100 v0 p3 7x1";
    QTest::newRow("ring: outside the range, the same value and no number are ignored")
        << "ring"
        << "value 120 no, value -1 no, value 45 yes, value 45 no, value nan no"
        << "0..100 v45 w10 r94/79 a-162 45%";
    QTest::newRow("ring: min below max, the value may stay outside")
        << "ring"
        << "min 100 no, max 0 no, max 200 yes, value 150 yes, max 100 yes, max -5 no"
        << "0..100 v150 w10 r94/79 a-540 150%";
    QTest::newRow("ring: line width 1 to 49, a change only")
        << "ring"
        << "width 0 no, width 50 no, width 10 no, width 49 yes"
        << "0..100 v0 w49 r75/1 a0 0%";
    QTest::newRow("thermometer: ends cut toward zero to tens")
        << "thermometer"
        << "max 85 yes, min -35 yes, value 21.5 yes"
        << "-30..80 v21.5 p2 21.5°C";
    QTest::newRow("thermometer: an empty, inverted or too wide range is refused")
        << "thermometer"
        << "max -30 no, min 79 no, max 1980 no, max 1970 yes, min 60 yes"
        << "60..1970 v1 p2 1°C";
    QTest::newRow("thermometer: precision a divisor of 10, values finite and unclamped")
        << "thermometer"
        << "precision 0 no, precision 3 no, precision 5 yes, value -1000 yes, value inf no, "
           "value 1234567 yes"
        << "-30..70 v1.23457e+06 p5 1.23457e+06°C";
}

void TestEnvCore::setters()
{
    QFETCH(QString, gauge);
    QFETCH(QString, steps);
    QFETCH(QString, state);

    // The steps without their answers.
    const QString asked = QString(steps).remove(QRegularExpression(QStringLiteral(" (yes|no)")));
    QString shown;
    if (gauge == QLatin1String("dial")) {
        DialModel dial;
        shown = run(dial,
                    {{"min", &DialModel::setMinValue},
                     {"max", &DialModel::setMaxValue},
                     {"precision", &DialModel::setPrecision},
                     {"major", &DialModel::setScaleMajor},
                     {"minor", &DialModel::setScaleMinor}},
                    asked);
        shown += QStringLiteral("p%1 %2x%3")
                     .arg(dial.precision())
                     .arg(dial.scaleMajor())
                     .arg(dial.scaleMinor());
    } else if (gauge == QLatin1String("ring")) {
        RingModel ring;
        shown = run(ring,
                    {{"min", &RingModel::setMinValue},
                     {"max", &RingModel::setMaxValue},
                     {"width", &RingModel::setLineWidth}},
                    asked);
        shown += QStringLiteral("w%1 r%2/%3 a%4 %5")
                     .arg(ring.lineWidth())
                     .arg(ring.ringRadius())
                     .arg(ring.discRadius(RingModel::Style::ArcPolo))
                     .arg(ring.arcDegrees(false))
                     .arg(ring.text(true));
    } else {
        ThermometerModel meter;
        shown = run(meter,
                    {{"min", &ThermometerModel::setMinValue},
                     {"max", &ThermometerModel::setMaxValue},
                     {"precision", &ThermometerModel::setPrecision}},
                    asked);
        shown += QStringLiteral("p%1 %2").arg(meter.precision()).arg(meter.readout());
    }
    QCOMPARE(shown, steps + QLatin1String(" => ") + state);
}

void TestEnvCore::dialScale_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("major");
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("needle"); // degrees clockwise from straight down

    constexpr int low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    QTest::newRow("CO2 dial") << 400 << 15000 << 10
                              << Numbers{400,  1860,  3320,  4780,  6240, 7700,
                                         9160, 10620, 12080, 13540, 15000}
                              << 400.0 << 60.0;
    QTest::newRow("an uneven range stops short")
        << 0 << 1000 << 3 << Numbers{0, 333, 666, 999} << 250.0 << 120.0;
    QTest::newRow("the whole int range")
        << low << high << 1 << Numbers{low, high} << 0.0 << 60 + 240 * 2147483648.0 / 4294967295.0;
}

// Numbers run clockwise from lower left (210 of the dial's degrees) to lower
// right (-30); ticks every span / (major * minor) degrees.
void TestEnvCore::dialScale()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, major);
    QFETCH(Numbers, numbers);
    QFETCH(double, value);
    QFETCH(double, needle);

    DialModel dial;
    QVERIFY(dial.setMaxValue(maximum) && dial.setMinValue(minimum));
    QVERIFY(dial.setScaleMajor(major) && dial.setValue(value));
    Numbers shown;
    for (const DialModel::ScaleNumber &number : dial.scaleNumbers()) {
        const double degrees = 210 - shown.size() * 240.0 / major;
        QVERIFY(qAbs(number.angle - degrees * DialModel::radiansPerDegree) < 1e-12);
        shown.append(number.number);
    }
    QCOMPARE(shown, numbers);
    // A text of 20 by 8 is centred on the ray at 82, truncated toward zero.
    QCOMPARE(DialModel::numberPosition(210 * DialModel::radiansPerDegree, 20, 8), QPoint(-81, 42));
    QCOMPARE(DialModel::numberPosition(90 * DialModel::radiansPerDegree, 20, 8), QPoint(-9, -79));
    QCOMPARE(dial.tickCount(), major * 10 + 1);
    QCOMPARE(dial.tickStep(), 240.0 / (major * 10));
    QVERIFY(dial.isMajorTick(10) && !dial.isMajorTick(5));
    QVERIFY2(qAbs(dial.needleRotation() - needle) < 1e-9,
             qPrintable(
                 QStringLiteral("needle %1, expected %2").arg(dial.needleRotation()).arg(needle)));
}

void TestEnvCore::colours_data()
{
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QColor>("colour");

    using V = QList<double>;
    QTest::newRow("ring low") << "ring" << V{0, 45} << QColor(240, 189, 24);
    QTest::newRow("ring mid") << "ring" << V{45.5, 74.9} << QColor(24, 189, 155);
    QTest::newRow("ring high") << "ring" << V{75, 100} << QColor(100, 184, 255);
    QTest::newRow("uv low") << "ultraviolet" << V{-1, 400} << QColor(253, 216, 53);
    QTest::newRow("uv moderate") << "ultraviolet" << V{400.5, 695} << QColor(243, 156, 18);
    QTest::newRow("uv high") << "ultraviolet" << V{695.5, 880} << QColor(211, 84, 0);
    QTest::newRow("uv very high") << "ultraviolet" << V{880.5, 1077.9} << QColor(255, 0, 0);
    QTest::newRow("uv extreme") << "ultraviolet" << V{1078, 5000} << QColor(74, 35, 90);
    QTest::newRow("liquid cold") << "liquid" << V{-5, 0} << QColor(100, 184, 255);
    QTest::newRow("liquid mild") << "liquid" << V{15.5, 20, 24.9} << QColor(24, 189, 155);
    QTest::newRow("liquid warm") << "liquid" << V{0.5, 10, 15, 25, 30} << QColor(250, 100, 100);
}

void TestEnvCore::colours()
{
    QFETCH(QString, gauge);
    QFETCH(QList<double>, values);
    QFETCH(QColor, colour);

    for (const double value : values) {
        const QColor shown = gauge == QLatin1String("ring") ? RingModel::usedColorFor(value)
                             : gauge == QLatin1String("liquid")
                                 ? ThermometerModel::liquidColorFor(value)
                                 : ultravioletColorFor(value);
        QVERIFY2(
            shown == colour,
            qPrintable(
                QStringLiteral("%1: %2, expected %3").arg(value).arg(shown.name(), colour.name())));
    }
    // The ultraviolet number stays readable: light only on the darkest disc.
    if (gauge == QLatin1String("ultraviolet"))
        QCOMPARE(ultravioletTextColorOn(colour),
                 values.first() >= 1078 ? QColor(250, 250, 250) : QColor(70, 70, 70));
}

// The Environment tool's scale, -30 to 80 with a minor tick every 2: twelve
// numbers, four minor ticks between neighbours, the liquid's top on a
// number's tick for that value, limited to the tube 5 past each end.
void TestEnvCore::thermometerScale()
{
    const QRectF bar = ThermometerModel::barRect(200, 400, 24, 25, -40);
    QCOMPARE(bar, QRectF(88, 25, 24, 307));
    ThermometerModel thermometer;
    QVERIFY(thermometer.setMaxValue(80));
    const QList<ThermometerModel::Tick> ticks = thermometer.ticks(bar);
    QCOMPARE(ticks.size(), 12 + 11 * 4);
    const double step = bar.height() / 12;
    QList<int> numbers;
    for (const ThermometerModel::Tick &tick : ticks) {
        if (!tick.major)
            continue;
        QVERIFY(qAbs(tick.y - (bar.bottom() - (numbers.size() + 0.5) * step)) < 1e-9);
        numbers.append(tick.number);
        QVERIFY(thermometer.setValue(tick.number));
        QVERIFY(qAbs(bar.bottom() - thermometer.liquidLevel(bar.height()) - tick.y) < 1e-9);
    }
    QCOMPARE(numbers, (QList<int>{-30, -20, -10, 0, 10, 20, 30, 40, 50, 60, 70, 80}));
    QCOMPARE(ticks.at(1), (ThermometerModel::Tick{ticks.at(0).y - step / 5, false, 0}));
    for (const auto &[value, level] : {std::pair{-35.1, 0.0}, {85.0, bar.height()}}) {
        thermometer.setValue(value);
        QCOMPARE(thermometer.liquidLevel(bar.height()), level);
    }
}

QTEST_GUILESS_MAIN(TestEnvCore)
#include "tst_envcore.moc"
