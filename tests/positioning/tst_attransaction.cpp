#include "attransaction.h"
#include "ptypair.h"
#include "scriptedmodem.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(AtTransaction::Outcome)
Q_DECLARE_METATYPE(AtTransaction::EndRule)

char *toString(AtTransaction::Outcome outcome)
{
    static const char *const names[] = {"Matched", "Failed", "TimedOut", "Closed"};
    return qstrdup(names[int(outcome)]);
}

// AT transactions against a scripted modem on a pty: end rules, the failure
// text, replies split across reads, silence, a port that goes away.
class TestAtTransaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { AtTransaction::setTimeScale(0.2); }
    void run_data();
    void run();
    void replyIsBounded();
    void closedPortEndsTheWait();
};

void TestAtTransaction::run_data()
{
    QTest::addColumn<QByteArrayList>("awaited");
    QTest::addColumn<QByteArray>("failure");
    QTest::addColumn<AtTransaction::EndRule>("rule");
    QTest::addColumn<QByteArray>("reply"); // '|' splits it into reads 30 ms apart
    QTest::addColumn<AtTransaction::Outcome>("outcome");
    QTest::addColumn<int>("matched");
    QTest::addColumn<bool>("foundFirst");
    QTest::addColumn<bool>("runsOut"); // lasts the whole 11 x 100 ms (scaled)

    using O = AtTransaction::Outcome;
    const auto first = AtTransaction::EndRule::FirstMatch;
    const auto full = AtTransaction::EndRule::FullLength;
    const QByteArrayList ok{"OK\r\n"};
    const QByteArray error("ERROR\r\n");
    QTest::newRow("reply split across three reads")
        << ok << error << first << QByteArray("+CSQ: 2|1,0\r\n\r\nO|K\r\n") << O::Matched << 0
        << true << false;
    QTest::newRow("awaited text split in its middle")
        << QByteArrayList{"CONNECT OK"} << error << first << QByteArray("CONNE|CT OK\r\n")
        << O::Matched << 0 << true << false;
    QTest::newRow("failure text") << ok << error << first << QByteArray("\r\nERROR\r\n")
                                  << O::Failed << -1 << false << false;
    QTest::newRow("a coded error is no failure text")
        << ok << error << first << QByteArray("+CME ERROR: 10\r\n") << O::TimedOut << -1 << false
        << true;
    QTest::newRow("without failure text an error is no reply")
        << ok << QByteArray() << first << QByteArray("ERROR\r\n") << O::TimedOut << -1 << false
        << true;
    QTest::newRow("the second awaited text")
        << QByteArrayList{"ATD", "NO"} << error << first << QByteArray("NO CARRIER\r\n")
        << O::Matched << 1 << false << false;
    QTest::newRow("silence runs the budget out")
        << ok << error << first << QByteArray() << O::TimedOut << -1 << false << true;
    QTest::newRow("full length goes on past a match")
        << QByteArrayList{"OK"} << error << full << QByteArray("OK|OK\r\n") << O::TimedOut << -1
        << true << true;
    QTest::newRow("full length ends on the failure text")
        << QByteArrayList{"OK"} << error << full << QByteArray("OK\r\n|ERROR\r\n") << O::Failed
        << -1 << true << false;
}

void TestAtTransaction::run()
{
    QFETCH(QByteArrayList, awaited);
    QFETCH(QByteArray, failure);
    QFETCH(AtTransaction::EndRule, rule);
    QFETCH(QByteArray, reply);
    QFETCH(AtTransaction::Outcome, outcome);
    QFETCH(int, matched);
    QFETCH(bool, foundFirst);
    QFETCH(bool, runsOut);

    PtyPair pty;
    ScriptedModem modem(pty);
    ScriptedModem::Answer answer;
    for (const QByteArray &piece : reply.split('|'))
        answer.append({30, piece});
    if (!reply.isEmpty())
        modem.answer("AT\r\n", answer);
    QSerialPort port(pty.slavePath());
    QVERIFY(port.open(QIODevice::ReadWrite));

    AtTransaction transaction("AT\r\n", 11, 100);
    for (const QByteArray &text : awaited)
        transaction.await(text);
    transaction.setFailureText(failure);
    transaction.setEndRule(rule);
    int foundCalls = 0;
    transaction.setOnFound([&foundCalls](int) { ++foundCalls; });
    // As the port worker does: every read goes to the transaction.
    connect(&port, &QSerialPort::readyRead, this, [&] { transaction.take(port.readAll()); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(transaction.run(&port), outcome);
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(transaction.matchedIndex(), matched);
    QCOMPARE(transaction.found(0), foundFirst);
    QVERIFY2(foundCalls <= int(awaited.size()), qPrintable(QString::number(foundCalls)));
    const int budget = transaction.timeoutMs();
    QVERIFY2(runsOut ? elapsed >= budget : elapsed < budget,
             qPrintable(QStringLiteral("took %1 ms of %2").arg(elapsed).arg(budget)));
    QVERIFY2(reply.replace("|", "").startsWith(transaction.reply()),
             qPrintable(QString::fromLatin1(transaction.reply())));
    QCOMPARE(modem.received(), QByteArray("AT\r\n"));
}

void TestAtTransaction::replyIsBounded()
{
    AtTransaction transaction("AT\r\n", 1, 100);
    transaction.await(QByteArrayLiteral("OK\r\n"));
    transaction.take(QByteArray(AtTransaction::maximumReply, 'x'));
    transaction.take(QByteArrayLiteral("OK\r\n"));
    QCOMPARE(transaction.reply().size(), AtTransaction::maximumReply);
    QCOMPARE(transaction.matchedIndex(), 0);
    transaction.restart();
    QVERIFY(transaction.reply().isEmpty() && !transaction.ended() && !transaction.found(0));
}

// A deleted port ends the wait at once; a wait asked for meanwhile never
// writes.
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
    QCOMPARE(nestedOutcome, std::optional(AtTransaction::Outcome::Closed));
    QTRY_COMPARE(modem.received(), QByteArray("AT+CSQ\r\n"));
}

QTEST_GUILESS_MAIN(TestAtTransaction)
#include "tst_attransaction.moc"
