#include "websocketiodevice.h"

#include <QWebSocketHandshakeOptions>

#include <cstring>

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
    return QIODevice::open(mode);
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
    return size;
}

qint64 WebSocketIODevice::writeData(const char *data, qint64 size)
{
    return m_socket.sendBinaryMessage(QByteArray(data, size));
}
