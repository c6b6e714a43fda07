#include "cthermometer.h"
#include "dashboard.h"
#include "progressbarpercent.h"
#include "ultraviolet.h"

#include <QImage>
#include <QTest>

#include <memory>

namespace {
// A pixel of a grabbed gauge: its colour within `tolerance` per channel of
// `colour`, or, for a negative tolerance, further than that from it.
struct Pixel
{
    QPoint at;
    QColor colour;
    int tolerance = 2;
};

const QColor dialFace(65, 65, 65), glass(100, 100, 100), mild(24, 189, 155);
} // namespace
Q_DECLARE_METATYPE(Pixel)

// The gauge widgets drawn: a few pixels where the models put the parts.
class TestGauges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_data();
    void picture();
};

void TestGauges::picture_data()
{
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<double>("value");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<Pixel>>("pixels");

    // Dial 0..1100: the needle on the first or the last major mark, the
    // face, the crown; a wider widget keeps it round and centred.
    const Pixel first{{82, 110}, dialFace, -20}, last{{117, 110}, dialFace, -20};
    QTest::newRow("dial at its minimum")
        << "dial" << -50.0 << QSize(200, 200)
        << QList<Pixel>{
               first, {last.at, dialFace}, {{100, 155}, dialFace}, {{100, 3}, {180, 180, 180}}};
    QTest::newRow("dial above its maximum in a wide widget")
        << "dial" << 2000.0 << QSize(400, 200)
        << QList<Pixel>{{last.at + QPoint(100, 0), dialFace, -20},
                        {first.at + QPoint(100, 0), dialFace}};
    // 45.5 %: the ring runs clockwise from 3 o'clock past 6 o'clock, the disc
    // is filled from its bottom to 45.5 % of its height.
    QTest::newRow("humidity ring 45.5") << "ring" << 45.5 << QSize(200, 200)
                                        << QList<Pixel>{{{100, 194}, mild},
                                                        {{194, 104}, mild},
                                                        {{100, 6}, mild, -40},
                                                        {{100, 160}, mild},
                                                        {{100, 40}, {70, 70, 70}}};
    // The disc's class colour; the sun's orange ray at 3 o'clock beyond it.
    QTest::newRow("ultraviolet 300")
        << "ultraviolet" << 300.0 << QSize(200, 200)
        << QList<Pixel>{{{100, 50}, {253, 216, 53}}, {{188, 100}, {250, 150, 0}, 50}};
    // -30..80 in a tube at (88, 25, 24, 307): 20 degrees fill it to y 191.
    QTest::newRow("thermometer 20")
        << "thermometer" << 20.0 << QSize(200, 400)
        << QList<Pixel>{
               {{100, 194}, mild}, {{100, 188}, glass}, {{89, 194}, glass}, {{100, 356}, mild}};
}

void TestGauges::picture()
{
    QFETCH(QString, gauge);
    QFETCH(double, value);
    QFETCH(QSize, size);
    QFETCH(QList<Pixel>, pixels);

    std::unique_ptr<QWidget> widget;
    if (gauge == QLatin1String("dial")) {
        auto *dial = new DashBoard;
        widget.reset(dial);
        dial->setMaxValue(1100);
        dial->setMinValue(0);
        dial->setValue(value);
    } else if (gauge == QLatin1String("ring")) {
        auto *ring = new ProgressBarPercent;
        widget.reset(ring);
        ring->setPercentStyle(ProgressBarPercent::PercentStyle_Arc_Polo);
        ring->setValue(value);
    } else if (gauge == QLatin1String("ultraviolet")) {
        auto *sun = new Ultraviolet;
        widget.reset(sun);
        sun->setValue(value);
    } else {
        auto *thermometer = new CThermometer;
        widget.reset(thermometer);
        thermometer->setMaxValue(80);
        thermometer->setValueWithAnimation(value);
        QTRY_COMPARE(thermometer->getValue(), value);
    }
    QCOMPARE(widget->minimumSize(), QSize(150, 150));
    widget->resize(size);
    const QImage image = widget->grab().toImage();
    for (const Pixel &pixel : pixels) {
        const QColor shown = image.pixelColor(pixel.at);
        const int distance = qMax(qMax(qAbs(shown.red() - pixel.colour.red()),
                                       qAbs(shown.green() - pixel.colour.green())),
                                  qAbs(shown.blue() - pixel.colour.blue()));
        const bool near = distance <= qAbs(pixel.tolerance);
        QVERIFY2(
            near == (pixel.tolerance >= 0),
            qPrintable(QStringLiteral("pixel (%1,%2) is %3, expected %4 %5 within %6")
                           .arg(pixel.at.x())
                           .arg(pixel.at.y())
                           .arg(shown.name(), pixel.tolerance < 0 ? "not" : "", pixel.colour.name())
                           .arg(qAbs(pixel.tolerance))));
    }
}

QTEST_MAIN(TestGauges)
#include "tst_gauges.moc"
