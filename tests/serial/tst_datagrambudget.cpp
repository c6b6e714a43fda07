#include "datagrambudget.h"

#include <QTest>

using Sizes = QList<qint64>;

// How many of the waiting datagrams one read takes.
class TestDatagramBudget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takes_data();
    void takes();
};

void TestDatagramBudget::takes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<int>("datagrams");
    QTest::addColumn<Sizes>("waiting");
    QTest::addColumn<int>("taken");
    QTest::newRow("a datagram larger than the bytes is taken alone")
        << qint64(100) << 10 << Sizes{500, 1} << 1;
    QTest::newRow("datagrams that fill the bytes exactly")
        << qint64(100) << 10 << Sizes{40, 60, 1} << 2;
    QTest::newRow("stops before the datagram that would pass the bytes")
        << qint64(100) << 10 << Sizes{40, 61, 1} << 1;
    QTest::newRow("empty datagrams up to the count") << qint64(100) << 3 << Sizes{0, 0, 0, 0} << 3;
    QTest::newRow("fewer waiting than allowed") << qint64(100) << 10 << Sizes{1, 2} << 2;
}

void TestDatagramBudget::takes()
{
    QFETCH(qint64, bytes);
    QFETCH(int, datagrams);
    QFETCH(Sizes, waiting);
    QFETCH(int, taken);
    DatagramBudget read(bytes, datagrams);
    qint64 takenBytes = 0;
    for (const qint64 size : waiting) {
        if (!read.admits(size))
            break;
        read.take(size);
        takenBytes += size;
    }
    QCOMPARE(read.datagrams(), taken);
    QCOMPARE(read.bytes(), takenBytes);
}

QTEST_GUILESS_MAIN(TestDatagramBudget)
#include "tst_datagrambudget.moc"
