#include "wavetrace.h"

#include <QTest>

#include <cmath>
#include <limits>

using Points = QList<QPointF>;

namespace {
QString pointsText(const Points &points)
{
    QStringList texts;
    for (const QPointF &point : points)
        texts.append(QStringLiteral("(%1,%2)").arg(point.x()).arg(point.y()));
    return texts.join(QLatin1Char(' '));
}

// Points at x = 1, 2, ... n with the given y pattern repeated.
Points series(int count, const QList<double> &pattern)
{
    Points points;
    for (int x = 1; x <= count; ++x)
        points.append(QPointF(x, pattern.at((x - 1) % pattern.size())));
    return points;
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
    for (int x = 1; x <= 20000; ++x)
        trace.append(QPointF(x, -x));
    QCOMPARE(trace.size(), 20000);
    trace.append(QPointF(20001, 5));
    trace.append(QPointF(20002, std::numeric_limits<double>::quiet_NaN()));
    QCOMPARE(trace.size(), 20000);
    QCOMPARE(trace.at(0), QPointF(2, -2));
    QCOMPARE(trace.at(19999), QPointF(20001, 5));
    QCOMPARE(trace.bounds(), std::optional<QRectF>(QRectF(QPointF(2, -20000), QPointF(20001, 5))));

    trace.replace(series(30000, {7}));
    QCOMPARE(trace.points(), series(30000, {7}).mid(10000));
    trace.clear();
    QCOMPARE(trace.bounds(), std::nullopt);
}

void TestWaveTrace::drawPoints_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("buckets");
    QTest::addColumn<Points>("expected");

    const Points saw = series(12, {0, 5, -5, 1});
    QTest::newRow("few points: the window and a neighbour each side")
        << saw << 4.0 << 7.0 << 4 << saw.mid(2, 6);
    QTest::newRow("many points: lowest and highest of each column, in order")
        << saw << 2.0 << 11.0 << 2 << Points{{1, 0}, {2, 5}, {3, -5}, {7, -5}, {10, 5}, {12, 1}};
    QTest::newRow("a flat column gives one point")
        << series(9, {3}) << 1.0 << 9.0 << 1 << Points{{1, 3}};
    QTest::newRow("x that do not rise: every point")
        << Points{{2, 1}, {1, 2}, {3, 3}, {4, 4}, {5, 5}} << 1.0 << 5.0 << 1
        << Points{{2, 1}, {1, 2}, {3, 3}, {4, 4}, {5, 5}};
    QTest::newRow("window past the data: the last point")
        << saw << 20.0 << 30.0 << 4 << Points{{12, 1}};
}

void TestWaveTrace::drawPoints()
{
    QFETCH(Points, points);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, buckets);
    QFETCH(Points, expected);

    WaveTrace trace(100);
    trace.replace(points);
    const Points actual = trace.drawPoints(from, to, buckets);
    QVERIFY2(
        actual == expected,
        qPrintable(QStringLiteral("points %1, window %2..%3 in %4 columns: expected %5, got %6")
                       .arg(pointsText(points))
                       .arg(from)
                       .arg(to)
                       .arg(buckets)
                       .arg(pointsText(expected), pointsText(actual))));
}

QTEST_GUILESS_MAIN(TestWaveTrace)
#include "tst_wavetrace.moc"
