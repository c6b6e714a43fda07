#include "chunkingcheck.h"
#include "hexlist.h"
#include "mqttpacketreader.h"
#include "mqttpackets.h"
#include "mqtttopicfilter.h"
#include "mqtttopicname.h"
#include "mqttwebsocketurl.h"

#include <QTest>

// The MQTT client's wire format, topic rules and WebSocket address.
class TestMqttCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readPackets_data();
    void readPackets();
    void writePackets_data();
    void writePackets();
    void topics_data();
    void topics();
    void webSocketUrl_data();
    void webSocketUrl();
};

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
// A PUBLISH on topic "a" with `size` bytes of payload, after a length of
// `length` (hex).
QByteArray publishOf(qsizetype size, const char *length)
{
    return hex("30") + hex(length) + hex("000161") + QByteArray(size, 'p');
}
} // namespace

void TestMqttCore::readPackets_data()
{
    QTest::addColumn<qsizetype>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("packets");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");
    const qsizetype limit = 64 * 1024 * 1024;
    const QByteArray three = hex("20020000") + hex("9003000100") + hex("3005000161") + "hi";
    QTest::newRow("ping response")
        << limit << hex("d000") << QByteArrayList{hex("d000")} << QByteArrayList{} << false;
    QTest::newRow("three packets in a chunk")
        << limit << three << QByteArrayList{hex("20020000"), hex("9003000100"), three.sliced(9)}
        << QByteArrayList{} << false;
    for (const auto &[size, length] : {std::pair<qsizetype, const char *>{124, "7f"},
                                       {125, "8001"},
                                       {16380, "ff7f"},
                                       {16381, "808001"}}) {
        const QByteArray packet = publishOf(size, length);
        QTest::addRow("length %s", length)
            << limit << packet + hex("d000") << QByteArrayList{packet, hex("d000")}
            << QByteArrayList{} << false;
    }
    QTest::newRow("unfinished body held")
        << limit << hex("300500016168") << QByteArrayList{} << QByteArrayList{} << true;
    QTest::newRow("largest length held") << qsizetype(MqttPacket::maximumBody) << hex("30ffffff7f")
                                         << QByteArrayList{} << QByteArrayList{} << true;
    QTest::newRow("length past four bytes breaks the stream")
        << limit << hex("d00030ffffffff01d000") << QByteArrayList{hex("d000")}
        << QByteArrayList{hex("30ffffffff")} << false;
    QTest::newRow("body past the limit breaks the stream")
        << qsizetype(4) << hex("d000300500016168d000") << QByteArrayList{hex("d000")}
        << QByteArrayList{hex("3005")} << false;
}

void TestMqttCore::readPackets()
{
    QFETCH(qsizetype, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(QByteArrayList, packets);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    MqttPacketReader reader(maximum);
    const ParsedChunk<MqttPacket> parsed = reader.feed(stream);
    QByteArrayList read;
    for (const MqttPacket &packet : parsed.results)
        read.append(packet.encoded());
    const QString input = QString::fromLatin1(stream.left(48).toHex(' '));
    QVERIFY2(read == packets, qPrintable(QStringLiteral("stream %1: expected %2, got %3")
                                             .arg(input, hexList(packets), hexList(read))));
    QVERIFY2(parsed.corrupt == corrupt,
             qPrintable(QStringLiteral("stream %1: expected corrupt %2, got %3")
                            .arg(input, hexList(corrupt), hexList(parsed.corrupt))));
    QCOMPARE(reader.needsMore(), needsMore);
    verifyChunkingIndependence([maximum] { return MqttPacketReader(maximum); }, stream);
}

void TestMqttCore::writePackets_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");
    using namespace MqttPackets;
    QTest::newRow("CONNECT 3.1.1 with user name and password")
        << MqttPackets::connect({4, "id", "u", "p", 60})
        << hex("1014"
               "00044d515454"
               "04"
               "c2"
               "003c"
               "00026964"
               "000175"
               "000170");
    QTest::newRow("CONNECT 3.1, a password without user name left out")
        << MqttPackets::connect({3, "id", "", "p", 0})
        << hex("1010"
               "00064d5149736470"
               "03"
               "02"
               "0000"
               "00026964");
    QTest::newRow("PUBLISH QoS 0") << publish({"a", "hi"})
                                   << hex("3005"
                                          "000161"
                                          "6869");
    QTest::newRow("PUBLISH QoS 1 retained") << publish({"a", "hi", 1, true, false, 7})
                                            << hex("3307"
                                                   "000161"
                                                   "0007"
                                                   "6869");
    QTest::newRow("PUBLISH, topic too long")
        << publish({QByteArray(65536, 't'), {}}) << QByteArray();
    QTest::newRow("SUBSCRIBE") << subscribe(1, "a/#", 1)
                               << hex("8208"
                                      "0001"
                                      "0003612f23"
                                      "01");
    QTest::newRow("PUBACK") << acknowledgement(MqttPacket::Puback, 7) << hex("40020007");
    QTest::newRow("PUBREC") << acknowledgement(MqttPacket::Pubrec, 9) << hex("50020009");
    QTest::newRow("PUBREL") << acknowledgement(MqttPacket::Pubrel, 9) << hex("62020009");
    QTest::newRow("PUBCOMP") << acknowledgement(MqttPacket::Pubcomp, 9) << hex("70020009");
    QTest::newRow("PINGREQ") << pingRequest() << hex("c000");
    QTest::newRow("DISCONNECT") << MqttPackets::disconnect() << hex("e000");
}

void TestMqttCore::writePackets()
{
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    QCOMPARE(written.toHex(' '), expected.toHex(' '));
}

void TestMqttCore::topics_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("name");
    QTest::addColumn<bool>("filter");
    QTest::newRow("levels") << "a/b" << true << true;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("empty levels") << "/a//" << true << true;
    QTest::newRow("system topic") << "$SYS/x" << true << true;
    QTest::newRow("one-level wildcard") << "a/+/c" << false << true;
    QTest::newRow("multi-level wildcard last") << "a/#" << false << true;
    QTest::newRow("multi-level wildcard alone") << "#" << false << true;
    QTest::newRow("multi-level wildcard inside") << "a/#/b" << false << false;
    QTest::newRow("wildcard within a level") << "a+/b#" << false << false;
    QTest::newRow("NUL") << QString(QChar(0)) << false << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) << false << false;
    QTest::newRow("65535 bytes") << QString(65535, QLatin1Char('t')) << true << true;
    QTest::newRow("65536 bytes") << QString(32768, QChar(0xe9)) << false << false;
}

void TestMqttCore::topics()
{
    QFETCH(QString, text);
    QFETCH(bool, name);
    QFETCH(bool, filter);
    QCOMPARE(MqttTopicName(text).isValid(), name);
    QCOMPARE(MqttTopicFilter(text).isValid(), filter);
}

void TestMqttCore::webSocketUrl_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("url");
    QTest::newRow("path") << "ws://"
                          << "h/mqtt"
                          << "ws://h:8083/mqtt";
    QTest::newRow("no path") << "ws://"
                             << "h"
                             << "ws://h:8083/";
    QTest::newRow("deeper path") << "wss://"
                                 << "h/b/c"
                                 << "wss://h:8083/b/c";
    QTest::newRow("address, empty path") << "ws://"
                                         << "127.0.0.1/"
                                         << "ws://127.0.0.1:8083/";
}

void TestMqttCore::webSocketUrl()
{
    QFETCH(QString, scheme);
    QFETCH(QString, host);
    QFETCH(QString, url);
    QCOMPARE(mqttWebSocketUrl(scheme, host, QStringLiteral("8083")).toString(), url);
}

QTEST_GUILESS_MAIN(TestMqttCore)
#include "tst_mqttcore.moc"
