#include "writeledger.h"

#include <QTest>

// The terminal's ledger of what it sends through the port: pieces handed
// over, bytes written, and what a Pause or a driver's flush takes back.
class TestWriteLedger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data();
    void steps();
};

void TestWriteLedger::steps_data()
{
    // Steps, each "queue <writer> <bytes>", "hand <at most>" (the next piece
    // goes to the port whole), "write <bytes>", "takeback repeat", "clear"
    // (the terminal's counter) or "unwrite <bytes>"; what takeback and
    // unwrite returned, in turn; the sends' bytes written and the sends done
    // in all; what is left pending.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<qint64>>("returned");
    QTest::addColumn<qint64>("sendBytes");
    QTest::addColumn<int>("sendsDone");
    QTest::addColumn<qint64>("pending");
    QTest::newRow("a send in pieces is done once written whole")
        << QStringList{"queue send 3000", "hand 1024", "write 1024",
                       "hand 1024",       "hand 1024", "write 1976"}
        << QList<qint64>{} << qint64(3000) << 1 << qint64(0);
    QTest::newRow("Pause cuts the repeat: its piece goes, it is never done")
        << QStringList{"queue repeat 3000", "hand 1024", "takeback repeat", "write 1024"}
        << QList<qint64>{1976} << qint64(1024) << 0 << qint64(0);
    QTest::newRow("Pause keeps a command behind the repeat")
        << QStringList{"queue repeat 3000", "queue send 16", "hand 1024",
                       "takeback repeat",   "hand 1024",     "write 1040"}
        << QList<qint64>{1976} << qint64(1040) << 1 << qint64(0);
    QTest::newRow("a repeat not begun is taken back whole")
        << QStringList{"queue send 100", "queue repeat 500", "hand 1024", "takeback repeat",
                       "write 100"}
        << QList<qint64>{500} << qint64(100) << 1 << qint64(0);
    QTest::newRow("a repeat whose handed part was written is cut")
        << QStringList{"queue repeat 3000", "hand 1024", "write 1024", "takeback repeat"}
        << QList<qint64>{1976} << qint64(1024) << 0 << qint64(0);
    QTest::newRow("a file's pieces are not counted")
        << QStringList{"queue file 500", "hand 1024", "write 500", "takeback repeat"}
        << QList<qint64>{0} << qint64(0) << 0 << qint64(0);
    QTest::newRow("the driver drops the newest bytes written")
        << QStringList{"queue file 500", "queue send 700", "queue file 300",
                       "hand 1024",      "hand 1024",      "hand 1024",
                       "write 1500",     "unwrite 900",    "unwrite 100"}
        << QList<qint64>{600, 100} << qint64(700) << 1 << qint64(0);
    QTest::newRow("the driver drops sends counted before the counter was cleared")
        << QStringList{"queue send 700", "hand 1024", "write 700", "clear",
                       "queue send 300", "hand 1024", "write 300", "unwrite 900"}
        << QList<qint64>{300} << qint64(1000) << 2 << qint64(0);
    QTest::newRow("written beyond what was handed is passed over")
        << QStringList{"write 50", "queue send 10", "write 50", "hand 1024", "write 50"}
        << QList<qint64>{} << qint64(10) << 1 << qint64(0);
}

void TestWriteLedger::steps()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<qint64>, returned);
    QFETCH(qint64, sendBytes);
    QFETCH(int, sendsDone);
    QFETCH(qint64, pending);
    const QMap<QString, WriteLedger::Writer> writers{{"send", WriteLedger::Writer::Send},
                                                     {"repeat", WriteLedger::Writer::Repeat},
                                                     {"file", WriteLedger::Writer::File}};
    WriteLedger ledger;
    QList<qint64> actual;
    WriteLedger::Written total;
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        const qint64 bytes = words.last().toLongLong();
        if (words[0] == QLatin1String("queue")) {
            ledger.queue(writers.value(words[1]), QByteArray(bytes, 'x'));
        } else if (words[0] == QLatin1String("hand")) {
            ledger.handedOver(ledger.nextPiece(bytes).size());
        } else if (words[0] == QLatin1String("write")) {
            const WriteLedger::Written written = ledger.written(bytes);
            total.sendBytes += written.sendBytes;
            total.sendsDone += written.sendsDone;
        } else if (words[0] == QLatin1String("takeback")) {
            actual.append(ledger.takeBack(writers.value(words[1])));
        } else if (words[0] == QLatin1String("clear")) {
            ledger.counterCleared();
        } else {
            actual.append(ledger.unwrite(bytes));
        }
    }
    QCOMPARE(actual, returned);
    QCOMPARE(total.sendBytes, sendBytes);
    QCOMPARE(total.sendsDone, sendsDone);
    QCOMPARE(ledger.pending(), pending);
    QCOMPARE(ledger.handed(), qint64(0));
}

QTEST_GUILESS_MAIN(TestWriteLedger)
#include "tst_writeledger.moc"
