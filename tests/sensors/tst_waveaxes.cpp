#include "waveaxes.h"

#include <QTest>

#include <cmath>

// The oscilloscope chart's axis rules.
class TestWaveAxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrollWindow_data();
    void scrollWindow();
    void wheelZoomsAboutTheMouse();
    void fit_data();
    void fit();
};

void TestWaveAxes::scrollWindow_data()
{
    QTest::addColumn<double>("maxX");
    QTest::addColumn<int>("wheelSteps"); // away from the user
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");

    QTest::newRow("fewer than 50 points") << 49.0 << 0 << 0.0 << 50.0;
    QTest::newRow("x up to 120") << 120.0 << 0 << 70.0 << 120.0;
    QTest::newRow("three steps in") << 120.0 << 3 << 120 - 50 / std::pow(1.2, 3) << 120.0;
    QTest::newRow("two steps out") << 120.0 << -2 << 48.0 << 120.0;
}

void TestWaveAxes::scrollWindow()
{
    QFETCH(double, maxX);
    QFETCH(int, wheelSteps);
    QFETCH(double, min);
    QFETCH(double, max);

    WaveAxes axes;
    axes.setMaxX(maxX);
    for (int step = 0; step < std::abs(wheelSteps); ++step)
        static_cast<void>(axes.wheel(wheelSteps > 0 ? 120 : -120));
    const WaveAxes::Span window = axes.scrollWindow();
    QVERIFY2(qFuzzyCompare(window.min, min) && qFuzzyCompare(window.max, max),
             qPrintable(QStringLiteral("newest x %1, %2 wheel steps: expected %3..%4, got %5..%6")
                            .arg(maxX)
                            .arg(wheelSteps)
                            .arg(min)
                            .arg(max)
                            .arg(window.min)
                            .arg(window.max)));
}

// One step away from the user magnifies by 1.2 and moves the centre a fifth
// of the way towards the mouse; a step towards the user shrinks by 1.2.
void TestWaveAxes::wheelZoomsAboutTheMouse()
{
    WaveAxes axes;
    const QRectF area(0, 0, 600, 300);
    const QPointF in = axes.wheel(0);
    QCOMPARE(in, QPointF(1 / 1.2, 1 / 1.2));
    QCOMPARE(axes.rangeY(), 50 / 1.2);
    const QRectF zoomed = WaveAxes::zoomedArea(area, QPointF(600, 0), in);
    QCOMPARE(zoomed.size(), QSizeF(500, 250));
    QCOMPARE(zoomed.center(), QPointF(360, 120));

    axes.setZoomY(0);
    QCOMPARE(axes.wheel(-8), QPointF(1.2, 1.2));
    QCOMPARE(WaveAxes::zoomedArea(area, area.center(), {1.2, 1.2}).size(), QSizeF(720, 360));
}

void TestWaveAxes::fit_data()
{
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QRectF>("shown");

    QTest::newRow("data with extent") << QRectF(1, -2, 99, 6) << QRectF(1, -2, 99, 6);
    QTest::newRow("flat line") << QRectF(1, 40, 99, 0) << QRectF(1, 38, 99, 4);
    QTest::newRow("one point at 0") << QRectF(5, 0, 0, 0) << QRectF(4.5, -0.5, 1, 1);
}

// The fit shows the data, never an axis without extent.
void TestWaveAxes::fit()
{
    QFETCH(QRectF, bounds);
    QFETCH(QRectF, shown);

    WaveAxes axes;
    const QRectF actual = axes.fit(bounds);
    QCOMPARE(actual, shown);
    QCOMPARE(axes.rangeX(), shown.width());
    QCOMPARE(axes.rangeY(), 1.5 * shown.height());
}

QTEST_GUILESS_MAIN(TestWaveAxes)
#include "tst_waveaxes.moc"
