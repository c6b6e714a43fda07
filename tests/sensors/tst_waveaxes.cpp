#include "waveaxes.h"
#include "zoomdial.h"

#include <QTest>

#include <limits>
#include <tuple>

// The fit of the oscilloscope chart shows the data, never an axis without
// extent.
class TestWaveAxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit_data();
    void fit();
    void limit_data();
    void limit();
};

void TestWaveAxes::fit_data()
{
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QRectF>("shown");

    QTest::newRow("data with extent") << QRectF(1, -2, 99, 6) << QRectF(1, -2, 99, 6);
    QTest::newRow("flat line") << QRectF(1, 40, 99, 0) << QRectF(1, 38, 99, 4);
    QTest::newRow("one point at 0") << QRectF(5, 0, 0, 0) << QRectF(4.5, -0.5, 1, 1);
    constexpr double half = std::numeric_limits<double>::max() / 2, limit = WaveAxes::valueLimit;
    QTest::newRow("values beyond what an axis spans: the largest span it takes")
        << QRectF(QPointF(1, -half), QPointF(100, half))
        << QRectF(QPointF(1, -limit), QPointF(100, limit));
}

void TestWaveAxes::fit()
{
    QFETCH(QRectF, bounds);
    QFETCH(QRectF, shown);

    WaveAxes axes;
    QCOMPARE(axes.fit(bounds), shown);
    QCOMPARE(axes.rangeX(), shown.width());
    QCOMPARE(axes.rangeY(), 1.5 * shown.height());
}

// Positions on a dial of 10 that wraps round.
void TestWaveAxes::limit_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expected");

    // A little ahead or behind; far ahead is behind across the end and far
    // behind ahead; half round and the same position are neither.
    for (const auto &[a, b, expected] : {std::tuple{3, 1, 1}, {9, 1, -1}, {1, 3, -1},
                                         {1, 9, 1}, {6, 1, 0}, {4, 4, 0}})
        QTest::addRow("%d from %d", a, b) << a << b << expected;
}

void TestWaveAxes::limit()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, expected);
    QCOMPARE(::limit(a, b, 10), expected);
}

QTEST_GUILESS_MAIN(TestWaveAxes)
#include "tst_waveaxes.moc"
