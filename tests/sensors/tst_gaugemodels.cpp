#include "dialmodel.h"
#include "ringmodel.h"
#include "thermometermodel.h"

#include <QTest>

#include <cmath>
#include <limits>

using Accepted = QList<bool>;
using Numbers = QList<qint64>;

namespace {
// One setter call written "name argument(s)"; returns whether it was taken.
bool apply(DialModel &dial, const QString &step)
{
    const QStringList word = step.split(QLatin1Char(' '));
    const double number = word.at(1).toDouble();
    const QString &name = word.at(0);
    if (name == QLatin1String("value"))
        return dial.setValue(number);
    if (name == QLatin1String("min"))
        return dial.setMinValue(int(number));
    if (name == QLatin1String("max"))
        return dial.setMaxValue(int(number));
    if (name == QLatin1String("precision"))
        return dial.setPrecision(int(number));
    if (name == QLatin1String("major"))
        return dial.setScaleMajor(int(number));
    if (name == QLatin1String("minor"))
        return dial.setScaleMinor(int(number));
    qFatal("no dial step %s", qPrintable(step));
}

bool apply(RingModel &ring, const QString &step)
{
    const QStringList word = step.split(QLatin1Char(' '));
    const double number = word.at(1).toDouble();
    const QString &name = word.at(0);
    if (name == QLatin1String("value"))
        return ring.setValue(number);
    if (name == QLatin1String("range"))
        return ring.setRange(int(number), word.at(2).toInt());
    if (name == QLatin1String("min"))
        return ring.setMinValue(int(number));
    if (name == QLatin1String("max"))
        return ring.setMaxValue(int(number));
    if (name == QLatin1String("width"))
        return ring.setLineWidth(int(number));
    qFatal("no ring step %s", qPrintable(step));
}

bool apply(ThermometerModel &thermometer, const QString &step)
{
    const QStringList word = step.split(QLatin1Char(' '));
    const double number = word.at(1).toDouble();
    const QString &name = word.at(0);
    if (name == QLatin1String("value"))
        return thermometer.setValue(number);
    if (name == QLatin1String("min"))
        return thermometer.setMinValue(int(number));
    if (name == QLatin1String("max"))
        return thermometer.setMaxValue(int(number));
    if (name == QLatin1String("precision"))
        return thermometer.setPrecision(int(number));
    qFatal("no thermometer step %s", qPrintable(step));
}

QString state(const DialModel &dial)
{
    return QStringLiteral("%1..%2 v%3 p%4 %5x%6")
        .arg(dial.minValue())
        .arg(dial.maxValue())
        .arg(dial.value())
        .arg(dial.precision())
        .arg(dial.scaleMajor())
        .arg(dial.scaleMinor());
}

QString state(const RingModel &ring)
{
    return QStringLiteral("%1..%2 v%3 w%4")
        .arg(ring.minValue())
        .arg(ring.maxValue())
        .arg(ring.value())
        .arg(ring.lineWidth());
}

QString state(const ThermometerModel &thermometer)
{
    return QStringLiteral("%1..%2 v%3 p%4")
        .arg(thermometer.minValue())
        .arg(thermometer.maxValue())
        .arg(thermometer.value())
        .arg(thermometer.precision());
}

// Applies each step to a new model; compares what each step was given and
// the model's state after the last.
template <typename Model> void checkSteps(const QStringList &steps, const Accepted &accepted,
                                          const QString &expected)
{
    Model model;
    Accepted taken;
    for (const QString &step : steps)
        taken.append(apply(model, step));
    QCOMPARE(taken, accepted);
    QCOMPARE(state(model), expected);
}

void addStepColumns()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Accepted>("accepted");
    QTest::addColumn<QString>("state");
}
} // namespace

// The gauges' rules and geometry, without widgets.
class TestGaugeModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialSetters_data();
    void dialSetters();
    void dialScale_data();
    void dialScale();
    void ringSetters_data();
    void ringSetters();
    void ringGeometry_data();
    void ringGeometry();
    void colours_data();
    void colours();
    void thermometerSetters_data();
    void thermometerSetters();
    void thermometerScale();
};

void TestGaugeModels::dialSetters_data()
{
    addStepColumns();
    QTest::newRow("new dial: inverted range, every value stores an end")
        << QStringList{"value 0", "value 250"} << Accepted{true, true}
        << "400..100 v100 p0 10x10";
    QTest::newRow("a minimum from 100 on waits for a larger maximum")
        << QStringList{"min 400", "min 100", "max 15000", "min 400"}
        << Accepted{false, false, true, true} << "400..15000 v0 p0 10x10";
    QTest::newRow("an empty range is refused either way")
        << QStringList{"max 1100", "min 0", "max 0", "min 1100", "max -5"}
        << Accepted{true, true, false, false, false} << "0..1100 v0 p0 10x10";
    QTest::newRow("values clamp to the range, no number is refused")
        << QStringList{"max 1100", "min 0", "value 5000", "value -3", "value 12.5", "value nan"}
        << Accepted{true, true, true, true, true, false} << "0..1100 v12.5 p0 10x10";
    QTest::newRow("a new range does not clamp the value again")
        << QStringList{"max 1100", "min 0", "value 1000", "max 500"}
        << Accepted{true, true, true, true} << "0..500 v1000 p0 10x10";
    QTest::newRow("0 to 3 decimals")
        << QStringList{"precision 5", "precision -1", "precision 3"}
        << Accepted{false, false, true} << "400..100 v0 p3 10x10";
    QTest::newRow("1 to 100 intervals per scale")
        << QStringList{"major 0", "minor 0", "major -2", "major 101", "major 7", "minor 1"}
        << Accepted{false, false, false, false, true, true} << "400..100 v0 p0 7x1";
}

void TestGaugeModels::dialSetters()
{
    QFETCH(QStringList, steps);
    QFETCH(Accepted, accepted);
    QFETCH(QString, state);
    checkSteps<DialModel>(steps, accepted, state);
}

void TestGaugeModels::dialScale_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("major");
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("needle"); // degrees clockwise from straight down

    QTest::newRow("CO2 dial") << 400 << 15000 << 10
                              << Numbers{400,  1860,  3320,  4780,  6240, 7700,
                                         9160, 10620, 12080, 13540, 15000}
                              << 400.0 << 60.0;
    QTest::newRow("barometer dial, mid-range")
        << 0 << 1100 << 10
        << Numbers{0, 110, 220, 330, 440, 550, 660, 770, 880, 990, 1100} << 550.0 << 180.0;
    QTest::newRow("a value above the range rests at the last mark")
        << 0 << 5000 << 5 << Numbers{0, 1000, 2000, 3000, 4000, 5000} << 9000.0 << 300.0;
    QTest::newRow("an uneven range stops short of the maximum")
        << 0 << 1000 << 3 << Numbers{0, 333, 666, 999} << 250.0 << 120.0;
    QTest::newRow("one interval across the whole int range")
        << std::numeric_limits<int>::min() << std::numeric_limits<int>::max() << 1
        << Numbers{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()} << 0.0
        << 60 + 240 * 2147483648.0 / 4294967295.0;
}

// Numbers run clockwise from lower left (210 of the dial's degrees) to lower
// right (-30), in steps of (maxValue - minValue) / scaleMajor.
void TestGaugeModels::dialScale()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, major);
    QFETCH(Numbers, numbers);
    QFETCH(double, value);
    QFETCH(double, needle);

    DialModel dial;
    QVERIFY(dial.setMaxValue(maximum)); // above the default minimum, 400
    QVERIFY(dial.setMinValue(minimum));
    QVERIFY(dial.setScaleMajor(major));
    QVERIFY(dial.setValue(value));

    const QList<DialModel::ScaleNumber> scale = dial.scaleNumbers();
    Numbers shown;
    for (qsizetype i = 0; i < scale.size(); ++i) {
        shown.append(scale.at(i).number);
        const double degrees = 210 - i * 240.0 / major;
        QVERIFY(qAbs(scale.at(i).angle - degrees * DialModel::radiansPerDegree) < 1e-12);
    }
    QCOMPARE(shown, numbers);
    // A text of 20 by 8 is centred on the ray at 82, truncated toward zero.
    QCOMPARE(DialModel::numberPosition(scale.first().angle, 20, 8), QPoint(-81, 42));
    QCOMPARE(DialModel::numberPosition(scale.last().angle, 20, 8), QPoint(61, 42));
    QCOMPARE(DialModel::numberPosition(90 * DialModel::radiansPerDegree, 20, 8), QPoint(-9, -79));
    QCOMPARE(dial.tickCount(), major * 10 + 1);
    QCOMPARE(dial.tickStep(), 240.0 / (major * 10));
    QVERIFY(dial.isMajorTick(0) && dial.isMajorTick(10) && !dial.isMajorTick(5));
    QVERIFY2(qAbs(dial.needleRotation() - needle) < 1e-9,
             qPrintable(QString::number(dial.needleRotation())));
}

void TestGaugeModels::ringSetters_data()
{
    addStepColumns();
    QTest::newRow("outside the range, the same value and no number are ignored")
        << QStringList{"value 120", "value -1", "value 45", "value 45", "value nan"}
        << Accepted{false, false, true, false, false} << "0..100 v45 w10";
    QTest::newRow("a range needs min below max, the value stays outside")
        << QStringList{"range 50 50", "range 0 200", "value 150", "range 0 100"}
        << Accepted{false, true, true, true} << "0..100 v150 w10";
    QTest::newRow("single ends follow the same rule")
        << QStringList{"min 100", "max 0", "min -10", "max 10"}
        << Accepted{false, false, true, true} << "-10..10 v0 w10";
    QTest::newRow("line width 1 to 49, a change only")
        << QStringList{"width 0", "width 50", "width 10", "width 49"}
        << Accepted{false, false, false, true} << "0..100 v0 w49";
}

void TestGaugeModels::ringSetters()
{
    QFETCH(QStringList, steps);
    QFETCH(Accepted, accepted);
    QFETCH(QString, state);
    checkSteps<RingModel>(steps, accepted, state);
}

void TestGaugeModels::ringGeometry_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("lineWidth");
    // Radii of the background, ring and disc in the combined style.
    QTest::addColumn<QList<int>>("radii");
    QTest::addColumn<double>("arc");
    QTest::addColumn<QRectF>("fill");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("plain");

    QTest::newRow("humidity 45.5") << 100 << 45.5 << 10 << QList<int>{79, 94, 79} << 163.8
                                   << QRectF(-79, 7.11, 158, 71.89) << "45.5%" << "45.5";
    QTest::newRow("half of a range of 200, wide line")
        << 200 << 100.0 << 20 << QList<int>{59, 89, 59} << 180.0 << QRectF(-59, 0, 118, 59)
        << "50%" << "100";
    QTest::newRow("new ring") << 100 << 0.0 << 10 << QList<int>{79, 94, 79} << 0.0
                              << QRectF(-79, 79, 158, 0) << "0%" << "0";
}

void TestGaugeModels::ringGeometry()
{
    QFETCH(int, maximum);
    QFETCH(double, value);
    QFETCH(int, lineWidth);
    QFETCH(QList<int>, radii);
    QFETCH(double, arc);
    QFETCH(QRectF, fill);
    QFETCH(QString, percent);
    QFETCH(QString, plain);

    RingModel ring;
    ring.setMaxValue(maximum);
    ring.setValue(value);
    ring.setLineWidth(lineWidth);
    const auto style = RingModel::Style::ArcPolo;
    QCOMPARE((QList<int>{ring.backgroundRadius(style), ring.ringRadius(), ring.discRadius(style)}),
             radii);
    QCOMPARE(ring.backgroundRadius(RingModel::Style::Arc), 99 - lineWidth);
    QCOMPARE(ring.backgroundRadius(RingModel::Style::Polo), 99);
    QCOMPARE(ring.discRadius(RingModel::Style::Polo), 99 - lineWidth);
    QCOMPARE(ring.arcDegrees(true), arc);
    QCOMPARE(ring.arcDegrees(false), -arc);
    const QRectF shown = ring.discFill(ring.discRadius(style));
    QVERIFY2(qAbs(shown.y() - fill.y()) < 1e-9 && qAbs(shown.height() - fill.height()) < 1e-9 &&
                 shown.x() == fill.x() && shown.width() == fill.width(),
             qPrintable(QStringLiteral("%1 %2 %3 %4")
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())));
    QCOMPARE(ring.text(true), percent);
    QCOMPARE(ring.text(false), plain);
}

void TestGaugeModels::colours_data()
{
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<double>("value");
    QTest::addColumn<QColor>("colour");

    const QColor ringLow(240, 189, 24), ringMid(24, 189, 155), ringHigh(100, 184, 255);
    QTest::newRow("ring 0") << "ring" << 0.0 << ringLow;
    QTest::newRow("ring 45") << "ring" << 45.0 << ringLow;
    QTest::newRow("ring 45.5") << "ring" << 45.5 << ringMid;
    QTest::newRow("ring 74.9") << "ring" << 74.9 << ringMid;
    QTest::newRow("ring 75") << "ring" << 75.0 << ringHigh;

    const QColor sun(253, 216, 53), orange(243, 156, 18), darkOrange(211, 84, 0), red(255, 0, 0),
        purple(74, 35, 90);
    QTest::newRow("ultraviolet 0") << "ultraviolet" << 0.0 << sun;
    QTest::newRow("ultraviolet 400") << "ultraviolet" << 400.0 << sun;
    QTest::newRow("ultraviolet 400.5") << "ultraviolet" << 400.5 << orange;
    QTest::newRow("ultraviolet 695") << "ultraviolet" << 695.0 << orange;
    QTest::newRow("ultraviolet 695.5") << "ultraviolet" << 695.5 << darkOrange;
    QTest::newRow("ultraviolet 880") << "ultraviolet" << 880.0 << darkOrange;
    QTest::newRow("ultraviolet 880.5") << "ultraviolet" << 880.5 << red;
    QTest::newRow("ultraviolet 1077.9") << "ultraviolet" << 1077.9 << red;
    QTest::newRow("ultraviolet 1078") << "ultraviolet" << 1078.0 << purple;

    const QColor cold(100, 184, 255), mild(24, 189, 155), warm(250, 100, 100);
    QTest::newRow("liquid -5") << "liquid" << -5.0 << cold;
    QTest::newRow("liquid 0") << "liquid" << 0.0 << cold;
    QTest::newRow("liquid 10") << "liquid" << 10.0 << warm;
    QTest::newRow("liquid 15") << "liquid" << 15.0 << warm;
    QTest::newRow("liquid 20") << "liquid" << 20.0 << mild;
    QTest::newRow("liquid 25") << "liquid" << 25.0 << warm;
    QTest::newRow("liquid 30") << "liquid" << 30.0 << warm;
}

void TestGaugeModels::colours()
{
    QFETCH(QString, gauge);
    QFETCH(double, value);
    QFETCH(QColor, colour);

    if (gauge == QLatin1String("ring")) {
        QCOMPARE(RingModel::usedColorFor(value), colour);
    } else if (gauge == QLatin1String("ultraviolet")) {
        QCOMPARE(ultravioletColorFor(value), colour);
        // The number stays readable: light only on the darkest disc.
        QCOMPARE(ultravioletTextColorOn(colour),
                 value >= 1078 ? QColor(250, 250, 250) : QColor(70, 70, 70));
    } else {
        QCOMPARE(ThermometerModel::liquidColorFor(value), colour);
    }
}

void TestGaugeModels::thermometerSetters_data()
{
    addStepColumns();
    QTest::newRow("ends cut toward zero to tens")
        << QStringList{"max 85", "min -35"} << Accepted{true, true} << "-30..80 v1 p2";
    QTest::newRow("an empty or inverted range is refused")
        << QStringList{"max -30", "max -45", "min 70", "min 79", "min 60"}
        << Accepted{false, false, false, false, true} << "60..70 v1 p2";
    QTest::newRow("at most 200 intervals")
        << QStringList{"max 1970", "max 1980", "min -100"} << Accepted{true, false, false}
        << "-30..1970 v1 p2";
    QTest::newRow("precision: a divisor of 10")
        << QStringList{"precision 0", "precision 3", "precision -2", "precision 5"}
        << Accepted{false, false, false, true} << "-30..70 v1 p5";
    QTest::newRow("any finite value, unclamped")
        << QStringList{"value -1000", "value nan", "value inf"} << Accepted{true, false, false}
        << "-30..70 v-1000 p2";
}

void TestGaugeModels::thermometerSetters()
{
    QFETCH(QStringList, steps);
    QFETCH(Accepted, accepted);
    QFETCH(QString, state);
    checkSteps<ThermometerModel>(steps, accepted, state);
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
        numbers.append(tick.number);
        const int i = numbers.size() - 1;
        QVERIFY(qAbs(tick.y - (bar.bottom() - (i + 0.5) * step)) < 1e-9);
        QVERIFY(thermometer.setValue(tick.number));
        QVERIFY(qAbs(bar.bottom() - thermometer.liquidLevel(bar.height()) - tick.y) < 1e-9);
    }
    QCOMPARE(numbers, (QList<int>{-30, -20, -10, 0, 10, 20, 30, 40, 50, 60, 70, 80}));
    QCOMPARE(ticks.at(1), (ThermometerModel::Tick{ticks.at(0).y - step / 5, false, 0}));

    for (const auto &[value, level] : {std::pair{-35.1, 0.0}, {-35.0, 0.0}, {85.0, bar.height()},
                                       {200.0, bar.height()}}) {
        thermometer.setValue(value);
        QCOMPARE(thermometer.liquidLevel(bar.height()), level);
    }
    const std::pair<double, QString> readouts[] = {
        {21.5, QStringLiteral("21.5°C")}, {0, QStringLiteral("0°C")},
        {1234567, QStringLiteral("1.23457e+06°C")}, {-0.125, QStringLiteral("-0.125°C")}};
    for (const auto &[value, text] : readouts) {
        thermometer.setValue(value);
        QCOMPARE(thermometer.readout(), text);
    }
}

QTEST_GUILESS_MAIN(TestGaugeModels)
#include "tst_gaugemodels.moc"
