#include "scriptedmqttbroker.h"

#include "testcertificate.h"

#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {
// What the broker writes at a time of a long stream, and lets TCP hold.
constexpr qint64 streamChunk = 256 * 1024;

// The header of a broker's (unmasked) final binary frame of `length` bytes.
QByteArray frameHeader(qint64 length)
{
    QByteArray header(1, char(0x82));
    if (length < 126) {
        header += char(length);
    } else if (length < 65536) {
        header += char(126);
        header += char(length >> 8);
        header += char(length & 0xFF);
    } else {
        header += char(127);
        for (int shift = 56; shift >= 0; shift -= 8)
            header += char((quint64(length) >> shift) & 0xFF);
    }
    return header;
}

// What a socket holds to write, encrypted or not yet.
qint64 toWrite(const QTcpSocket &socket)
{
    const auto *tls = qobject_cast<const QSslSocket *>(&socket);
    return socket.bytesToWrite() + (tls ? tls->encryptedBytesToWrite() : 0);
}
} // namespace

ScriptedMqttBroker::ScriptedMqttBroker(QObject *parent)
    : QObject(parent)
{}

// On a WebSocket a server that does not listen takes the handshake on
// each connection the broker accepts.
QString ScriptedMqttBroker::listen(Transport transport, const TestCertificate *certificate)
{
    delete m_server;
    delete m_webSocketServer;
    m_webSocketServer = nullptr;
    m_clientLeft = false;
    if (transport == Tls || transport == SecureWebSocket) {
        if (!certificate)
            return QStringLiteral("TLS without a certificate");
        auto *server = new QSslServer(this);
        server->setSslConfiguration(certificate->serverConfiguration());
        m_server = server;
    } else {
        m_server = new QTcpServer(this);
    }
    if (transport == WebSocket || transport == SecureWebSocket) {
        m_webSocketServer =
            new QWebSocketServer(QStringLiteral("scripted"), QWebSocketServer::NonSecureMode, this);
        m_webSocketServer->setSupportedSubprotocols({QStringLiteral("mqttv3.1")});
        connect(m_webSocketServer, &QWebSocketServer::newConnection, this,
                &ScriptedMqttBroker::acceptWebSocket);
    }
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &ScriptedMqttBroker::accept);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        return m_server->errorString();
    return {};
}

quint16 ScriptedMqttBroker::port() const
{
    return m_server ? m_server->serverPort() : 0;
}

void ScriptedMqttBroker::setAfterSuback(const QByteArray &head, qint64 filler, qint64 frameBytes,
                                        qint64 announced)
{
    m_head = head;
    m_filler = filler;
    m_frameBytes = frameBytes;
    m_announced = announced;
}

QByteArray ScriptedMqttBroker::publishHeader(qint64 remaining)
{
    QByteArray header(1, char(0x30));
    do {
        const auto low = char(remaining & 0x7F);
        remaining >>= 7;
        header += char(low | (remaining > 0 ? 0x80 : 0));
    } while (remaining > 0);
    return header;
}

void ScriptedMqttBroker::accept()
{
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        serve(client);
        if (m_webSocketServer) {
            m_webSocketServer->handleConnection(client);
            continue;
        }
        connect(client, &QIODevice::readyRead, this, [this, client] {
            if (client == m_client)
                takeMqtt(client->readAll());
        });
    }
}

void ScriptedMqttBroker::acceptWebSocket()
{
    while (QWebSocket *webSocket = m_webSocketServer->nextPendingConnection()) {
        webSocket->setParent(this);
        m_webSocket = webSocket;
        connect(webSocket, &QWebSocket::binaryMessageReceived, this,
                [this, webSocket](const QByteArray &message) {
                    if (webSocket == m_webSocket)
                        takeMqtt(message);
                });
        connect(webSocket, &QWebSocket::disconnected, webSocket, &QObject::deleteLater);
    }
}

// The client from now on; one before it is dropped.
void ScriptedMqttBroker::serve(QTcpSocket *client)
{
    if (m_client)
        m_client->abort();
    m_client = client;
    m_webSocket = nullptr;
    m_reader.reset();
    m_streaming = false;
    m_frameLeft = -1;
    m_streamed = 0;
    connect(client, &QIODevice::bytesWritten, this, &ScriptedMqttBroker::stream);
    if (auto *tls = qobject_cast<QSslSocket *>(client))
        connect(tls, &QSslSocket::encryptedBytesWritten, this, &ScriptedMqttBroker::stream);
    connect(client, &QAbstractSocket::disconnected, this, [this, client] {
        if (client == m_client)
            m_clientLeft = true;
        client->deleteLater();
    });
}

void ScriptedMqttBroker::takeMqtt(const QByteArray &bytes)
{
    const ParsedChunk<MqttPacket> parsed = m_reader.feed(bytes);
    for (const MqttPacket &packet : parsed.results) {
        switch (packet.type()) {
        case MqttPacket::Connect:
            send(QByteArray::fromHex("20020000"));
            break;
        case MqttPacket::Subscribe:
            if (m_streaming || packet.body.size() < 2)
                break;
            send(QByteArray::fromHex("9003") + packet.body.left(2) + '\0');
            m_streaming = true;
            stream();
            break;
        case MqttPacket::Pingreq:
            send(QByteArray::fromHex("d000"));
            break;
        default:
            break;
        }
    }
}

void ScriptedMqttBroker::send(const QByteArray &packet)
{
    if (m_webSocket)
        m_webSocket->sendBinaryMessage(packet);
    else
        m_client->write(packet);
}

// Writes the next piece of what follows the SUBACK whenever TCP has taken
// the last one.
void ScriptedMqttBroker::stream()
{
    const qint64 total = m_head.size() + m_filler;
    while (m_streaming && m_client && toWrite(*m_client) < streamChunk) {
        const qint64 at = m_streamed;
        if (at == total) {
            m_streaming = false;
            return;
        }
        QByteArray wire;
        qint64 take = qMin(streamChunk, total - at);
        if (m_webSocketServer) {
            if (m_frameLeft < 0 || (m_frameBytes > 0 && m_frameLeft == 0)) {
                m_frameLeft =
                    m_frameBytes > 0 ? qMin(m_frameBytes, total - at) : qMax(m_announced, total);
                wire = frameHeader(m_frameLeft);
            }
            take = qMin(take, m_frameLeft);
            m_frameLeft -= take;
        }
        const QByteArray head = m_head.mid(at, take);
        wire += head + QByteArray(take - head.size(), 'f');
        m_streamed = at + take;
        m_client->write(wire);
    }
}
