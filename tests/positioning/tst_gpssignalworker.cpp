#include "gps_signal.h"
#include "gsvreader.h"

#include <QAtomicInt>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
// Sentence n of a receiver sending four GSV sentences of each of four
// systems per update; the SNR makes every sentence differ.
QByteArray sentence(int n)
{
    static const char *const talkers[] = {"GP", "GB", "GL", "GA"};
    return QByteArray("$") + talkers[n / 4 % 4] + "GSV,4," + QByteArray::number(n % 4 + 1) +
           ",16," + QByteArray::number(n % 4 * 4 + 1) + ",40,120," +
           QByteArray::number(10 + n % 80) + "," + QByteArray::number(n % 4 * 4 + 2) + ",20,200,35";
}

// Collects what a worker hands over, releasing it after each result as the
// window does once it has drawn.
struct Consumer
{
    explicit Consumer(GPS_Signal &worker, bool release = true)
    {
        QObject::connect(&worker, &GPS_Signal::ReturnResult, &worker,
                         [this, &worker, release](const GsvSentence &sentence) {
                             results.append(sentence);
                             if (release)
                                 QTimer::singleShot(1, &worker,
                                                    [&worker] { worker.Wait_Data(false); });
                         });
    }
    QList<GsvSentence> results;
};
} // namespace

// The GPS Signal dialog's worker: sentences in, satellites out by value, one
// at a time, on a bounded queue.
class TestGpsSignalWorker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void burstIsDeliveredInOrder_data();
    void burstIsDeliveredInOrder();
    void queueDropsOldestBeyondItsBound();
    void stopEndsPromptlyAndDeliversNoMore();
    void destroyingARunningWorkerWaits();
};

void TestGpsSignalWorker::burstIsDeliveredInOrder_data()
{
    QTest::addColumn<int>("perSecond");
    QTest::addColumn<int>("count");
    QTest::newRow("16 a second for 2 s") << 16 << 32;
    QTest::newRow("12 a second for 2 s") << 12 << 24;
    QTest::newRow("all at once") << 0 << 40;
}

void TestGpsSignalWorker::burstIsDeliveredInOrder()
{
    QFETCH(int, perSecond);
    QFETCH(int, count);
    GPS_Signal worker;
    Consumer consumer(worker);
    worker.start();
    QList<GsvSentence> expected;
    for (int n = 0; n < count; ++n) {
        QByteArray text = sentence(n);
        expected.append(GsvReader::read(text));
        worker.Get_Data(text.data());
        if (perSecond > 0)
            QTest::qWait(1000 / perSecond);
    }
    worker.Get_Data(nullptr);
    expected.append(GsvSentence{});
    QTRY_COMPARE_WITH_TIMEOUT(consumer.results.size(), expected.size(), 10000);
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(consumer.results[i] == expected[i],
                 qPrintable(QStringLiteral("result %1 differs from what sentence \"%2\" holds")
                                .arg(i)
                                .arg(QString::fromLatin1(sentence(int(i))))));
    QCOMPARE(worker.droppedCount(), 0);
}

// While the window takes no result the queue keeps only the newest 50.
void TestGpsSignalWorker::queueDropsOldestBeyondItsBound()
{
    GPS_Signal worker;
    Consumer holding(worker, false);
    worker.start();
    QByteArray first = sentence(0);
    worker.Get_Data(first.data());
    QTRY_COMPARE(holding.results.size(), 1);
    for (int n = 1; n < 200; ++n) {
        QByteArray text = sentence(n);
        worker.Get_Data(text.data());
    }
    QCOMPARE(worker.queueLength(), GPS_Signal::queueLimit);
    QCOMPARE(worker.droppedCount(), 199 - GPS_Signal::queueLimit);

    Consumer released(worker);
    worker.Wait_Data(false);
    QTRY_COMPARE(released.results.size(), GPS_Signal::queueLimit);
    QVERIFY(released.results.first() == GsvReader::read(sentence(150)));
    QVERIFY(released.results.last() == GsvReader::read(sentence(199)));
}

void TestGpsSignalWorker::stopEndsPromptlyAndDeliversNoMore()
{
    GPS_Signal worker;
    Consumer consumer(worker);
    worker.start();
    QByteArray text = sentence(3);
    worker.Get_Data(text.data());
    // The worker reads the sentence while no event is handled here, so its
    // result is still on its way when stop() comes.
    while (worker.readCount() < 1)
        QThread::msleep(1);
    QThread::msleep(20);
    worker.stop();
    QVERIFY2(worker.wait(10000), "the worker did not end within 10 s of stop()");
    worker.Get_Data(text.data());
    QTest::qWait(50);
    QCOMPARE(consumer.results.size(), 0);
}

void TestGpsSignalWorker::destroyingARunningWorkerWaits()
{
    auto worker = std::make_unique<GPS_Signal>();
    QAtomicInt finished = 0;
    connect(
        worker.get(), &QThread::finished, worker.get(), [&finished] { finished = 1; },
        Qt::DirectConnection);
    worker->start();
    for (int n = 0; n < 20; ++n) {
        QByteArray text = sentence(n);
        worker->Get_Data(text.data());
    }
    worker.reset();
    QCOMPARE(finished.loadRelaxed(), 1);
}

QTEST_GUILESS_MAIN(TestGpsSignalWorker)
#include "tst_gpssignalworker.moc"
