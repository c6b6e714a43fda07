#include "attransaction.h"
#include "ptypair.h"
#include "scriptedmodem.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(AtTransaction::Outcome)
Q_DECLARE_METATYPE(AtTransaction::EndRule)

// Lets QCOMPARE print outcomes by name.
char *toString(AtTransaction::Outcome outcome)
{
    static const char *const names[] = {"Matched", "Failed", "TimedOut", "Closed"};
    return qstrdup(names[int(outcome)]);
}

// AT transactions against a scripted modem on a pty: end rules, failure
// text, replies split across reads, silence, a port that goes away.
class TestAtTransaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { AtTransaction::setTimeScale(0.2); }
    void cleanupTestCase() { AtTransaction::setTimeScale(1.0); }
    void run_data();
    void run();
    void replyKeepsItsNewestBytes();
    void closedPortEndsTheWait();
};

namespace {
constexpr int silentMs = 11 * 100 / 5; // 11 polls x 100 ms at the scale of 0.2
} // namespace

void TestAtTransaction::run_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArrayList>("awaited");
    QTest::addColumn<QByteArray>("failure");
    QTest::addColumn<AtTransaction::EndRule>("rule");
    QTest::addColumn<QList<int>>("delays");
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<AtTransaction::Outcome>("outcome");
    QTest::addColumn<int>("matched");
    QTest::addColumn<QList<bool>>("found");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    using O = AtTransaction::Outcome;
    const auto first = AtTransaction::EndRule::FirstMatch;
    const auto full = AtTransaction::EndRule::FullLength;
    const QByteArray csq("AT+CSQ\r\n");
    const QByteArray error("ERROR\r\n");
    const int slack = 1500;

    QTest::newRow("first match in one read")
        << csq << QByteArrayList{"OK\r\n"} << error << first << QList<int>{10}
        << QByteArrayList{"+CSQ: 21,0\r\n\r\nOK\r\n"} << O::Matched << 0 << QList<bool>{true} << 0
        << silentMs - 20;
    QTest::newRow("reply split across three reads")
        << csq << QByteArrayList{"OK\r\n"} << error << first << QList<int>{10, 40, 40}
        << QByteArrayList{"+CSQ: 2", "1,0\r\n\r\nO", "K\r\n"} << O::Matched << 0
        << QList<bool>{true} << 80 << silentMs - 20;
    QTest::newRow("awaited text split at its middle")
        << QByteArray("AT+CIPSTART\r\n") << QByteArrayList{"CONNECT OK"} << error << first
        << QList<int>{10, 30} << QByteArrayList{"CONNE", "CT OK\r\n"} << O::Matched << 0
        << QList<bool>{true} << 30 << silentMs - 20;
    QTest::newRow("failure text ends it")
        << csq << QByteArrayList{"OK\r\n"} << error << first << QList<int>{10}
        << QByteArrayList{"ERROR\r\n"} << O::Failed << -1 << QList<bool>{false} << 0
        << silentMs - 20;
    QTest::newRow("a coded error is no failure text")
        << csq << QByteArrayList{"OK\r\n"} << error << first << QList<int>{10}
        << QByteArrayList{"+CME ERROR: 10\r\n"} << O::TimedOut << -1 << QList<bool>{false}
        << silentMs << silentMs + slack;
    QTest::newRow("the second awaited text")
        << QByteArray("ATD1;\r\n") << QByteArrayList{"ATD", "NO"} << error << first
        << QList<int>{10} << QByteArrayList{"NO CARRIER\r\n"} << O::Matched << 1
        << QList<bool>{false, true} << 0 << silentMs - 20;
    QTest::newRow("silence runs the budget out")
        << csq << QByteArrayList{"OK\r\n"} << error << first << QList<int>{} << QByteArrayList{}
        << O::TimedOut << -1 << QList<bool>{false} << silentMs << silentMs + slack;
    QTest::newRow("full length goes on past a match")
        << QByteArray("ATA\r\n") << QByteArrayList{"OK"} << error << full << QList<int>{10}
        << QByteArrayList{"OK\r\n"} << O::TimedOut << -1 << QList<bool>{true} << silentMs
        << silentMs + slack;
    QTest::newRow("full length ends on the failure text")
        << QByteArray("ATA\r\n") << QByteArrayList{"OK"} << error << full << QList<int>{10, 30}
        << QByteArrayList{"OK\r\n", "ERROR\r\n"} << O::Failed << -1 << QList<bool>{true} << 30
        << silentMs - 20;
    QTest::newRow("no failure text: an error is no reply")
        << QByteArray("AT+CALM=1\r\n") << QByteArrayList{"OK\r\n"} << QByteArray() << first
        << QList<int>{10} << QByteArrayList{"ERROR\r\n"} << O::TimedOut << -1 << QList<bool>{false}
        << silentMs << silentMs + slack;
}

void TestAtTransaction::run()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArrayList, awaited);
    QFETCH(QByteArray, failure);
    QFETCH(AtTransaction::EndRule, rule);
    QFETCH(QList<int>, delays);
    QFETCH(QByteArrayList, pieces);
    QFETCH(AtTransaction::Outcome, outcome);
    QFETCH(int, matched);
    QFETCH(QList<bool>, found);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    PtyPair pty;
    QVERIFY(pty.isOpen());
    ScriptedModem modem(pty);
    ScriptedModem::Answer answer;
    for (int i = 0; i < pieces.size(); ++i)
        answer.append({delays.at(i), pieces.at(i)});
    modem.answer(command, answer);
    QSerialPort port(pty.slavePath());
    QVERIFY(port.open(QIODevice::ReadWrite));

    AtTransaction transaction(command, 11, 100);
    for (const QByteArray &text : awaited)
        transaction.await(text);
    transaction.setFailureText(failure);
    transaction.setEndRule(rule);
    QList<int> foundCalls;
    transaction.setOnFound([&foundCalls](int index) { foundCalls.append(index); });
    // As the port worker does: every read goes to the transaction.
    connect(&port, &QSerialPort::readyRead, this, [&] { transaction.take(port.readAll()); });

    QElapsedTimer clock;
    clock.start();
    const AtTransaction::Outcome got = transaction.run(&port);
    const qint64 elapsed = clock.elapsed();
    port.disconnect(this);

    QCOMPARE(got, outcome);
    QCOMPARE(transaction.matchedIndex(), matched);
    for (int i = 0; i < found.size(); ++i)
        QVERIFY2(
            transaction.found(i) == found.at(i),
            qPrintable(QStringLiteral("awaited %1: expected found %2").arg(i).arg(found.at(i))));
    QCOMPARE(foundCalls.size(), int(found.count(true)));
    QVERIFY2(elapsed >= minMs && elapsed <= maxMs,
             qPrintable(
                 QStringLiteral("took %1 ms, expected %2..%3").arg(elapsed).arg(minMs).arg(maxMs)));
    if (outcome != AtTransaction::Outcome::TimedOut || pieces.size() > 0)
        QVERIFY2(pieces.join().startsWith(transaction.reply()),
                 qPrintable(QStringLiteral("reply %1 not a prefix of %2")
                                .arg(QString::fromLatin1(transaction.reply()),
                                     QString::fromLatin1(pieces.join()))));
    QCOMPARE(modem.received(), command);
}

void TestAtTransaction::replyKeepsItsNewestBytes()
{
    AtTransaction transaction("AT\r\n", 1, 100);
    transaction.await(QByteArrayLiteral("OK\r\n"));
    const QByteArray noise(AtTransaction::maximumReply, 'x');
    transaction.take(noise);
    transaction.take(QByteArrayLiteral("OK\r\n"));
    QCOMPARE(transaction.reply().size(), AtTransaction::maximumReply);
    QVERIFY(transaction.reply().endsWith("xOK\r\n"));
    QCOMPARE(transaction.matchedIndex(), 0);
    // Nothing is taken once the rules ended the wait; restart forgets all.
    transaction.take(QByteArrayLiteral("more"));
    QVERIFY(transaction.reply().endsWith("OK\r\n"));
    transaction.restart();
    QVERIFY(transaction.reply().isEmpty());
    QVERIFY(!transaction.ended());
    QVERIFY(!transaction.found(0));
}

// A close or a deletion of the port during the wait ends it at once, and a
// wait asked for while another runs never writes.
void TestAtTransaction::closedPortEndsTheWait()
{
    PtyPair pty;
    ScriptedModem modem(pty);
    auto *port = new QSerialPort(pty.slavePath());
    QVERIFY(port->open(QIODevice::ReadWrite));
    AtTransaction nested("AT+NESTED\r\n", 11, 100);
    std::optional<AtTransaction::Outcome> nestedOutcome;
    QTimer::singleShot(30, port, [&] { nestedOutcome = nested.run(port); });
    QTimer::singleShot(60, port, [port] { port->deleteLater(); });

    AtTransaction transaction("AT+CSQ\r\n", 1000, 100);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(transaction.run(port), AtTransaction::Outcome::Closed);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(nestedOutcome.has_value());
    QCOMPARE(*nestedOutcome, AtTransaction::Outcome::Closed);
    QTRY_COMPARE(modem.received(), QByteArray("AT+CSQ\r\n"));
}

QTEST_GUILESS_MAIN(TestAtTransaction)
#include "tst_attransaction.moc"
