#include "mqttclient.h"
#include "mqttsubscription.h"
#include "websocketiodevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocketServer>

#include <memory>

// The MQTT client against a broker scripted by the test on loopback, and
// the WebSocket device against a local WebSocket server.
class TestMqttClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void subscribePublishDisconnect();
    void keepAlive_data();
    void keepAlive();
    void webSocketDevice();

private:
    QTcpSocket *acceptClient();

    QTcpServer m_server;
    std::unique_ptr<MqttClient> m_client;
};

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
} // namespace

void TestMqttClient::init()
{
    QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
    m_client = std::make_unique<MqttClient>();
    m_client->setHostname(QStringLiteral("127.0.0.1"));
    m_client->setPort(m_server.serverPort());
    m_client->setClientId(QStringLiteral("t"));
}

void TestMqttClient::cleanup()
{
    m_client.reset();
    m_server.close();
}

// Connects the client; the broker's end once the CONNECT has come, or null.
QTcpSocket *TestMqttClient::acceptClient()
{
    m_client->connectToHost();
    if (!QTest::qWaitFor([this] { return m_server.hasPendingConnections(); }, 5000))
        return nullptr;
    QTcpSocket *peer = m_server.nextPendingConnection();
    const quint16 keepAlive = m_client->keepAlive();
    const QByteArray connectPacket =
        hex("100d00044d5154540402") + char(keepAlive >> 8) + char(keepAlive & 0xff) + hex("000174");
    if (!QTest::qWaitFor(
            [peer, &connectPacket] { return peer->bytesAvailable() >= connectPacket.size(); },
            5000))
        return nullptr;
    return peer->readAll() == connectPacket ? peer : nullptr;
}

void TestMqttClient::answers_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("byteByByte");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("sent");
    const QByteArray accepted = hex("20020000");
    QTest::newRow("accepted") << accepted << false << int(MqttClient::Connected)
                              << int(MqttClient::NoError) << QStringList{} << QString();
    for (int code = 1; code <= 6; ++code) {
        QTest::addRow("refused with code %d", code)
            << hex("2002000" + QByteArray::number(code)) << false << int(MqttClient::Disconnected)
            << (code < 6 ? code : int(MqttClient::UnknownError)) << QStringList{} << QString();
    }
    // QoS 0, 1 and 2, the QoS 2 message again before its release, the release.
    const QByteArray flow = accepted + hex("300400016178"
                                           "3206000162000779"
                                           "340600016300097a"
                                           "3c0600016300097a"
                                           "62020009");
    const QStringList messages{"a=x", "b=y", "c=z"};
    const QString acknowledgements =
        QStringLiteral("40 02 00 07 50 02 00 09 50 02 00 09 70 02 00 09");
    QTest::newRow("messages acknowledged, fed byte by byte")
        << flow << true << int(MqttClient::Connected) << int(MqttClient::NoError) << messages
        << acknowledgements;
    QTest::newRow("messages acknowledged, fed in one chunk")
        << flow << false << int(MqttClient::Connected) << int(MqttClient::NoError) << messages
        << acknowledgements;
    QTest::newRow("length past four bytes")
        << accepted + hex("300400016178"
                          "30ffffffff01")
        << false << int(MqttClient::Disconnected) << int(MqttClient::ProtocolViolation)
        << QStringList{"a=x"} << QString();
    QTest::newRow("malformed acknowledgement")
        << hex("2003000000") << false << int(MqttClient::Disconnected)
        << int(MqttClient::ProtocolViolation) << QStringList{} << QString();
    QTest::newRow("CONNACK with a reserved bit")
        << hex("20020200") << false << int(MqttClient::Disconnected)
        << int(MqttClient::ProtocolViolation) << QStringList{} << QString();
    QTest::newRow("PUBLISH with QoS 3")
        << accepted + hex("360700016100096869") << false << int(MqttClient::Disconnected)
        << int(MqttClient::ProtocolViolation) << QStringList{} << QString();
    QTest::newRow("PUBREL without its flags")
        << accepted + hex("60020009") << false << int(MqttClient::Disconnected)
        << int(MqttClient::ProtocolViolation) << QStringList{} << QString();
    QTest::newRow("message before the acknowledgement")
        << hex("300400016178") << false << int(MqttClient::Disconnected)
        << int(MqttClient::ProtocolViolation) << QStringList{} << QString();
}

void TestMqttClient::answers()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, byteByByte);
    QFETCH(int, state);
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
    for (qsizetype from = 0; from < reply.size(); from += byteByByte ? 1 : reply.size()) {
        peer->write(reply.mid(from, byteByByte ? 1 : reply.size()));
        peer->waitForBytesWritten(1000);
        QTest::qWait(byteByByte ? 2 : 0);
    }
    QTRY_COMPARE(int(m_client->state()), state);
    QTRY_COMPARE(received, messages);
    QByteArray all;
    QTRY_COMPARE(QString::fromLatin1((all += peer->readAll()).toHex(' ')), sent);
    QCOMPARE(int(m_client->error()), error);
    QCOMPARE(m_client->errorString().isEmpty(), error == MqttClient::NoError);
    if (state == MqttClient::Disconnected)
        QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
}

void TestMqttClient::subscribePublishDisconnect()
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
    QByteArray all;
    QTRY_COMPARE((all += peer->readAll()).toHex(' '),
                 QByteArray("30 04 00 01 6f 30 82 08 00 01 00 03 61 2f 23 01 82 06 00 02 00 01 "
                            "62 02 32 06 00 01 70 00 03 31 34 06 00 01 71 00 04 32"));
    peer->write(hex("9003000101"
                    "9003000280"
                    "40020003"
                    "50020004"));
    QTRY_COMPARE(granted->state(), MqttSubscription::Subscribed);
    QCOMPARE(granted->qos(), quint8(1));
    QCOMPARE(refused->state(), MqttSubscription::Error);
    all.clear();
    QTRY_COMPARE((all += peer->readAll()).toHex(' '), QByteArray("62 02 00 04"));
    QCOMPARE(sent.size(), 1);
    peer->write(hex("70020004"));
    QTRY_COMPARE(sent.size(), 2);
    QCOMPARE((QList<qint32>{sent.at(0).at(0).toInt(), sent.at(1).at(0).toInt()}),
             (QList<qint32>{3, 4}));

    m_client->disconnectFromHost();
    QCOMPARE(m_client->state(), MqttClient::Disconnected);
    QCOMPARE(m_client->error(), MqttClient::NoError);
    all.clear();
    QTRY_COMPARE((all += peer->readAll()).toHex(' '), QByteArray("e0 00"));
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
}

void TestMqttClient::keepAlive_data()
{
    QTest::addColumn<bool>("acknowledge");
    QTest::addColumn<bool>("answerPings");
    QTest::addColumn<bool>("alive");
    QTest::newRow("pings answered") << true << true << true;
    QTest::newRow("pings not answered") << true << false << false;
    QTest::newRow("connection never acknowledged") << false << false << false;
}

// With one second of keep-alive the client pings every second and gives up
// at the first tick that finds the last ping, or the CONNECT, unanswered.
void TestMqttClient::keepAlive()
{
    QFETCH(bool, acknowledge);
    QFETCH(bool, answerPings);
    QFETCH(bool, alive);
    m_client->setKeepAlive(1);
    QElapsedTimer clock;
    qint64 endedAt = -1;
    connect(m_client.get(), &MqttClient::stateChanged, this, [&](MqttClient::ClientState state) {
        if (state == MqttClient::Disconnected)
            endedAt = clock.elapsed();
    });
    clock.start();
    QTcpSocket *peer = acceptClient();
    QVERIFY(peer);
    if (acknowledge)
        peer->write(hex("20020000"));
    int pings = 0;
    while (clock.elapsed() < 3500) {
        QTest::qWait(20);
        const qsizetype newPings = peer->readAll().count(hex("c000"));
        pings += int(newPings);
        for (qsizetype i = 0; answerPings && i < newPings; ++i)
            peer->write(hex("d000"));
    }
    QCOMPARE(m_client->state(), alive ? MqttClient::Connected : MqttClient::Disconnected);
    if (alive) {
        QVERIFY2(pings >= 2, qPrintable(QStringLiteral("%1 pings in 3.5 s").arg(pings)));
        return;
    }
    QCOMPARE(m_client->error(), MqttClient::TransportInvalid);
    const qint64 expectedMs = acknowledge ? 2000 : 1000;
    QVERIFY2(endedAt >= expectedMs - 200 && endedAt < expectedMs + 1500,
             qPrintable(QStringLiteral("expected the verdict after about %1 ms, came after %2 ms")
                            .arg(expectedMs)
                            .arg(endedAt)));
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
}

void TestMqttClient::webSocketDevice()
{
    QWebSocketServer server(QStringLiteral("t"), QWebSocketServer::NonSecureMode);
    server.setSupportedSubprotocols({QStringLiteral("mqttv3.1")});
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    WebSocketIODevice device;
    device.setUrl(QUrl(QStringLiteral("ws://127.0.0.1:%1/mqtt").arg(server.serverPort())));
    device.setProtocol("mqttv3.1");
    QSslConfiguration unverified = QSslConfiguration::defaultConfiguration();
    unverified.setPeerVerifyMode(QSslSocket::VerifyNone);
    device.setSslConfiguration(unverified);
    QSignalSpy up(&device, &WebSocketIODevice::socketConnected);
    QVERIFY(device.open(QIODevice::ReadWrite));
    QVERIFY(device.isOpen());
    QCOMPARE_NE(device.socket()->sslConfiguration().peerVerifyMode(), QSslSocket::VerifyNone);
    QTRY_COMPARE(up.size(), 1);
    QTRY_VERIFY(server.hasPendingConnections());
    std::unique_ptr<QWebSocket> peer(server.nextPendingConnection());
    QCOMPARE(peer->requestUrl().path(), QStringLiteral("/mqtt"));
    QCOMPARE(device.socket()->subprotocol(), QStringLiteral("mqttv3.1"));

    peer->sendBinaryMessage("abc");
    peer->sendTextMessage(QStringLiteral("text"));
    peer->sendBinaryMessage("defg");
    QTRY_COMPARE(device.bytesAvailable(), 7);
    QCOMPARE(device.read(5), QByteArray("abcde"));
    QCOMPARE(device.read(10), QByteArray("fg"));
    QCOMPARE(device.read(10), QByteArray());

    QSignalSpy messages(peer.get(), &QWebSocket::binaryMessageReceived);
    QCOMPARE(device.write("xyz"), 3);
    QCOMPARE(device.write(QByteArray(70000, 'w')), 70000);
    QTRY_COMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0).at(0).toByteArray(), QByteArray("xyz"));
    QCOMPARE(messages.at(1).at(0).toByteArray().size(), 70000);
    device.close();
    QVERIFY(!device.isOpen());
    QTRY_COMPARE(peer->closeCode(), QWebSocketProtocol::CloseCodeNormal);
}

QTEST_GUILESS_MAIN(TestMqttClient)
#include "tst_mqttclient.moc"
