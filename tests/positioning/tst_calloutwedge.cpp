#include "calloutwedge.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<CalloutWedge>)

// Where a callout's pointer leaves its box, for a box at (0, 0) 100 wide
// and 50 high.
class TestCalloutWedge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wedge_data();
    void wedge();
};

void TestCalloutWedge::wedge_data()
{
    QTest::addColumn<QPointF>("anchor");
    QTest::addColumn<std::optional<CalloutWedge>>("expected");

    QTest::newRow("inside: none") << QPointF(30, 20) << std::optional<CalloutWedge>();
    QTest::newRow("below, right of centre: bottom edge")
        << QPointF(70, 80) << std::optional(CalloutWedge{{80, 50}, {90, 50}});
    QTest::newRow("below, left of centre: bottom edge")
        << QPointF(20, 80) << std::optional(CalloutWedge{{10, 50}, {20, 50}});
    QTest::newRow("beside, above centre: left edge")
        << QPointF(-40, 10) << std::optional(CalloutWedge{{0, 10}, {0, 20}});
    QTest::newRow("above-left, farther left: left edge at the corner")
        << QPointF(-30, -10) << std::optional(CalloutWedge{{0, 10}, {0, 20}});
    QTest::newRow("above-left, farther up: top edge at the corner")
        << QPointF(-10, -30) << std::optional(CalloutWedge{{10, 0}, {20, 0}});
    QTest::newRow("below-right, farther down: bottom edge at the corner")
        << QPointF(110, 90) << std::optional(CalloutWedge{{80, 50}, {90, 50}});
}

void TestCalloutWedge::wedge()
{
    QFETCH(QPointF, anchor);
    QFETCH(std::optional<CalloutWedge>, expected);
    const std::optional<CalloutWedge> actual = CalloutWedge::toward(QRectF(0, 0, 100, 50), anchor);
    const auto text = [](const std::optional<CalloutWedge> &wedge) {
        return wedge ? QStringLiteral("(%1,%2)-(%3,%4)")
                           .arg(wedge->first.x())
                           .arg(wedge->first.y())
                           .arg(wedge->second.x())
                           .arg(wedge->second.y())
                     : QStringLiteral("none");
    };
    QCOMPARE(text(actual), text(expected));
}

QTEST_APPLESS_MAIN(TestCalloutWedge)
#include "tst_calloutwedge.moc"
