#include "mappace.h"

#include <QSignalSpy>
#include <QTest>

// The pace at which the map is given a client's positions: a lone one at
// once, of a burst only the newest, once the interval ends.
class TestMapPace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newestAtEachIntervalsEnd();
};

void TestMapPace::newestAtEachIntervalsEnd()
{
    constexpr int intervalMs = 50;
    MapPace pace(intervalMs);
    QSignalSpy due(&pace, &MapPace::due);
    pace.offer({"a"});
    QCOMPARE(due.count(), 1);
    for (const char *calls : {"b", "c", "d"})
        pace.offer({calls});
    QCOMPARE(due.count(), 1);
    QTRY_COMPARE(due.count(), 2);
    QCOMPARE(due.last().first().toStringList(), QStringList{"d"});
    // An interval ends with nothing waiting; the next position goes at once.
    QTest::qWait(10 * intervalMs);
    QCOMPARE(due.count(), 2);
    pace.offer({"e"});
    QCOMPARE(due.count(), 3);
    QCOMPARE(due.last().first().toStringList(), QStringList{"e"});
}

QTEST_GUILESS_MAIN(TestMapPace)
#include "tst_mappace.moc"
