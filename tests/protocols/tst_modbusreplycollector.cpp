#include "modbusframes.h"
#include "modbusreplycollector.h"

#include <QRandomGenerator>
#include <QTest>

using Mode = Nuvelix_ModBus_Mode;
using ModbusFrames::hex;
using ModbusFrames::rtu;
using ModbusFrames::shown;
using ModbusFrames::tcp;

namespace {

// Requests of slave 1 for holding registers and for a single register
// write; in TCP with transaction 0x0102.
const QByteArray rtuRead = rtu(hex("01 03 00 00 00 02"));
const QByteArray rtuWrite = rtu(hex("01 06 00 10 00 ff"));
const QByteArray tcpRead = tcp(0x0102, hex("01 03 00 00 00 02"));

const QByteArray rtuReply = rtu(hex("01 03 04 00 2a 00 2b"));
const QByteArray tcpReply = tcp(0x0102, hex("01 03 04 00 2a 00 2b"));

} // namespace

// Finding the reply that answers a request among what arrives: replies in
// pieces, noise, other units' frames and late replies to other requests.
class TestModbusReplyCollector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheReply_data();
    void findsTheReply();
    void completeOnlyWithItsLastByte();
    void keepsWhatArrivesBounded();
};

void TestModbusReplyCollector::findsTheReply_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<QByteArray>("reply"); // empty: none found

    QTest::newRow("RTU reply whole")
        << Mode::Rtu << rtuRead << QByteArrayList{rtuReply} << rtuReply;
    QTest::newRow("RTU reply in three pieces")
        << Mode::Rtu << rtuRead
        << QByteArrayList{rtuReply.left(1), rtuReply.mid(1, 3), rtuReply.mid(4)} << rtuReply;
    const QByteArray exception = rtu(hex("01 83 02"));
    QTest::newRow("RTU exception, five bytes")
        << Mode::Rtu << rtuRead << QByteArrayList{exception} << exception;
    const QByteArray echo = rtu(hex("01 06 00 10 00 ff"));
    QTest::newRow("RTU write echo, eight bytes")
        << Mode::Rtu << rtuWrite << QByteArrayList{echo + hex("55")} << echo;
    QTest::newRow("RTU noise before the reply")
        << Mode::Rtu << rtuRead << QByteArrayList{hex("ff 00 01"), rtuReply} << rtuReply;
    QTest::newRow("RTU false start with a long byte count")
        << Mode::Rtu << rtuRead << QByteArrayList{hex("01 03 fa") + rtuReply} << rtuReply;
    QTest::newRow("RTU other unit's reply first")
        << Mode::Rtu << rtuRead << QByteArrayList{rtu(hex("02 03 02 00 01")), rtuReply} << rtuReply;
    QTest::newRow("RTU other function's reply first")
        << Mode::Rtu << rtuRead << QByteArrayList{rtu(hex("01 04 02 00 01")) + rtuReply}
        << rtuReply;
    QByteArray badCrc = rtuReply;
    badCrc[badCrc.size() - 1] = char(badCrc.back() ^ 0x01);
    QTest::newRow("RTU wrong CRC is no reply")
        << Mode::Rtu << rtuRead << QByteArrayList{badCrc} << QByteArray();
    QTest::newRow("RTU reply short of its byte count")
        << Mode::Rtu << rtuRead << QByteArrayList{rtuReply.chopped(1)} << QByteArray();
    QTest::newRow("RTU unsupported function never ends")
        << Mode::Rtu << rtu(hex("01 07 00 00 00 01")) << QByteArrayList{rtu(hex("01 07 00"))}
        << QByteArray();

    QTest::newRow("TCP reply whole")
        << Mode::Tcp << tcpRead << QByteArrayList{tcpReply} << tcpReply;
    QTest::newRow("TCP header split")
        << Mode::Tcp << tcpRead
        << QByteArrayList{tcpReply.left(3), tcpReply.mid(3, 4), tcpReply.mid(7)} << tcpReply;
    QTest::newRow("TCP late reply to the attempt before")
        << Mode::Tcp << tcpRead
        << QByteArrayList{tcp(0x0101, hex("01 03 04 00 01 00 02")), tcpReply} << tcpReply;
    QTest::newRow("TCP other unit")
        << Mode::Tcp << tcpRead << QByteArrayList{tcp(0x0102, hex("02 03 02 00 01"))}
        << QByteArray();
    const QByteArray tcpException = tcp(0x0102, hex("01 83 02"));
    QTest::newRow("TCP exception")
        << Mode::Tcp << tcpRead << QByteArrayList{tcpException + tcpReply} << tcpException;
    QByteArray protocolOne = tcpReply;
    protocolOne[3] = 1;
    QTest::newRow("TCP protocol identifier 1")
        << Mode::Tcp << tcpRead << QByteArrayList{protocolOne} << QByteArray();
    QTest::newRow("TCP short of its length")
        << Mode::Tcp << tcpRead << QByteArrayList{tcpReply.chopped(1)} << QByteArray();
    QTest::newRow("TCP garbage, then the reply")
        << Mode::Tcp << tcpRead << QByteArrayList{hex("01 02 00"), hex("99"), tcpReply} << tcpReply;
    QTest::newRow("empty request never ends")
        << Mode::Tcp << QByteArray() << QByteArrayList{tcpReply} << QByteArray();
}

void TestModbusReplyCollector::findsTheReply()
{
    QFETCH(Mode, mode);
    QFETCH(QByteArray, request);
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QByteArray, reply);

    ModbusReplyCollector collector(request, mode);
    bool complete = false;
    for (const QByteArray &bytes : arrivals)
        complete = collector.take(bytes);
    QCOMPARE(complete, !reply.isEmpty());
    QCOMPARE(collector.complete(), complete);
    QCOMPARE(shown(collector.reply()), shown(reply));
    QCOMPARE(shown(collector.received()), shown(arrivals.join()));
}

// Fed byte by byte, a reply completes with its last byte and not before.
void TestModbusReplyCollector::completeOnlyWithItsLastByte()
{
    const QList<std::tuple<Mode, QByteArray, QByteArray>> cases{
        {Mode::Rtu, rtuRead, rtuReply},
        {Mode::Rtu, rtuRead, rtu(hex("01 83 02"))},
        {Mode::Rtu, rtuWrite, rtu(hex("01 06 00 10 00 ff"))},
        {Mode::Tcp, tcpRead, tcpReply},
    };
    for (const auto &[mode, request, reply] : cases) {
        ModbusReplyCollector collector(request, mode);
        for (qsizetype i = 0; i < reply.size(); ++i) {
            const bool complete = collector.take(reply.sliced(i, 1));
            QVERIFY2(complete == (i == reply.size() - 1),
                     qPrintable(QStringLiteral("%1: byte %2 gave complete=%3")
                                    .arg(shown(reply))
                                    .arg(i)
                                    .arg(complete)));
        }
    }
}

// Noise far beyond the bound keeps only the newest bytes and still lets a
// reply after it through.
void TestModbusReplyCollector::keepsWhatArrivesBounded()
{
    ModbusReplyCollector collector(rtuRead, Mode::Rtu);
    QRandomGenerator random(7);
    for (int chunk = 0; chunk < 100; ++chunk) {
        QByteArray noise(1000, Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        static_cast<void>(collector.take(noise));
        QVERIFY(collector.received().size() <= ModbusReplyCollector::maximumReceived);
    }
    QVERIFY(!collector.complete());
    QVERIFY(collector.take(rtuReply));
    QCOMPARE(shown(collector.reply()), shown(rtuReply));
    QVERIFY(collector.received().endsWith(rtuReply));
}

QTEST_GUILESS_MAIN(TestModbusReplyCollector)
#include "tst_modbusreplycollector.moc"
