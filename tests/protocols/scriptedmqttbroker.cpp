#include "scriptedmqttbroker.h"

#include "testcertificate.h"

#include <QCryptographicHash>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>

#include <utility>

namespace {
// What the broker writes at a time of a long stream, and lets TCP hold.
constexpr qint64 streamChunk = 256 * 1024;
constexpr quint8 closeOpcode = 0x8;
constexpr quint8 pingOpcode = 0x9;
constexpr quint8 pongOpcode = 0xA;
} // namespace

ScriptedMqttBroker::ScriptedMqttBroker(QObject *parent)
    : QObject(parent)
{}

QString ScriptedMqttBroker::listen(Transport transport, const TestCertificate *certificate)
{
    delete m_server;
    m_webSocket = transport == WebSocket || transport == SecureWebSocket;
    if (transport == Tls || transport == SecureWebSocket) {
        if (!certificate)
            return QStringLiteral("TLS without a certificate");
        auto *server = new QSslServer(this);
        server->setSslConfiguration(certificate->serverConfiguration());
        m_server = server;
    } else {
        m_server = new QTcpServer(this);
    }
    m_clientLeft = false;
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

QByteArray ScriptedMqttBroker::frameHeader(qint64 length, quint8 opcode)
{
    QByteArray header(1, char(0x80 | opcode));
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
        if (m_client)
            m_client->abort();
        m_client = client;
        m_incoming.clear();
        m_handshakeDone = !m_webSocket;
        m_reader.reset();
        m_streaming = false;
        m_frameLeft = -1;
        m_streamed = 0;
        connect(client, &QIODevice::readyRead, this, [this, client] { read(client); });
        connect(client, &QIODevice::bytesWritten, this, &ScriptedMqttBroker::stream);
        connect(client, &QAbstractSocket::disconnected, this, [this, client] {
            if (client == m_client)
                m_clientLeft = true;
            client->deleteLater();
        });
    }
}

void ScriptedMqttBroker::read(QTcpSocket *client)
{
    if (client != m_client)
        return;
    m_incoming += client->readAll();
    if (!m_webSocket) {
        takeMqtt(std::exchange(m_incoming, {}));
        return;
    }
    if ((m_handshakeDone || takeHandshake()) && !takeFrames())
        m_client->abort();
}

// Answers the opening handshake once its head is in.
bool ScriptedMqttBroker::takeHandshake()
{
    const qsizetype end = m_incoming.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    QByteArray key;
    for (const QByteArray &line : m_incoming.left(end).split('\n')) {
        if (line.toLower().startsWith("sec-websocket-key:"))
            key = line.mid(line.indexOf(':') + 1).trimmed();
    }
    m_incoming.remove(0, end + 4);
    const QByteArray accept = QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11",
                                                       QCryptographicHash::Sha1)
                                  .toBase64();
    m_client->write("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\n"
                    "Connection: Upgrade\r\nSec-WebSocket-Protocol: mqttv3.1\r\n"
                    "Sec-WebSocket-Accept: " +
                    accept + "\r\n\r\n");
    m_handshakeDone = true;
    return true;
}

// The client's frames, masked as a client's must be; false on one that
// is not.
bool ScriptedMqttBroker::takeFrames()
{
    while (m_incoming.size() >= 2) {
        const auto first = quint8(m_incoming.at(0));
        const auto second = quint8(m_incoming.at(1));
        if (!(second & 0x80))
            return false;
        qsizetype at = 2;
        qint64 length = second & 0x7F;
        if (length >= 126) {
            const qsizetype bytes = length == 126 ? 2 : 8;
            if (m_incoming.size() < at + bytes)
                return true;
            length = 0;
            for (qsizetype i = 0; i < bytes; ++i)
                length = (length << 8) | quint8(m_incoming.at(at + i));
            at += bytes;
        }
        if (m_incoming.size() < at + 4 + length)
            return true;
        const QByteArray mask = m_incoming.mid(at, 4);
        QByteArray payload = m_incoming.mid(at + 4, length);
        m_incoming.remove(0, at + 4 + length);
        for (qsizetype i = 0; i < payload.size(); ++i)
            payload[i] = char(payload.at(i) ^ mask.at(i % 4));
        switch (first & 0x0F) {
        case closeOpcode:
            m_client->write(frameHeader(payload.size(), closeOpcode) + payload);
            m_client->disconnectFromHost();
            return true;
        case pingOpcode:
            m_client->write(frameHeader(payload.size(), pongOpcode) + payload);
            break;
        case pongOpcode:
            break;
        default:
            takeMqtt(payload);
            break;
        }
    }
    return true;
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
    m_client->write(m_webSocket ? frameHeader(packet.size()) + packet : packet);
}

// Writes the next piece of what follows the SUBACK whenever TCP has taken
// the last one.
void ScriptedMqttBroker::stream()
{
    const qint64 total = m_head.size() + m_filler;
    while (m_streaming && m_client && m_client->bytesToWrite() < streamChunk) {
        const qint64 at = m_streamed;
        if (at == total) {
            m_streaming = false;
            return;
        }
        QByteArray wire;
        qint64 take = qMin(streamChunk, total - at);
        if (m_webSocket) {
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
