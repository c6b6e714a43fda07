#include "wavetrace.h"

#include <QTest>

#include <limits>

using Points = QList<QPointF>;

namespace {
QString text(const Points &points)
{
    QStringList texts;
    for (const QPointF &point : points)
        texts.append(QStringLiteral("(%1,%2)").arg(point.x()).arg(point.y()));
    return texts.join(QLatin1Char(' '));
}
} // namespace

// One channel's points: the newest kept up to the limit, their bounds and
// the points a line needs across a window.
class TestWaveTrace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTheNewest();
    void drawPoints_data();
    void drawPoints();
};

void TestWaveTrace::keepsTheNewest()
{
    WaveTrace trace(20000);
    for (int x = 1; x <= 20001; ++x)
        trace.append(QPointF(x, -x));
    trace.append(QPointF(20002, std::numeric_limits<double>::quiet_NaN()));
    QCOMPARE(trace.size(), 20000);
    QCOMPARE(trace.at(0), QPointF(2, -2));
    QCOMPARE(trace.bounds(), QRectF(QPointF(2, -20001), QPointF(20001, -2)));
    constexpr double largest = std::numeric_limits<double>::max();
    trace.append(QPointF(20003, -largest));
    QCOMPARE(trace.bounds(), QRectF(QPointF(3, -largest / 2), QPointF(20003, -3)));
    trace.clear();
    QCOMPARE(trace.bounds(), std::nullopt);
}

void TestWaveTrace::drawPoints_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<int>("buckets"); // across x = 2 to 11
    QTest::addColumn<Points>("expected");
    QTest::addColumn<bool>("thinned");

    Points saw; // 0, 5, -5, 1, 0, 5, ... at x = 1 to 12
    for (int x = 1; x <= 12; ++x)
        saw.append(QPointF(x, QList<double>{0, 5, -5, 1}.at((x - 1) % 4)));
    QTest::newRow("few: all in the window and a neighbour each side") << saw << 6 << saw << false;
    QTest::newRow("many: the lowest and highest of each column, in order")
        << saw << 2 << Points{{1, 0}, {2, 5}, {3, -5}, {7, -5}, {10, 5}, {12, 1}} << true;
    QTest::newRow("x that do not rise: every point")
        << Points{{2, 1}, {1, 2}, {3, 3}} << 1 << Points{{2, 1}, {1, 2}, {3, 3}} << false;
}

void TestWaveTrace::drawPoints()
{
    QFETCH(Points, points);
    QFETCH(int, buckets);
    QFETCH(Points, expected);
    QFETCH(bool, thinned);

    WaveTrace trace(100);
    trace.replace(points);
    QCOMPARE(trace.thins(2, 11, buckets), thinned);
    const Points actual = trace.drawPoints(2, 11, buckets);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1 in %2 columns: expected %3, got %4")
                                                .arg(text(points))
                                                .arg(buckets)
                                                .arg(text(expected), text(actual))));
}

QTEST_GUILESS_MAIN(TestWaveTrace)
#include "tst_wavetrace.moc"
