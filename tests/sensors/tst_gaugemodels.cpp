#include "dialmodel.h"
#include "ringmodel.h"
#include "thermometermodel.h"
#include "ultravioletcolors.h"

#include <QTest>

#include <limits>

using Accepted = QList<bool>;
using Numbers = QList<qint64>;

namespace {
// Applies "gauge setter number" to a model: `value` takes the number as a
// double, the other setters as an int.
template <typename Model>
bool apply(Model &model, const QHash<QString, bool (Model::*)(int)> &setters,
           const QStringList &word)
{
    if (word.at(1) == QLatin1String("value"))
        return model.setValue(word.at(2).toDouble());
    return (model.*setters.value(word.at(1)))(word.at(2).toInt());
}

// Runs setter steps on new models; gives what each step was told and the
// stepped gauge's state after the last.
std::pair<Accepted, QString> run(const QStringList &steps)
{
    DialModel dial;
    RingModel ring;
    ThermometerModel thermometer;
    Accepted taken;
    for (const QString &step : steps) {
        const QStringList word = step.split(QLatin1Char(' '));
        if (word.at(0) == QLatin1String("dial"))
            taken.append(apply(dial,
                               {{"min", &DialModel::setMinValue},
                                {"max", &DialModel::setMaxValue},
                                {"precision", &DialModel::setPrecision},
                                {"major", &DialModel::setScaleMajor},
                                {"minor", &DialModel::setScaleMinor}},
                               word));
        else if (word.at(0) == QLatin1String("ring"))
            taken.append(apply(ring,
                               {{"min", &RingModel::setMinValue},
                                {"max", &RingModel::setMaxValue},
                                {"width", &RingModel::setLineWidth}},
                               word));
        else
            taken.append(apply(thermometer,
                               {{"min", &ThermometerModel::setMinValue},
                                {"max", &ThermometerModel::setMaxValue},
                                {"precision", &ThermometerModel::setPrecision}},
                               word));
    }
    const auto range = [](auto &m) {
        return QStringLiteral("%1..%2 v%3 ").arg(m.minValue()).arg(m.maxValue()).arg(m.value());
    };
    if (steps.first().startsWith(QLatin1String("dial")))
        return {taken, range(dial) + QStringLiteral("p%1 %2x%3")
                                         .arg(dial.precision())
                                         .arg(dial.scaleMajor())
                                         .arg(dial.scaleMinor())};
    if (steps.first().startsWith(QLatin1String("ring")))
        return {taken, range(ring) + QStringLiteral("w%1 r%2/%3 a%4 %5")
                                         .arg(ring.lineWidth())
                                         .arg(ring.ringRadius())
                                         .arg(ring.discRadius(RingModel::Style::ArcPolo))
                                         .arg(ring.arcDegrees(false))
                                         .arg(ring.text(true))};
    return {taken,
            range(thermometer) +
                QStringLiteral("p%1 %2").arg(thermometer.precision()).arg(thermometer.readout())};
}
} // namespace

// The gauges' rules and geometry, without widgets.
class TestGaugeModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setters_data();
    void setters();
    void dialScale_data();
    void dialScale();
    void colours_data();
    void colours();
    void thermometerScale();
};

void TestGaugeModels::setters_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Accepted>("accepted");
    QTest::addColumn<QString>("state");

    QTest::newRow("new dial: inverted range, every value stores an end")
        << QStringList{"dial value 0", "dial value 250"} << Accepted{true, true}
        << "400..100 v100 p0 10x10";
    QTest::newRow("dial: a minimum from 100 on waits for a larger maximum")
        << QStringList{"dial min 400", "dial min 100", "dial max 15000", "dial min 400"}
        << Accepted{false, false, true, true} << "400..15000 v0 p0 10x10";
    QTest::newRow("dial: an empty range is refused either way")
        << QStringList{"dial max 1100", "dial min 0", "dial max 0", "dial min 1100"}
        << Accepted{true, true, false, false} << "0..1100 v0 p0 10x10";
    QTest::newRow("dial: values clamp, no number is refused, no re-clamp on a new range")
        << QStringList{"dial max 1100",   "dial min 0",     "dial value 5000", "dial value -3",
                       "dial value 1000", "dial value nan", "dial max 500"}
        << Accepted{true, true, true, true, true, false, true} << "0..500 v1000 p0 10x10";
    QTest::newRow("dial: 0 to 3 decimals, 1 to 100 intervals per scale")
        << QStringList{"dial precision 5", "dial precision 3", "dial major 0", "dial minor 0",
                       "dial major 101",   "dial major 7",     "dial minor 1"}
        << Accepted{false, true, false, false, false, true, true} << "400..100 v0 p3 7x1";
    QTest::newRow("ring: outside the range, the same value and no number are ignored")
        << QStringList{"ring value 120", "ring value -1", "ring value 45", "ring value 45",
                       "ring value nan"}
        << Accepted{false, false, true, false, false} << "0..100 v45 w10 r94/79 a-162 45%";
    QTest::newRow("ring: min below max, the value may stay outside")
        << QStringList{"ring min 100",   "ring max 0",   "ring max 200",
                       "ring value 150", "ring max 100", "ring max -5"}
        << Accepted{false, false, true, true, true, false} << "0..100 v150 w10 r94/79 a-540 150%";
    QTest::newRow("ring: line width 1 to 49, a change only")
        << QStringList{"ring width 0", "ring width 50", "ring width 10", "ring width 49"}
        << Accepted{false, false, false, true} << "0..100 v0 w49 r75/1 a0 0%";
    QTest::newRow("thermometer: ends cut toward zero to tens")
        << QStringList{"thermometer max 85", "thermometer min -35", "thermometer value 21.5"}
        << Accepted{true, true, true} << "-30..80 v21.5 p2 21.5°C";
    QTest::newRow("thermometer: an empty, inverted or too wide range is refused")
        << QStringList{"thermometer max -30", "thermometer min 79", "thermometer max 1980",
                       "thermometer max 1970", "thermometer min 60"}
        << Accepted{false, false, false, true, true} << "60..1970 v1 p2 1°C";
    QTest::newRow("thermometer: precision a divisor of 10, values finite and unclamped")
        << QStringList{"thermometer precision 0", "thermometer precision 3",
                       "thermometer precision 5", "thermometer value -1000",
                       "thermometer value inf",   "thermometer value 1234567"}
        << Accepted{false, false, true, true, false, true}
        << "-30..70 v1.23457e+06 p5 1.23457e+06°C";
}

void TestGaugeModels::setters()
{
    QFETCH(QStringList, steps);
    QFETCH(Accepted, accepted);
    QFETCH(QString, state);
    const auto [taken, shown] = run(steps);
    QCOMPARE(taken, accepted);
    QCOMPARE(shown, state);
}

void TestGaugeModels::dialScale_data()
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
    QTest::newRow("barometer dial, mid-range")
        << 0 << 1100 << 10 << Numbers{0, 110, 220, 330, 440, 550, 660, 770, 880, 990, 1100} << 550.0
        << 180.0;
    QTest::newRow("above the range: the last mark")
        << 0 << 5000 << 5 << Numbers{0, 1000, 2000, 3000, 4000, 5000} << 9000.0 << 300.0;
    QTest::newRow("an uneven range stops short")
        << 0 << 1000 << 3 << Numbers{0, 333, 666, 999} << 250.0 << 120.0;
    QTest::newRow("the whole int range")
        << low << high << 1 << Numbers{low, high} << 0.0 << 60 + 240 * 2147483648.0 / 4294967295.0;
}

// Numbers run clockwise from lower left (210 of the dial's degrees) to lower
// right (-30); ticks every span / (major * minor) degrees.
void TestGaugeModels::dialScale()
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

void TestGaugeModels::colours_data()
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

void TestGaugeModels::colours()
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
void TestGaugeModels::thermometerScale()
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

QTEST_GUILESS_MAIN(TestGaugeModels)
#include "tst_gaugemodels.moc"
