#include "portwait.h"
#include "ptypair.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

#include <optional>

Q_DECLARE_METATYPE(PortWait::Outcome)

// The request/reply wait against a pty standing in for the device, which the
// test plays from timers that fire inside the wait.
class TestPortWait : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exchange_data();
    void exchange();
    void unusablePortIsClosed();
    void runPending_data();
    void runPending();
};

namespace {

// What a timer does to the port during the wait, 50 ms in.
enum class Action { None, Close, DeleteLater, Delete, Nested, Reopen };

// Does `action` to the port; a nested wait's outcome goes to `nested`.
void perform(Action action, QPointer<QSerialPort> &port, std::optional<PortWait::Outcome> &nested)
{
    switch (action) {
    case Action::None:
        break;
    case Action::Close:
        port->close();
        break;
    case Action::Reopen:
        port->close();
        port->open(QIODevice::ReadWrite);
        break;
    case Action::DeleteLater:
        port->deleteLater();
        break;
    case Action::Delete:
        delete port.data();
        break;
    case Action::Nested:
        nested = PortWait::exchange(port, "NESTED\r\n", 1000, [] { return true; });
        break;
    }
}

} // namespace

// Lets QCOMPARE print outcomes by name.
char *toString(PortWait::Outcome outcome)
{
    static const char *const names[] = {"Ready", "TimedOut", "Closed", "Busy"};
    return qstrdup(names[int(outcome)]);
}

void TestPortWait::exchange_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QList<int>>("answerAtMs"); // -1: before the call
    QTest::addColumn<QByteArrayList>("answer");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<PortWait::Outcome>("expected");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    using O = PortWait::Outcome;
    const QByteArray at("AT+CSQ\r\n");
    const QByteArrayList ok{"+CSQ: 21,0\r\nOK\r\n"};
    QTest::newRow("answer after 50 ms")
        << at << QList<int>{50} << ok << int(Action::None) << 5000 << O::Ready << 40 << 2500;
    QTest::newRow("answer in pieces")
        << at << QList<int>{30, 60, 90} << QByteArrayList{"+CSQ: 2", "1,0\r\n", "OK\r\n"}
        << int(Action::None) << 5000 << O::Ready << 80 << 2500;
    QTest::newRow("answer already waiting, nothing to send")
        << QByteArray() << QList<int>{-1} << QByteArrayList{"RING\r\n"} << int(Action::None) << 5000
        << O::Ready << 0 << 1000;
    QTest::newRow("silent device") << at << QList<int>{} << QByteArrayList{} << int(Action::None)
                                   << 300 << O::TimedOut << 300 << 1500;
    QTest::newRow("closed") << at << QList<int>{} << QByteArrayList{} << int(Action::Close) << 5000
                            << O::Closed << 40 << 2500;
    QTest::newRow("closed and opened again")
        << at << QList<int>{} << QByteArrayList{} << int(Action::Reopen) << 5000 << O::Closed << 40
        << 2500;
    QTest::newRow("deleted later") << at << QList<int>{} << QByteArrayList{}
                                   << int(Action::DeleteLater) << 5000 << O::Closed << 40 << 2500;
    QTest::newRow("deleted") << at << QList<int>{} << QByteArrayList{} << int(Action::Delete)
                             << 5000 << O::Closed << 40 << 2500;
    QTest::newRow("nested exchange is busy")
        << at << QList<int>{100} << ok << int(Action::Nested) << 5000 << O::Ready << 90 << 2500;
}

void TestPortWait::exchange()
{
    QFETCH(QByteArray, request);
    QFETCH(QList<int>, answerAtMs);
    QFETCH(QByteArrayList, answer);
    QFETCH(int, action);
    QFETCH(int, timeoutMs);
    QFETCH(PortWait::Outcome, expected);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    PtyPair pty;
    QVERIFY(pty.isOpen());
    QPointer<QSerialPort> port = new QSerialPort(pty.slavePath());
    QVERIFY(port->open(QIODevice::ReadWrite));
    // The timers below go with it, should the wait return before they fire.
    const QObject scope;

    for (int i = 0; i < answerAtMs.size(); ++i) {
        if (answerAtMs.at(i) < 0) {
            QVERIFY(pty.write(answer.at(i)));
            QTRY_COMPARE(port->bytesAvailable(), qint64(answer.at(i).size()));
        } else {
            QTimer::singleShot(answerAtMs.at(i), &scope,
                               [&pty, bytes = answer.at(i)] { pty.write(bytes); });
        }
    }
    std::optional<PortWait::Outcome> nested;
    QTimer::singleShot(50, &scope, [&] { perform(Action(action), port, nested); });

    QByteArray reply;
    bool askedWithoutPort = false;
    QElapsedTimer clock;
    clock.start();
    const PortWait::Outcome outcome = PortWait::exchange(port, request, timeoutMs, [&] {
        if (!port)
            askedWithoutPort = true;
        else
            reply += port->readAll();
        return reply.endsWith("OK\r\n") || reply.endsWith("RING\r\n");
    });
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(outcome, expected);
    QVERIFY2(elapsed >= minMs && elapsed <= maxMs,
             qPrintable(
                 QStringLiteral("took %1 ms, expected %2..%3").arg(elapsed).arg(minMs).arg(maxMs)));
    QVERIFY(!askedWithoutPort);
    QVERIFY(!PortWait::isWaiting());
    if (expected == PortWait::Outcome::Ready)
        QCOMPARE(reply, answer.join());
    if (Action(action) == Action::Nested) {
        QVERIFY2(nested, "the nested exchange never ran");
        QCOMPARE(*nested, PortWait::Outcome::Busy);
    }
    // What reached the device: the request exactly, never the nested one.
    QCOMPARE(pty.readFor(100), request);
    delete port.data();
}

void TestPortWait::unusablePortIsClosed()
{
    const auto never = [] {
        return false;
    };
    QCOMPARE(PortWait::exchange(nullptr, "AT\r\n", 1000, never), PortWait::Outcome::Closed);

    PtyPair pty;
    QSerialPort notOpen(pty.slavePath());
    QCOMPARE(PortWait::exchange(&notOpen, "AT\r\n", 1000, never), PortWait::Outcome::Closed);
}

void TestPortWait::runPending_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<PortWait::Outcome>("expected");

    using O = PortWait::Outcome;
    QTest::newRow("nothing happens") << int(Action::None) << O::Ready;
    QTest::newRow("closed") << int(Action::Close) << O::Closed;
    QTest::newRow("closed and opened again") << int(Action::Reopen) << O::Closed;
    QTest::newRow("deleted") << int(Action::Delete) << O::Closed;
    QTest::newRow("a wait inside is busy") << int(Action::Nested) << O::Ready;
}

// The events pending when it is called run, once; what they did to the
// port decides the outcome.
void TestPortWait::runPending()
{
    QFETCH(int, action);
    QFETCH(PortWait::Outcome, expected);

    PtyPair pty;
    QPointer<QSerialPort> port = new QSerialPort(pty.slavePath());
    QVERIFY(port->open(QIODevice::ReadWrite));
    std::optional<PortWait::Outcome> nested;
    bool ran = false;
    QMetaObject::invokeMethod(
        port,
        [&] {
            ran = true;
            perform(Action(action), port, nested);
        },
        Qt::QueuedConnection);

    QCOMPARE(PortWait::runPending(port), expected);
    QVERIFY(ran);
    QVERIFY(!PortWait::isWaiting());
    if (Action(action) == Action::Nested)
        QCOMPARE(nested, std::optional(PortWait::Outcome::Busy));
    QCOMPARE(pty.readFor(100), QByteArray());
    delete port.data();

    // Inside another wait it runs nothing.
    QSerialPort other(pty.slavePath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    std::optional<PortWait::Outcome> inside;
    QTimer::singleShot(0, &other, [&] { inside = PortWait::runPending(&other); });
    QCOMPARE(PortWait::exchange(&other, {}, 100, {}), PortWait::Outcome::TimedOut);
    QCOMPARE(inside, std::optional(PortWait::Outcome::Busy));
    QCOMPARE(PortWait::runPending(nullptr), PortWait::Outcome::Closed);
}

QTEST_GUILESS_MAIN(TestPortWait)
#include "tst_portwait.moc"
