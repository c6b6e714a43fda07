#pragma once

#include "mqttpacketreader.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>

class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;
class TestCertificate;

// An MQTT broker of the test's own on loopback, over plain TCP, TLS,
// WebSocket or secure WebSocket (subprotocol "mqttv3.1"), one client at a
// time: it accepts the CONNECT, answers pings, and once it has granted the
// first SUBSCRIBE sends what it was given, as a broker that breaks the rules
// would. Its work is small enough to run on the thread of what it serves;
// moved to a thread of its own, it may be asked how far it got from another.
class ScriptedMqttBroker : public QObject
{
    Q_OBJECT

public:
    // As the MQTT tab's protocol indexes.
    enum Transport { Tcp, Tls, WebSocket, SecureWebSocket };

    explicit ScriptedMqttBroker(QObject *parent = nullptr);

    // Empty when listening on a free port, else why not. TLS needs the
    // certificate, which must outlive the broker.
    [[nodiscard]] QString listen(Transport transport, const TestCertificate *certificate = nullptr);
    [[nodiscard]] quint16 port() const;

    // What follows the SUBACK: `head`, then `filler` bytes of 'f', written
    // as TCP takes them, so that the broker holds little of a long stream.
    // On a WebSocket they go in binary frames of `frameBytes` each, or with
    // 0 in one frame whose header announces `announced` bytes when that is
    // more than is sent.
    void setAfterSuback(const QByteArray &head, qint64 filler = 0, qint64 frameBytes = 0,
                        qint64 announced = 0);

    // Bytes of `head` and filler sent so far, frame headers not counted.
    [[nodiscard]] qint64 streamed() const { return m_streamed; }
    // A client has come and gone since the last listen().
    [[nodiscard]] bool clientLeft() const { return m_clientLeft; }

    // The fixed header of a PUBLISH of quality of service 0 whose remaining
    // length says `remaining` (below 2^28, the most four length bytes say).
    [[nodiscard]] static QByteArray publishHeader(qint64 remaining);

private:
    void accept();
    void acceptWebSocket();
    void serve(QTcpSocket *client);
    void takeMqtt(const QByteArray &bytes);
    void send(const QByteArray &packet);
    void stream();

    QTcpServer *m_server = nullptr;
    QWebSocketServer *m_webSocketServer = nullptr;
    // The client's TCP or TLS socket, which takes the stream as it is, and
    // on a WebSocket the WebSocket over it, which reads the client's frames.
    QPointer<QTcpSocket> m_client;
    QPointer<QWebSocket> m_webSocket;
    MqttPacketReader m_reader;

    QByteArray m_head;
    qint64 m_filler = 0;
    qint64 m_frameBytes = 0;
    qint64 m_announced = 0;
    bool m_streaming = false;
    // Left of the frame under way; -1 before the first.
    qint64 m_frameLeft = -1;
    std::atomic<qint64> m_streamed{0};
    std::atomic<bool> m_clientLeft{false};
};
