#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QPointer>
#include <QSslConfiguration>
#include <QUrl>
#include <QWebSocket>

// A WebSocket connection as a byte stream: every write goes out as one
// binary message, and the binary messages received are read back to back.
// The device counts as open from open() on; socketConnected tells when the
// WebSocket is up, and the socket's own signals tell of its end.
//
// The WebSocket reads ahead of the device's reader by at most
// readAheadBytes a turn of the event loop, so that a peer that sends faster
// than the reader reads is held back by TCP; a frame longer than that comes
// in once the reader has caught up, and one longer than the maximum message
// size ends the WebSocket as soon as its header is in.
class WebSocketIODevice : public QIODevice
{
    Q_OBJECT

public:
    static constexpr qint64 readAheadBytes = 64 * 1024;

    explicit WebSocketIODevice(QObject *parent = nullptr);
    // The socket goes silently: its owner may be half gone by then.
    ~WebSocketIODevice() override;

    // When set, open() hands the stored TLS configuration to the socket.
    bool sslEnabled = false;

    void setUrl(const QUrl &url) { m_url = url; }
    // The WebSocket subprotocol asked for in the opening handshake.
    void setProtocol(const QByteArray &protocol) { m_protocol = protocol; }
    void setSslConfiguration(const QSslConfiguration &configuration)
    {
        m_sslConfiguration = configuration;
    }
    [[nodiscard]] QWebSocket *socket() { return &m_socket; }
    // The longest frame and message the WebSocket takes; a longer one ends
    // it, refused from its frame's header.
    void setMaximumMessageSize(qint64 bytes);
    // The WebSocket was closed with a code that refuses what came: broken
    // WebSocket rules, data of the wrong kind or too much of it.
    [[nodiscard]] bool closedOnRefusal() const;
    // Why the WebSocket ended, for the user.
    [[nodiscard]] QString endReason() const;

    [[nodiscard]] bool isSequential() const override { return true; }
    bool open(OpenMode mode) override;
    // Closes the WebSocket with the normal-closure code.
    void close() override;
    [[nodiscard]] qint64 bytesAvailable() const override;

Q_SIGNALS:
    void socketConnected();

public Q_SLOTS:
    void handleBinaryMessage(const QByteArray &msg);
    void onSocketConnected();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void watchSocket();
    void socketRead();
    void paceSocket();

    QWebSocket m_socket;
    QByteArray m_protocol;
    QByteArray m_buffer;
    QSslConfiguration m_sslConfiguration;
    QUrl m_url;
    // The TCP socket the WebSocket reads its frames from, and whether the
    // frame coming in is longer than that socket may hold now.
    QPointer<QAbstractSocket> m_tcpSocket;
    bool m_frameWaits = false;
};
