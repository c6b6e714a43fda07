#include "websocketiodevice.h"

#include <QSslSocket>
#include <QWebSocketHandshakeOptions>

#include <cstring>

namespace {
// A frame's header: two bytes, eight of length, four of mask.
constexpr qint64 frameHeaderBytes = 14;
} // namespace

WebSocketIODevice::WebSocketIODevice(QObject *parent)
    : QIODevice(parent)
    , m_socket(QString(), QWebSocketProtocol::Version13)
{
    connect(&m_socket, &QWebSocket::connected, this, &WebSocketIODevice::onSocketConnected);
    connect(&m_socket, &QWebSocket::binaryMessageReceived, this,
            &WebSocketIODevice::handleBinaryMessage);
}

WebSocketIODevice::~WebSocketIODevice()
{
    m_socket.disconnect();
}

bool WebSocketIODevice::open(OpenMode mode)
{
    QWebSocketHandshakeOptions options;
    options.setSubprotocols({QString::fromUtf8(m_protocol)});
    if (sslEnabled)
        m_socket.setSslConfiguration(m_sslConfiguration);
    m_socket.open(m_url, options);
    watchSocket();
    return QIODevice::open(mode);
}

// The WebSocket makes its TCP socket as its child and reads a frame only
// once that socket holds all of it; the socket's read buffer bounds what it
// reads ahead. Without a socket to watch, the WebSocket reads unbounded.
void WebSocketIODevice::watchSocket()
{
    m_frameWaits = false;
    m_tcpSocket = m_socket.findChild<QAbstractSocket *>(QString(), Qt::FindDirectChildrenOnly);
    if (!m_tcpSocket)
        return;
    m_socket.setReadBufferSize(readAheadBytes);
    // Queued behind the WebSocket's own handling of the same read.
    connect(m_tcpSocket, &QIODevice::readyRead, this, &WebSocketIODevice::socketRead,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

// A socket still full once the WebSocket has taken every whole frame holds
// part of a frame longer than it may hold.
void WebSocketIODevice::socketRead()
{
    if (!m_tcpSocket)
        return;
    m_frameWaits = m_tcpSocket->bytesAvailable() >= m_socket.readBufferSize();
    paceSocket();
}

// Lets a long frame in, twice the room at a time, once the reader has taken
// what came before; back to the bound once it is in.
void WebSocketIODevice::paceSocket()
{
    if (!m_tcpSocket)
        return;
    const qint64 size = m_socket.readBufferSize();
    if (!m_frameWaits) {
        if (size > readAheadBytes && m_tcpSocket->bytesAvailable() < readAheadBytes)
            m_socket.setReadBufferSize(readAheadBytes);
        return;
    }
    if (m_buffer.size() >= readAheadBytes)
        return;
    m_frameWaits = false;
    const auto largest = qint64(m_socket.maxAllowedIncomingFrameSize()) + frameHeaderBytes;
    m_socket.setReadBufferSize(qMin(size * 2, largest));
    // A TLS socket decrypts what it has already received only when it is
    // read, and the peer may have sent the whole frame: a peek past what it
    // holds asks for the rest without taking anything.
    if (qobject_cast<QSslSocket *>(m_tcpSocket)) {
        QByteArray past(m_tcpSocket->bytesAvailable() + 1, Qt::Uninitialized);
        static_cast<void>(m_tcpSocket->peek(past.data(), past.size()));
    }
}

// The WebSocket (Qt 6.4) checks a frame's length as soon as its header is
// in, before it waits for the payload, and a message's as its frames come.
void WebSocketIODevice::setMaximumMessageSize(qint64 bytes)
{
    m_socket.setMaxAllowedIncomingFrameSize(quint64(bytes));
    m_socket.setMaxAllowedIncomingMessageSize(quint64(bytes));
}

bool WebSocketIODevice::closedOnRefusal() const
{
    switch (m_socket.closeCode()) {
    case QWebSocketProtocol::CloseCodeProtocolError:
    case QWebSocketProtocol::CloseCodeWrongDatatype:
    case QWebSocketProtocol::CloseCodeTooMuchData:
        return true;
    default:
        return false;
    }
}

// Such a close has its code and reason, from whichever end refused; any
// other end has the socket's error.
QString WebSocketIODevice::endReason() const
{
    if (!closedOnRefusal())
        return m_socket.errorString();
    const QString reason = m_socket.closeReason();
    if (reason.isEmpty())
        return tr("The WebSocket was closed with code %1.").arg(int(m_socket.closeCode()));
    return tr("The WebSocket was closed with code %1: %2")
        .arg(int(m_socket.closeCode()))
        .arg(reason);
}

void WebSocketIODevice::close()
{
    m_socket.close(QWebSocketProtocol::CloseCodeNormal, QString());
    QIODevice::close();
}

qint64 WebSocketIODevice::bytesAvailable() const
{
    return m_buffer.size() + QIODevice::bytesAvailable();
}

void WebSocketIODevice::handleBinaryMessage(const QByteArray &msg)
{
    m_buffer.append(msg);
    emit readyRead();
}

void WebSocketIODevice::onSocketConnected()
{
    emit socketConnected();
}

qint64 WebSocketIODevice::readData(char *data, qint64 maxSize)
{
    const qint64 size = qMin<qint64>(maxSize, m_buffer.size());
    std::memcpy(data, m_buffer.constData(), size_t(size));
    m_buffer.remove(0, size);
    if (m_frameWaits)
        paceSocket();
    return size;
}

qint64 WebSocketIODevice::writeData(const char *data, qint64 size)
{
    return m_socket.sendBinaryMessage(QByteArray(data, size));
}
