#include "eventwait.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestEventWait : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsTheAskedTime_data();
    void waitsTheAskedTime();
    void timersRunMeanwhile();
    void nothingForZeroOrLess();
};

void TestEventWait::waitsTheAskedTime_data()
{
    QTest::addColumn<int>("ms");
    QTest::newRow("short") << 30;
    QTest::newRow("one slice") << 100;
    QTest::newRow("several slices") << 350;
}

void TestEventWait::waitsTheAskedTime()
{
    QFETCH(int, ms);
    QElapsedTimer clock;
    clock.start();
    waitProcessingEvents(ms);
    QVERIFY2(clock.elapsed() >= ms,
             qPrintable(QStringLiteral("waited %1 ms of %2").arg(clock.elapsed()).arg(ms)));
}

void TestEventWait::timersRunMeanwhile()
{
    int ticks = 0;
    QTimer timer;
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    timer.start();
    waitProcessingEvents(300);
    QVERIFY2(ticks >= 5, qPrintable(QStringLiteral("%1 ticks").arg(ticks)));
}

void TestEventWait::nothingForZeroOrLess()
{
    bool ran = false;
    QTimer::singleShot(0, this, [&ran] { ran = true; });
    waitProcessingEvents(0);
    waitProcessingEvents(-5);
    QVERIFY(!ran); // returned without entering the event loop
}

QTEST_GUILESS_MAIN(TestEventWait)
#include "tst_eventwait.moc"
