#include "cthermometer.h"
#include "dashboard.h"
#include "progressbarpercent.h"
#include "ultraviolet.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTransform>

#include <cmath>

namespace {
const QColor dialFace(65, 65, 65);

// Whether two colours differ by at most `tolerance` in each channel.
bool near(const QColor &a, const QColor &b, int tolerance = 2)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

QImage picture(QWidget &widget, const QSize &size)
{
    widget.resize(size);
    return widget.grab().toImage();
}

// The pixel that holds the point of a 200 by 200 gauge's logical square.
QPoint pixelOf(const QPointF &logical)
{
    return {int(std::floor(100 + logical.x())), int(std::floor(100 + logical.y()))};
}

#define QCOMPARE_COLOUR(image, point, colour)                                                      \
    QVERIFY2(near((image).pixelColor(point), colour),                                              \
             qPrintable(QStringLiteral("pixel (%1,%2) is %3, not %4")                              \
                            .arg((point).x())                                                      \
                            .arg((point).y())                                                      \
                            .arg((image).pixelColor(point).name(), QColor(colour).name())))
} // namespace

// The gauge widgets: their setters go through the models' rules, and what
// they paint stands where the models say.
class TestGauges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialSetters();
    void dialPicture();
    void ringSignalsAndPicture();
    void ultravioletSignalsAndPicture();
    void thermometerSettersAndPicture();
};

void TestGauges::dialSetters()
{
    DashBoard dial;
    QCOMPARE(dial.getTitle(), QStringLiteral("Barometer"));
    QCOMPARE(dial.getUnits(), QStringLiteral("Pa"));
    QCOMPARE(dial.minimumSize(), QSize(150, 150));
    dial.setMinValue(400);
    QCOMPARE(dial.getMinValue(), 400);
    dial.setMaxValue(15000);
    dial.setMinValue(400);
    dial.setValue(20000);
    QCOMPARE(dial.getValue(), 15000.0);
    dial.setValue(12);
    QCOMPARE(dial.getValue(), 400.0);
    dial.setPrecision(5);
    dial.setPrecision(1);
    dial.setScaleMajor(0);
    dial.setScaleMinor(0);
    QCOMPARE(dial.model().readout(dial.getUnits()), QStringLiteral("400.0 Pa"));
    QCOMPARE(dial.model().scaleMajor(), 10);
    QCOMPARE(dial.model().scaleMinor(), 10);
}

// At the minimum the needle lies on the first major mark, at the maximum on
// the last; the face and the crown around it.
void TestGauges::dialPicture()
{
    DashBoard dial;
    dial.setMaxValue(1100);
    dial.setMinValue(0);
    const auto needlePixel = [&dial] {
        return pixelOf(QTransform().rotate(dial.model().needleRotation()).map(QPointF(0, 20)));
    };
    const QPoint atMinimum = needlePixel();
    dial.setValue(2000);
    const QPoint atMaximum = needlePixel();
    QCOMPARE(atMinimum, QPoint(82, 110));
    QCOMPARE(atMaximum, QPoint(117, 110));

    QImage image = picture(dial, {200, 200});
    QCOMPARE_COLOUR(image, atMinimum, dialFace);
    QVERIFY(!near(image.pixelColor(atMaximum), dialFace, 20));
    QCOMPARE_COLOUR(image, QPoint(100, 155), dialFace);
    QCOMPARE_COLOUR(image, QPoint(100, 3), QColor(180, 180, 180));

    dial.setValue(0);
    image = picture(dial, {200, 200});
    QVERIFY(!near(image.pixelColor(atMinimum), dialFace, 20));
    QCOMPARE_COLOUR(image, atMaximum, dialFace);

    // A wider widget keeps the dial round and centred.
    image = picture(dial, {400, 200});
    QCOMPARE_COLOUR(image, atMaximum + QPoint(100, 0), dialFace);
    QVERIFY(!near(image.pixelColor(atMinimum + QPoint(100, 0)), dialFace, 20));
}

void TestGauges::ringSignalsAndPicture()
{
    ProgressBarPercent ring;
    QSignalSpy changed(&ring, &ProgressBarPercent::valueChanged);
    ring.setValue(120.0);
    ring.setValue(45.5);
    ring.setValue(45.5);
    ring.setValue(74.9);
    ring.setValue(45.5);
    QCOMPARE(changed.size(), 3);
    QCOMPARE(changed.at(0).at(0).toInt(), 45);
    QCOMPARE(ring.getValue(), 45);
    QCOMPARE(ring.getUsedColor(), QColor(24, 189, 155));
    QCOMPARE(ring.sizeHint(), QSize(200, 200));
    ring.setPercentStyle(ProgressBarPercent::PercentStyle_Arc_Polo);

    // 45.5 %: the ring runs clockwise from 3 o'clock past 6 o'clock, the
    // disc is filled from its bottom to 45.5 % of its height.
    const QColor used(24, 189, 155), circle(70, 70, 70);
    const QImage image = picture(ring, {200, 200});
    QCOMPARE_COLOUR(image, QPoint(100, 194), used);  // ring, 6 o'clock
    QCOMPARE_COLOUR(image, QPoint(194, 104), used);  // ring, just past 3 o'clock
    QVERIFY(!near(image.pixelColor(QPoint(100, 6)), used, 40)); // 12 o'clock: no ring
    QCOMPARE_COLOUR(image, QPoint(100, 160), used);  // disc, low
    QCOMPARE_COLOUR(image, QPoint(100, 40), circle); // disc, high
}

void TestGauges::ultravioletSignalsAndPicture()
{
    Ultraviolet gauge;
    QSignalSpy changed(&gauge, &Ultraviolet::valueChanged);
    gauge.setValue(300);
    gauge.setValue(300);
    gauge.setValue(qQNaN());
    QCOMPARE(changed.size(), 2);

    QImage image = picture(gauge, {200, 200});
    QCOMPARE_COLOUR(image, QPoint(100, 50), QColor(253, 216, 53));
    // The sun's ray at 3 o'clock shows beyond the disc.
    const QColor ray = image.pixelColor(188, 100);
    QVERIFY2(ray.red() > 200 && ray.green() > 80 && ray.blue() < 80, qPrintable(ray.name()));

    gauge.setValue(1078);
    image = picture(gauge, {200, 200});
    QCOMPARE_COLOUR(image, QPoint(100, 50), QColor(74, 35, 90));
    QCOMPARE(gauge.getCircleColor(), QColor(74, 35, 90));
}

void TestGauges::thermometerSettersAndPicture()
{
    CThermometer thermometer;
    QCOMPARE(thermometer.getValue(), 1.0);
    thermometer.setMaxValue(85);
    thermometer.setMinValue(-35);
    thermometer.setMinValue(80);
    thermometer.setPrecision(CThermometer::PRECISION(0));
    QCOMPARE(thermometer.getMaxValue(), 80);
    QCOMPARE(thermometer.getMinValue(), -30);
    QCOMPARE(thermometer.getPrecision(), CThermometer::PRECISION_2);
    thermometer.setValueWithAnimation(20);
    QTRY_COMPARE(thermometer.getValue(), 20.0);
    QCOMPARE(thermometer.getLiquidColor(), QColor(24, 189, 155));

    const QColor glass(100, 100, 100), liquid(24, 189, 155);
    QImage image = picture(thermometer, {200, 400});
    const QRectF bar = thermometer.getBarRect();
    QCOMPARE(bar, QRectF(88, 25, 24, 307));
    const int top = int(bar.bottom() - thermometer.model().liquidLevel(bar.height()));
    QCOMPARE_COLOUR(image, QPoint(100, top + 3), liquid);
    QCOMPARE_COLOUR(image, QPoint(100, top - 3), glass);
    QCOMPARE_COLOUR(image, QPoint(89, top + 3), glass); // the tube's wall
    const QPoint bulb(100, int(bar.bottom()) + 24);
    QCOMPARE_COLOUR(image, bulb, liquid);

    thermometer.setValue(-5);
    image = picture(thermometer, {200, 400});
    QCOMPARE_COLOUR(image, bulb, QColor(100, 184, 255));
    thermometer.setValue(-100);
    image = picture(thermometer, {200, 400});
    // An empty tube above the bulb, which reaches 12 pixels into the tube.
    QCOMPARE_COLOUR(image, QPoint(100, int(bar.bottom()) - 16), glass);

    thermometer.initData();
    QCOMPARE(thermometer.getMaxValue(), 70);
    QCOMPARE(thermometer.getValue(), 1.0);
}

QTEST_MAIN(TestGauges)
#include "tst_gauges.moc"
