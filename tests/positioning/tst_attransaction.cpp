#include "attransaction.h"
#include "ptypair.h"
#include "scriptedmodem.h"
#include "unsolicitedreader.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(AtTransaction::Outcome)
Q_DECLARE_METATYPE(AtTransaction::EndRule)

char *toString(AtTransaction::Outcome outcome)
{
    static const char *const names[] = {"Matched", "Failed", "TimedOut", "Cancelled", "Closed"};
    return qstrdup(names[int(outcome)]);
}

// AT transactions against a scripted modem on a pty: end rules, failure
// texts, replies split across reads, silence, unsolicited lines in between
// and bytes after the reply handed back in order, a cancel, a port that goes
// away.
class TestAtTransaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { AtTransaction::setTimeScale(0.2); }
    void run_data();
    void run();
    void replyIsBounded_data();
    void replyIsBounded();
    void cancelEndsTheWait();
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
    QTest::addColumn<bool>("runsOut");          // lasts the whole 11 x 100 ms (scaled)
    QTest::addColumn<QByteArray>("handedBack"); // unsolicited lines, bytes after the end

    using O = AtTransaction::Outcome;
    const auto first = AtTransaction::EndRule::FirstMatch;
    const auto full = AtTransaction::EndRule::FullLength;
    const QByteArrayList ok{"OK\r\n"};
    const QByteArray error("ERROR\r\n");
    QTest::newRow("reply split across three reads")
        << ok << error << first << QByteArray("+CSQ: 2|1,0\r\n\r\nO|K\r\n") << O::Matched << 0
        << true << false << QByteArray();
    QTest::newRow("awaited text split in its middle")
        << QByteArrayList{"CONNECT OK"} << error << first << QByteArray("CONNE|CT OK\r\n")
        << O::Matched << 0 << true << false << QByteArray();
    QTest::newRow("failure text") << ok << error << first << QByteArray("\r\nERROR\r\n")
                                  << O::Failed << -1 << false << false << QByteArray();
    QTest::newRow("a coded error is no failure text")
        << ok << error << first << QByteArray("+CME ERROR: 10\r\n") << O::TimedOut << -1 << false
        << true << QByteArray();
    QTest::newRow("without failure text an error is no reply")
        << ok << QByteArray() << first << QByteArray("ERROR\r\n") << O::TimedOut << -1 << false
        << true << QByteArray();
    QTest::newRow("the second awaited text")
        << QByteArrayList{"ATD", "NO"} << error << first << QByteArray("NO CARRIER\r\n")
        << O::Matched << 1 << false << false << QByteArray();
    QTest::newRow("silence runs the budget out")
        << ok << error << first << QByteArray() << O::TimedOut << -1 << false << true
        << QByteArray();
    QTest::newRow("full length goes on past a match")
        << QByteArrayList{"OK"} << error << full << QByteArray("OK|OK\r\n") << O::TimedOut << -1
        << true << true << QByteArray();
    QTest::newRow("full length ends on the failure text")
        << QByteArrayList{"OK"} << error << full << QByteArray("OK\r\n|ERROR\r\n") << O::Failed
        << -1 << true << false << QByteArray();
    const QByteArray sms("+CMTI: \"SM\",3\r\n");
    QTest::newRow("unsolicited lines in between are handed back")
        << ok << error << first << "+CSQ: 20,0\r\n" + sms + "|\r\nRING\r\n\r\nOK\r\n"
        << O::Matched << 0 << true << false << sms + "RING\r\n";
    QTest::newRow("what follows the end in the same read is handed back")
        << QByteArrayList{"SEND OK"} << error << first << QByteArray("\r\nSEND OK\r\nhello")
        << O::Matched << 0 << true << false << QByteArray("hello");
    QTest::newRow("an unsolicited line awaited is the reply's")
        << QByteArrayList{"NO CARRIER"} << error << first << QByteArray("\r\nNO CARRIER\r\n")
        << O::Matched << 0 << true << false << QByteArray();
    QTest::newRow("a coded error as failure text")
        << ok << QByteArray("+CMS ERROR") << first << QByteArray("\r\n+CMS ERROR: 321\r\n")
        << O::Failed << -1 << false << false << QByteArray();
    QTest::newRow("a coded error split in its line")
        << ok << QByteArray("+CMS ERROR") << first << QByteArray("\r\n+CMS ERROR|: 321\r\n")
        << O::Failed << -1 << false << false << QByteArray();
    QTest::newRow("an unsolicited line cut at the time-out is handed back")
        << ok << error << first << QByteArray("+CMTI: \"SM\",4") << O::TimedOut << -1 << false
        << true << QByteArray("+CMTI: \"SM\",4");
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
    QFETCH(QByteArray, handedBack);

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
    transaction.failOn(failure);
    transaction.setEndRule(rule);
    transaction.setForeignLines(&UnsolicitedReader::isUnsolicited);
    int foundCalls = 0;
    transaction.setOnFound([&foundCalls](int) { ++foundCalls; });
    // As the port worker does: every read goes to the transaction.
    QByteArray handed;
    connect(&port, &QSerialPort::readyRead, this,
            [&] { handed += transaction.take(port.readAll()); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(transaction.run(&port), outcome);
    const qint64 elapsed = clock.elapsed();
    handed += transaction.takeUnfinished();

    QCOMPARE(transaction.matchedIndex(), matched);
    QCOMPARE(transaction.found(0), foundFirst);
    QVERIFY2(foundCalls <= int(awaited.size()), qPrintable(QString::number(foundCalls)));
    const int budget = transaction.timeoutMs();
    QVERIFY2(runsOut ? elapsed >= budget : elapsed < budget,
             qPrintable(QStringLiteral("took %1 ms of %2").arg(elapsed).arg(budget)));
    QCOMPARE(handed, handedBack);
    if (transaction.failed())
        QVERIFY2(transaction.reply().contains(transaction.failureLine() + "\r\n"),
                 "the failure line is a whole line of the reply");
    // Every byte is either the reply's or handed back.
    QCOMPARE(transaction.reply().size() + handed.size(), reply.replace("|", "").size());
    QCOMPARE(modem.received(), QByteArray("AT\r\n"));
}

void TestAtTransaction::replyIsBounded_data()
{
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<bool>("whole"); // the awaited whole reply is found

    const QByteArray header("+CMGR: \"REC READ\",\"0031\",\"\",\"t\"\r\n");
    // The reply fills the bound up to its last line, which crosses it.
    const QByteArray crossing =
        header + QByteArray(AtTransaction::maximumReply - header.size() - 2, 'x') + "\r\nOK\r\n";
    QTest::newRow("one endless line, then OK")
        << QByteArrayList{QByteArray(AtTransaction::maximumReply, 'x'), "OK\r\n"} << false;
    QTest::newRow("within the bound") << QByteArrayList{header + "body\r\n\r\nOK\r\n"} << true;
    QTest::newRow("crossing it on the last line, one read") << QByteArrayList{crossing} << false;
    QTest::newRow("crossing it on the last line, in reads")
        << QByteArrayList{crossing.left(40), crossing.mid(40, 9000), crossing.mid(9040)} << false;
}

// The wait is judged on what the reply keeps: a reply whose front the bound
// cut is never taken for one that held it.
void TestAtTransaction::replyIsBounded()
{
    QFETCH(QByteArrayList, reads);
    QFETCH(bool, whole);

    const auto isWhole = [](const QByteArray &reply) {
        return reply.startsWith("+CMGR: ") && reply.endsWith("\nOK\r\n");
    };
    AtTransaction transaction("AT\r\n", 1, 100);
    transaction.await(isWhole);
    for (const QByteArray &bytes : reads)
        QVERIFY(transaction.take(bytes).isEmpty());
    QVERIFY(transaction.reply().size() <= AtTransaction::maximumReply);
    QCOMPARE(transaction.found(0), whole);
    QCOMPARE(transaction.found(0), isWhole(transaction.reply()));
    transaction.restart();
    QVERIFY(transaction.reply().isEmpty() && !transaction.ended() && !transaction.found(0));
}

// A cancel from a slot run inside the wait ends it within a poll.
void TestAtTransaction::cancelEndsTheWait()
{
    PtyPair pty;
    ScriptedModem modem(pty);
    QSerialPort port(pty.slavePath());
    QVERIFY(port.open(QIODevice::ReadWrite));
    AtTransaction transaction("AT+CIPSTART\r\n", 501, 100);
    transaction.await(QByteArrayLiteral("CONNECT OK"));
    QTimer::singleShot(30, &port, [&transaction] { transaction.cancel(); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(transaction.run(&port), AtTransaction::Outcome::Cancelled);
    QVERIFY2(clock.elapsed() < transaction.timeoutMs() / 2,
             qPrintable(QString::number(clock.elapsed())));
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
