#include "unsolicitedreader.h"

#include <QTest>

// The unsolicited-line reader fed chunk by chunk, as the port delivers them.
class TestUnsolicitedReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void feed_data();
    void feed();
    void bufferStaysBounded();
};

namespace {
// Events written one per entry: the kind's name, then ":" and the text if any.
QStringList written(const QList<UnsolicitedReader::Event> &events)
{
    static const char *const names[] = {"CallEnded", "Busy",         "Connected",
                                        "Ring",      "CallerNumber", "NewSms"};
    QStringList list;
    for (const UnsolicitedReader::Event &event : events)
        list.append(QLatin1String(names[int(event.kind)]) +
                    (event.text.isEmpty() ? QString() : QLatin1Char(':') + event.text));
    return list;
}
} // namespace

void TestUnsolicitedReader::feed_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QStringList>("events"); // of all chunks, in order
    QTest::addColumn<QByteArray>("left");    // the buffer afterwards
    QTest::addColumn<bool>("ringSeen");

    const QByteArray clip("\r\n+CLIP: \"13800138000\",129,\"\",0,\"\",0\r\n");
    QTest::newRow("ring, then the caller line")
        << QByteArrayList{"\r\nRING\r\n", clip} << QStringList{"Ring", "CallerNumber:13800138000"}
        << QByteArray() << false;
    QTest::newRow("caller line split inside the number")
        << QByteArrayList{"\r\nRING\r\n", "\r\n+CLIP: \"1380", "0138000\",129,,,,0\r\n"}
        << QStringList{"Ring", "CallerNumber:13800138000"} << QByteArray() << false;
    QTest::newRow("a +CLIP without its quote is no number")
        << QByteArrayList{"RING\r\n", "+CLIP,129,"} << QStringList{"Ring"}
        << QByteArray("\r\n+CLIP,129,") << false;
    QTest::newRow("repeated rings announce once")
        << QByteArrayList{"RING\r\n", "RING\r\n", "RING\r\n"} << QStringList{"Ring"}
        << QByteArray("\r\n") << true;
    QTest::newRow("the call's end clears the ring: the next call is announced")
        << QByteArrayList{"RING\r\n", "NO CARRIER\r\n", "RING\r\n"}
        << QStringList{"Ring", "CallEnded", "Ring"} << QByteArray("\r\n") << true;
    QTest::newRow("busy") << QByteArrayList{"\r\nBUSY\r\n"} << QStringList{"Busy"} << QByteArray()
                          << false;
    QTest::newRow("no carrier without its line end waits")
        << QByteArrayList{"NO CARRIER"} << QStringList{} << QByteArray("NO CARRIER") << false;
    QTest::newRow("no carrier completed later")
        << QByteArrayList{"NO CARR", "IER\r\n"} << QStringList{"CallEnded"} << QByteArray()
        << false;
    QTest::newRow("connected") << QByteArrayList{"+COLP: \"10086\",129\r\n"}
                               << QStringList{"Connected"} << QByteArray() << false;
    QTest::newRow("new message waits for its line end")
        << QByteArrayList{"\r\n+CMTI: \"SM\",3", "\r\n"} << QStringList{"NewSms:3"} << QByteArray()
        << false;
    QTest::newRow("new message in another store stays")
        << QByteArrayList{"+CMTI: \"ME\",3\r\n"} << QStringList{}
        << QByteArray("+CMTI: \"ME\",3\r\n") << false;
    QTest::newRow("a tone's answer matches nothing")
        << QByteArrayList{"\r\nOK\r\n"} << QStringList{} << QByteArray("\r\nOK\r\n") << false;
}

void TestUnsolicitedReader::feed()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QStringList, events);
    QFETCH(QByteArray, left);
    QFETCH(bool, ringSeen);

    QByteArray buffer;
    bool ring = false;
    bool callerReady = false;
    QStringList got;
    for (const QByteArray &chunk : chunks)
        got += written(UnsolicitedReader::feed(buffer, ring, callerReady, chunk));
    QVERIFY2(got == events, qPrintable(QStringLiteral("chunks %1: expected %2, got %3")
                                           .arg(QString::fromLatin1(chunks.join('|')),
                                                events.join(','), got.join(','))));
    QCOMPARE(buffer, left);
    QCOMPARE(ring, ringSeen);
}

// Text that matches no rule never grows the buffer past its bound; the cut
// falls at a line start, so a message line arriving later is still read.
void TestUnsolicitedReader::bufferStaysBounded()
{
    QByteArray buffer;
    bool ring = false;
    bool callerReady = false;
    for (int i = 0; i < 1000; ++i) {
        (void)UnsolicitedReader::feed(buffer, ring, callerReady, "+CSQ: 20,0\r\nOK\r\n");
        QVERIFY2(buffer.size() <= UnsolicitedReader::maximumBuffer,
                 qPrintable(QStringLiteral("chunk %1: %2 bytes").arg(i).arg(buffer.size())));
    }
    QVERIFY(buffer.startsWith("+CSQ: ") || buffer.startsWith("OK\r\n"));
    const QList<UnsolicitedReader::Event> events =
        UnsolicitedReader::feed(buffer, ring, callerReady, "+CMTI: \"SM\",12\r\n");
    QCOMPARE(written(events), QStringList{QStringLiteral("NewSms:12")});
}

QTEST_GUILESS_MAIN(TestUnsolicitedReader)
#include "tst_unsolicitedreader.moc"
