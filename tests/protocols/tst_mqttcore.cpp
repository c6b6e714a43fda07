#include "chunkingcheck.h"
#include "hexlist.h"
#include "mqttclient.h"
#include "mqttpacketreader.h"
#include "mqttpackets.h"
#include "mqttsubscription.h"
#include "mqtttopicfilter.h"
#include "mqtttopicname.h"
#include "mqttwebsocketurl.h"
#include "scriptedmqttbroker.h"
#include "testcertificate.h"
#include "websocketiodevice.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocketServer>

#include <memory>

// The MQTT wire format, topic rules and WebSocket address, and the client
// against a broker the test scripts on loopback.
class TestMqttCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(m_certificate.make(), QString()); }
    void init();
    void cleanup() { m_client.reset(); }
    void readPackets_data();
    void readPackets();
    void writePackets_data();
    void writePackets();
    void topics_data();
    void topics();
    void webSocketUrl_data();
    void webSocketUrl();
    void webSocketDevice();
    void webSocketDeviceLongFrames_data();
    void webSocketDeviceLongFrames();
    void webSocketFrameOverThePacketBound_data();
    void webSocketFrameOverThePacketBound();
    void answers_data();
    void answers();
    void subscribePublishDisconnect();
    void keepAlive_data();
    void keepAlive();

private:
    [[nodiscard]] QTcpSocket *acceptClient();

    TestCertificate m_certificate;
    QTcpServer m_server;
    std::unique_ptr<MqttClient> m_client;
};

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// What the peer has sent until `expected` came or the wait ended, as hex.
QString readHex(QTcpSocket *peer, const QString &expected)
{
    QByteArray all;
    static_cast<void>(QTest::qWaitFor(
        [&] { return QString::fromLatin1((all += peer->readAll()).toHex(' ')) == expected; }));
    return QString::fromLatin1(all.toHex(' '));
}
} // namespace

void TestMqttCore::init()
{
    if (!m_server.isListening())
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
    m_client = std::make_unique<MqttClient>();
    m_client->setHostname(QStringLiteral("127.0.0.1"));
    m_client->setPort(m_server.serverPort());
    m_client->setClientId(QStringLiteral("t"));
}

void TestMqttCore::readPackets_data()
{
    QTest::addColumn<qsizetype>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("packets");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");
    const qsizetype limit = 64 * 1024 * 1024;
    const QByteArray three = hex("20020000") + hex("9003000100") + hex("3005000161") + "hi";
    QTest::newRow("three packets in a chunk")
        << limit << three << QByteArrayList{hex("20020000"), hex("9003000100"), three.sliced(9)}
        << QByteArrayList{} << false;
    // PUBLISH on topic "a" with a payload that needs one to four length bytes.
    for (const auto &[size, length] : {std::pair<qsizetype, const char *>{124, "7f"},
                                       {125, "8001"},
                                       {16380, "ff7f"},
                                       {16381, "808001"}}) {
        const QByteArray packet = hex("30") + hex(length) + hex("000161") + QByteArray(size, 'p');
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

// The packets the client tests below do not see on the wire.
void TestMqttCore::writePackets_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");
    using namespace MqttPackets;
    QTest::newRow("CONNECT 3.1.1 with user name and password")
        << MqttPackets::connect({4, "id", "u", "p", 60})
        << hex("1014 00044d515454 04 c2 003c 00026964 000175 000170");
    QTest::newRow("CONNECT 3.1, a password without user name left out")
        << MqttPackets::connect({3, "id", "", "p", 0})
        << hex("1010 00064d5149736470 03 02 0000 00026964");
    QTest::newRow("PUBLISH QoS 1 retained")
        << publish({"a", "hi", 1, true, false, 7}) << hex("3307 000161 0007 6869");
    QTest::newRow("PUBLISH, topic too long")
        << publish({QByteArray(65536, 't'), {}}) << QByteArray();
}

void TestMqttCore::writePackets()
{
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    QCOMPARE(written.toHex(' '), expected.toHex(' '));
}

// What keeps a text from being a topic name and a filter.
void TestMqttCore::topics_data()
{
    using Name = MqttTopicName::Problem;
    using Filter = MqttTopicFilter::Problem;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Name>("name");
    QTest::addColumn<Filter>("filter");
    QTest::newRow("empty") << "" << Name::Empty << Filter::Empty;
    QTest::newRow("one-level wildcard") << "a/+/c" << Name::Wildcard << Filter::None;
    QTest::newRow("multi-level wildcard last") << "a/#" << Name::Wildcard << Filter::None;
    QTest::newRow("wildcard within a level")
        << "a+/b#" << Name::Wildcard << Filter::WildcardWithinLevel;
    QTest::newRow("x/+y") << "x/+y" << Name::Wildcard << Filter::WildcardWithinLevel;
    QTest::newRow("a/#/b") << "a/#/b" << Name::Wildcard << Filter::MultiLevelNotLast;
    QTest::newRow("NUL") << QString(QChar(0)) << Name::NotCarried << Filter::NotCarried;
    QTest::newRow("lone surrogate")
        << QString(QChar(0xd800)) << Name::NotCarried << Filter::NotCarried;
    QTest::newRow("65535 bytes") << QString(65535, QLatin1Char('t')) << Name::None << Filter::None;
    QTest::newRow("65536 bytes") << QString(32768, QChar(0xe9)) << Name::NotCarried
                                 << Filter::NotCarried;
}

void TestMqttCore::topics()
{
    QFETCH(QString, text);
    QFETCH(MqttTopicName::Problem, name);
    QFETCH(MqttTopicFilter::Problem, filter);
    QCOMPARE(MqttTopicName(text).problem(), name);
    QCOMPARE(MqttTopicName(text).isValid(), name == MqttTopicName::Problem::None);
    QCOMPARE(MqttTopicFilter(text).problem(), filter);
    QCOMPARE(MqttTopicFilter(text).isValid(), filter == MqttTopicFilter::Problem::None);
}

// The row's name is the scheme and host text, split at "|".
void TestMqttCore::webSocketUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("ws://|h/mqtt") << "ws://h:8083/mqtt";
    QTest::newRow("ws://|h") << "ws://h:8083/";
    QTest::newRow("wss://|h/b/c") << "wss://h:8083/b/c";
    QTest::newRow("ws://|127.0.0.1/") << "ws://127.0.0.1:8083/";
}

void TestMqttCore::webSocketUrl()
{
    QFETCH(QString, url);
    const QStringList input = QString::fromLatin1(QTest::currentDataTag()).split(QLatin1Char('|'));
    QCOMPARE(mqttWebSocketUrl(input.at(0), input.at(1), QStringLiteral("8083")).toString(), url);
}

// The WebSocket device against a WebSocket server on loopback: a stored TLS
// configuration applied only with the secure flag, binary messages read
// back to back across reads, text messages ignored, a zero-size write sent
// as an empty message, and close with the normal-closure code.
void TestMqttCore::webSocketDevice()
{
    QWebSocketServer server(QStringLiteral("peer"), QWebSocketServer::NonSecureMode);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QWebSocket *peer = nullptr;
    QByteArrayList fromDevice;
    connect(&server, &QWebSocketServer::newConnection, this, [&] {
        peer = server.nextPendingConnection();
        connect(peer, &QWebSocket::binaryMessageReceived, this,
                [&fromDevice](const QByteArray &message) { fromDevice.append(message); });
    });
    QSslConfiguration unverified = QSslConfiguration::defaultConfiguration();
    unverified.setPeerVerifyMode(QSslSocket::VerifyNone);
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1").arg(server.serverPort()));
    for (const bool secure : {true, false}) {
        WebSocketIODevice device;
        device.setSslConfiguration(unverified);
        device.sslEnabled = secure;
        device.setUrl(url);
        device.setProtocol("mqttv3.1");
        QSignalSpy up(&device, &WebSocketIODevice::socketConnected);
        QVERIFY(device.open(QIODevice::ReadWrite));
        QCOMPARE(device.socket()->sslConfiguration().peerVerifyMode() == QSslSocket::VerifyNone,
                 secure);
        QTRY_COMPARE(up.size(), 1);
        QTRY_VERIFY(peer);
        if (secure) {
            device.close();
            QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
            QCOMPARE(peer->closeCode(), QWebSocketProtocol::CloseCodeNormal);
            peer = nullptr;
            continue;
        }
        QSignalSpy readable(&device, &QIODevice::readyRead);
        peer->sendBinaryMessage("abc");
        peer->sendTextMessage(QStringLiteral("ignored"));
        peer->sendBinaryMessage("defg");
        QTRY_COMPARE(device.bytesAvailable(), 7);
        QCOMPARE(readable.size(), 2);
        QCOMPARE(device.read(5), QByteArray("abcde"));
        QCOMPARE(device.read(10), QByteArray("fg"));
        QCOMPARE(device.read(10), QByteArray());
        QCOMPARE(device.write("", 0), 0);
        QCOMPARE(device.write("hij"), 3);
        QTRY_COMPARE(fromDevice, (QByteArrayList{QByteArray(), "hij"}));
    }
}

void TestMqttCore::webSocketDeviceLongFrames_data()
{
    QTest::addColumn<bool>("secure");
    QTest::addColumn<qsizetype>("first");
    QTest::addColumn<qsizetype>("second");
    QTest::addColumn<bool>("readLate");
    const qsizetype ahead = WebSocketIODevice::readAheadBytes;
    for (const bool secure : {false, true}) {
        const char *scheme = secure ? "wss" : "ws";
        QTest::addRow("%s, a frame 16 times the read-ahead", scheme)
            << secure << qsizetype(10) << 16 * ahead << false;
        QTest::addRow("%s, a long frame behind a message not read yet", scheme)
            << secure << ahead * 3 / 2 << 2 * ahead << true;
    }
}

// Frames longer than the WebSocket reads ahead come in whole and in order,
// a TLS socket's last undecrypted bytes too; one behind a message the
// reader has not read yet stays with the peer until the reader has read.
void TestMqttCore::webSocketDeviceLongFrames()
{
    QFETCH(bool, secure);
    QFETCH(qsizetype, first);
    QFETCH(qsizetype, second);
    QFETCH(bool, readLate);
    QWebSocketServer server(QStringLiteral("peer"), secure ? QWebSocketServer::SecureMode
                                                           : QWebSocketServer::NonSecureMode);
    server.setSslConfiguration(m_certificate.serverConfiguration());
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QByteArrayList messages{QByteArray(first, 'a'), QByteArray(second, 'b'), "end"};
    connect(&server, &QWebSocketServer::newConnection, this, [&] {
        QWebSocket *peer = server.nextPendingConnection();
        for (const QByteArray &message : messages)
            peer->sendBinaryMessage(message);
    });
    QSslConfiguration unverified = QSslConfiguration::defaultConfiguration();
    unverified.setPeerVerifyMode(QSslSocket::VerifyNone);
    WebSocketIODevice device;
    device.setSslConfiguration(unverified);
    device.sslEnabled = secure;
    device.setUrl(QUrl(
        QStringLiteral("%1://127.0.0.1:%2").arg(secure ? "wss" : "ws").arg(server.serverPort())));
    QVERIFY(device.open(QIODevice::ReadWrite));
    if (readLate) {
        QTRY_VERIFY(device.bytesAvailable() >= first);
        QTest::qWait(300);
        QCOMPARE(device.bytesAvailable(), first);
    }
    QByteArray read;
    QTRY_COMPARE_WITH_TIMEOUT((read += device.readAll()).size(), messages.join().size(), 10000);
    QVERIFY(read == messages.join());
}

void TestMqttCore::webSocketFrameOverThePacketBound_data()
{
    QTest::addColumn<bool>("secure");
    QTest::newRow("ws") << false;
    QTest::newRow("wss") << true;
}

// After the SUBACK a broker sends a frame whose header says 600 MB, and
// 4 MB of it: refused from its header, so that the device and its socket
// hold no more than they read ahead, and the WebSocket ends saying why.
void TestMqttCore::webSocketFrameOverThePacketBound()
{
    QFETCH(bool, secure);
    ScriptedMqttBroker broker;
    QCOMPARE(
        broker.listen(secure ? ScriptedMqttBroker::SecureWebSocket : ScriptedMqttBroker::WebSocket,
                      &m_certificate),
        QString());
    broker.setAfterSuback({}, 4 << 20, 0, qint64(600) << 20);
    QSslConfiguration unverified = QSslConfiguration::defaultConfiguration();
    unverified.setPeerVerifyMode(QSslSocket::VerifyNone);
    WebSocketIODevice device;
    device.setSslConfiguration(unverified);
    device.sslEnabled = secure;
    device.setUrl(
        QUrl(QStringLiteral("%1://127.0.0.1:%2").arg(secure ? "wss" : "ws").arg(broker.port())));
    device.setProtocol("mqttv3.1");
    device.setMaximumMessageSize(MqttClient::maximumPacketBytes);
    connect(&device, &WebSocketIODevice::socketConnected, this, [this, &device] {
        m_client->setProtocolVersion(MqttClient::MQTT_3_1);
        m_client->setTransport(&device, MqttClient::IODevice);
        m_client->connectToHost();
    });
    QVERIFY(device.open(QIODevice::ReadWrite));
    const QAbstractSocket *socket = device.socket()->findChild<QAbstractSocket *>();
    QVERIFY(socket);
    qint64 mostHeld = 0;
    const auto noteHeld = [&] {
        mostHeld = qMax(mostHeld, socket->bytesAvailable() + device.bytesAvailable());
    };
    connect(socket, &QIODevice::readyRead, this, noteHeld);
    connect(&device, &QIODevice::readyRead, this, noteHeld);
    QTRY_COMPARE(m_client->state(), MqttClient::Connected);
    QVERIFY(m_client->subscribe(MqttTopicFilter(QStringLiteral("a"))));
    static_cast<void>(QTest::qWaitFor(
        [&] { return device.socket()->state() == QAbstractSocket::UnconnectedState; }, 10000));
    QVERIFY2(mostHeld <= WebSocketIODevice::readAheadBytes,
             qPrintable(QStringLiteral("%1 bytes held").arg(mostHeld)));
    QCOMPARE(device.socket()->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(device.closedOnRefusal());
    QCOMPARE(
        device.endReason(),
        QStringLiteral("The WebSocket was closed with code 1009: Maximum framesize exceeded."));
    QTRY_VERIFY(broker.clientLeft());
}

// Connects the client; the broker's end once the CONNECT has come, or null.
QTcpSocket *TestMqttCore::acceptClient()
{
    m_client->connectToHost();
    if (!QTest::qWaitFor([this] { return m_server.hasPendingConnections(); }, 5000))
        return nullptr;
    QTcpSocket *peer = m_server.nextPendingConnection();
    const quint16 keepAlive = m_client->keepAlive();
    const QByteArray connect =
        hex("100d00044d5154540402") + char(keepAlive >> 8) + char(keepAlive & 0xff) + hex("000174");
    if (!QTest::qWaitFor([&] { return peer->bytesAvailable() >= connect.size(); }, 5000))
        return nullptr;
    return peer->readAll() == connect ? peer : nullptr;
}

void TestMqttCore::answers_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("sent");
    const QByteArray accepted = hex("20020000");
    const int violation = MqttClient::ProtocolViolation;
    for (int code = 1; code <= 6; ++code) {
        QTest::addRow("refused with code %d", code)
            << hex("2002000" + QByteArray::number(code))
            << (code < 6 ? code : int(MqttClient::UnknownError)) << QStringList{} << QString();
    }
    // QoS 0, 1 and 2, the QoS 2 message again before its release, the release.
    QTest::newRow("messages acknowledged")
        << accepted + hex("300400016178 3206000162000779 340600016300097a 3c0600016300097a "
                          "62020009")
        << int(MqttClient::NoError) << QStringList{"a=x", "b=y", "c=z"}
        << "40 02 00 07 50 02 00 09 50 02 00 09 70 02 00 09";
    QTest::newRow("length past four bytes") << accepted + hex("300400016178 30ffffffff01")
                                            << violation << QStringList{"a=x"} << QString();
    QTest::newRow("malformed acknowledgement")
        << hex("2003000000") << violation << QStringList{} << QString();
    QTest::newRow("CONNACK with a reserved bit")
        << hex("20020200") << violation << QStringList{} << QString();
    QTest::newRow("PUBLISH with QoS 3")
        << accepted + hex("360700016100096869") << violation << QStringList{} << QString();
    QTest::newRow("PUBREL without its flags")
        << accepted + hex("60020009") << violation << QStringList{} << QString();
    QTest::newRow("message before the acknowledgement")
        << hex("300400016178") << violation << QStringList{} << QString();
}

// The broker's reply; the messages the client passes on, its answers on
// the wire, and, after an error, a clean end of the connection.
void TestMqttCore::answers()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, error);
    QFETCH(QStringList, messages);
    QFETCH(QString, sent);

    QStringList received;
    connect(m_client.get(), &MqttClient::messageReceived, this,
            [&received](const QByteArray &message, const MqttTopicName &topic) {
                received.append(topic.name() + QLatin1Char('=') + QString::fromUtf8(message));
            });
    QTcpSocket *peer = acceptClient();
    QVERIFY2(peer, "no CONNECT came");
    peer->write(reply);
    const auto state =
        error == MqttClient::NoError ? MqttClient::Connected : MqttClient::Disconnected;
    QTRY_COMPARE(m_client->state(), state);
    QTRY_COMPARE(received, messages);
    QCOMPARE(readHex(peer, sent), sent);
    QCOMPARE(int(m_client->error()), error);
    QCOMPARE(m_client->errorString().isEmpty(), error == MqttClient::NoError);
    if (state == MqttClient::Disconnected)
        QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
}

void TestMqttCore::subscribePublishDisconnect()
{
    QTcpSocket *peer = acceptClient();
    QVERIFY(peer);
    QVERIFY(!m_client->subscribe(MqttTopicFilter(QStringLiteral("a"))));
    peer->write(hex("20020000"));
    QTRY_COMPARE(m_client->state(), MqttClient::Connected);
    QVERIFY(!m_client->subscribe(MqttTopicFilter(QStringLiteral("a/#/b"))));
    QVERIFY(!m_client->subscribe(MqttTopicFilter(QStringLiteral("a")), 3));
    QCOMPARE(m_client->publish(MqttTopicName(QStringLiteral("a/+")), "x"), -1);
    QCOMPARE(m_client->publish(MqttTopicName(QStringLiteral("o")), "0"), 0);

    MqttSubscription *granted = m_client->subscribe(MqttTopicFilter(QStringLiteral("a/#")), 1);
    MqttSubscription *refused = m_client->subscribe(MqttTopicFilter(QStringLiteral("b")), 2);
    QVERIFY(granted && refused);
    QCOMPARE(granted->state(), MqttSubscription::SubscriptionPending);
    QSignalSpy sent(m_client.get(), &MqttClient::messageSent);
    QCOMPARE(m_client->publish(MqttTopicName(QStringLiteral("p")), "1", 1), 3);
    QCOMPARE(m_client->publish(MqttTopicName(QStringLiteral("q")), "2", 2), 4);
    const QString packets = QStringLiteral("30 04 00 01 6f 30 82 08 00 01 00 03 61 2f 23 01 82 06 "
                                           "00 02 00 01 62 02 32 06 00 01 70 00 03 31 34 06 00 01 "
                                           "71 00 04 32");
    QCOMPARE(readHex(peer, packets), packets);
    peer->write(hex("9003000101 9003000280 40020003 50020004"));
    QTRY_COMPARE(granted->state(), MqttSubscription::Subscribed);
    QCOMPARE(granted->qos(), quint8(1));
    QCOMPARE(refused->state(), MqttSubscription::Error);
    QCOMPARE(readHex(peer, "62 02 00 04"), QStringLiteral("62 02 00 04"));
    QCOMPARE(sent.size(), 1);
    peer->write(hex("70020004"));
    QTRY_COMPARE(sent.size(), 2);
    QCOMPARE(sent.at(0).at(0).toInt(), 3);
    QCOMPARE(sent.at(1).at(0).toInt(), 4);

    m_client->disconnectFromHost();
    QCOMPARE(m_client->state(), MqttClient::Disconnected);
    QCOMPARE(m_client->error(), MqttClient::NoError);
    QCOMPARE(readHex(peer, "e0 00"), QStringLiteral("e0 00"));
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
}

void TestMqttCore::keepAlive_data()
{
    QTest::addColumn<bool>("acknowledge");
    QTest::addColumn<bool>("answerPings");
    QTest::newRow("pings answered") << true << true;
    QTest::newRow("pings not answered") << true << false;
    QTest::newRow("connection never acknowledged") << false << false;
}

// With one second of keep-alive the client pings every second and gives up
// at a tick that finds the last ping, or the CONNECT, unanswered.
void TestMqttCore::keepAlive()
{
    QFETCH(bool, acknowledge);
    QFETCH(bool, answerPings);
    m_client->setKeepAlive(1);
    QTcpSocket *peer = acceptClient();
    QVERIFY(peer);
    if (acknowledge)
        peer->write(hex("20020000"));
    int pings = 0;
    for (int waited = 0; waited < 3500; waited += 20) {
        QTest::qWait(20);
        const auto newPings = int(peer->readAll().count(hex("c000")));
        pings += newPings;
        for (int i = 0; answerPings && i < newPings; ++i)
            peer->write(hex("d000"));
    }
    if (answerPings) {
        QCOMPARE(m_client->state(), MqttClient::Connected);
        QVERIFY2(pings >= 2, qPrintable(QStringLiteral("%1 pings in 3.5 s").arg(pings)));
        return;
    }
    QCOMPARE(m_client->state(), MqttClient::Disconnected);
    QCOMPARE(m_client->error(), MqttClient::TransportInvalid);
    QCOMPARE(m_client->errorString(), QStringLiteral("The broker did not answer in time."));
    QVERIFY(m_client->endedItself());
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
}

QTEST_GUILESS_MAIN(TestMqttCore)
#include "tst_mqttcore.moc"
