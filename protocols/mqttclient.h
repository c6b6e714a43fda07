#pragma once

#include "mqttpacketreader.h"
#include "mqtttopicfilter.h"
#include "mqtttopicname.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>

class MqttSubscription;
class QAbstractSocket;
class QIODevice;
class QSslConfiguration;

// An MQTT 3.1 and 3.1.1 client with a clean session: connects over its own
// TCP or TLS socket, or over an open byte stream the caller supplies (such as
// a WebSocket), subscribes, publishes and receives with quality of service 0
// to 2, pings the broker while connected and gives up on it when a ping or
// the connection's acknowledgement does not come within the keep-alive time.
class MqttClient : public QObject
{
    Q_OBJECT

public:
    enum TransportType { IODevice, AbstractSocket, SecureSocket };
    Q_ENUM(TransportType)
    enum ClientState { Disconnected = 0, Connecting, Connected };
    Q_ENUM(ClientState)
    // 1 to 5 are the broker's refusals, by their return codes.
    enum ClientError {
        NoError = 0,
        InvalidProtocolVersion = 1,
        IdRejected = 2,
        ServerUnavailable = 3,
        BadUsernameOrPassword = 4,
        NotAuthorized = 5,
        TransportInvalid = 256,
        ProtocolViolation,
        UnknownError
    };
    Q_ENUM(ClientError)
    enum ProtocolVersion { MQTT_3_1 = 3, MQTT_3_1_1 = 4 };
    Q_ENUM(ProtocolVersion)

    // The longest packet the client takes from a broker: its first byte, four
    // length bytes and the reader's longest body. A transport that carries
    // packets in messages, a WebSocket, needs to take no longer message.
    static constexpr qint64 maximumPacketBytes = 1 + 4 + MqttPacketReader::defaultMaximumBody;

    explicit MqttClient(QObject *parent = nullptr);

    void setHostname(const QString &hostname) { m_hostname = hostname; }
    [[nodiscard]] QString hostname() const { return m_hostname; }
    void setPort(quint16 port) { m_port = port; }
    [[nodiscard]] quint16 port() const { return m_port; }
    void setClientId(const QString &clientId) { m_clientId = clientId; }
    [[nodiscard]] QString clientId() const { return m_clientId; }
    void setUsername(const QString &username) { m_username = username; }
    [[nodiscard]] QString username() const { return m_username; }
    // Sent as UTF-8, and only with a user name.
    void setPassword(const QString &password) { m_password = password; }
    [[nodiscard]] QString password() const { return m_password; }
    void setProtocolVersion(ProtocolVersion version) { m_protocolVersion = version; }
    [[nodiscard]] ProtocolVersion protocolVersion() const { return m_protocolVersion; }
    // Seconds; 0 switches pings and the answer time limit off.
    void setKeepAlive(quint16 seconds) { m_keepAlive = seconds; }
    [[nodiscard]] quint16 keepAlive() const { return m_keepAlive; }
    // A device of the caller's, already open when connectToHost is called;
    // the client reads and writes it and closes it when the session ends.
    void setTransport(QIODevice *device, TransportType type);
    [[nodiscard]] QIODevice *transport() const;
    [[nodiscard]] TransportType transportType() const { return m_transportType; }

    [[nodiscard]] ClientState state() const { return m_state; }
    [[nodiscard]] ClientError error() const { return m_error; }
    // Why the last session failed, for the user; empty after a clean end.
    [[nodiscard]] QString errorString() const { return m_errorString; }
    // The client broke the last session off itself: the broker broke the
    // protocol, or stopped answering within the keep-alive time.
    [[nodiscard]] bool endedItself() const { return m_endedItself; }

    // Over the caller's device when one was set, else over a TCP socket to
    // hostname and port. Only from Disconnected.
    void connectToHost();
    void connectToHostEncrypted(const QSslConfiguration &configuration);
    // Says goodbye to the broker when connected, then closes the transport.
    void disconnectFromHost();

    // Null unless connected with a valid filter and a quality of service up
    // to 2; the broker's answer comes as the subscription's state.
    MqttSubscription *subscribe(const MqttTopicFilter &filter, quint8 qos = 0);
    // The packet id (0 for quality of service 0), or -1 when the message
    // cannot be sent: not connected, an invalid topic or too long a message.
    qint32 publish(const MqttTopicName &topic, const QByteArray &message = QByteArray(),
                   quint8 qos = 0, bool retain = false);

Q_SIGNALS:
    void stateChanged(MqttClient::ClientState state);
    void messageReceived(const QByteArray &message, const MqttTopicName &topic);
    // A message of quality of service 1 or 2 was acknowledged in full.
    void messageSent(qint32 id);

private:
    // How the transport goes at the end of a session.
    enum class Ending { Graceful, Abort, LeaveOpen };

    void beginSession();
    void useTransport(QIODevice *device, bool owned);
    void startSocket(QAbstractSocket *socket);
    void sendConnect();
    bool send(const QByteArray &bytes);
    void readTransport();
    [[nodiscard]] bool handle(const MqttPacket &packet);
    [[nodiscard]] bool takeConnack(const MqttPacket &packet);
    [[nodiscard]] bool takePublish(const MqttPacket &packet);
    [[nodiscard]] bool takeAcknowledgement(const MqttPacket &packet);
    [[nodiscard]] bool takeSuback(const MqttPacket &packet);
    void keepAliveTick();
    [[nodiscard]] quint16 nextPacketId();
    void fail(ClientError error, const QString &reason, Ending ending = Ending::Abort);
    void giveUp(ClientError error, const QString &reason);
    void endSession(Ending ending);
    void setState(ClientState state);

    QString m_hostname;
    quint16 m_port = 1883;
    QString m_clientId;
    QString m_username;
    QString m_password;
    ProtocolVersion m_protocolVersion = MQTT_3_1_1;
    quint16 m_keepAlive = 60;
    QPointer<QIODevice> m_suppliedTransport;
    TransportType m_transportType = AbstractSocket;

    ClientState m_state = Disconnected;
    ClientError m_error = NoError;
    QString m_errorString;
    bool m_endedItself = false;
    // Counts sessions, so work of an ended one stops at once.
    quint64 m_session = 0;
    QPointer<QIODevice> m_transport;
    bool m_transportOwned = false;
    MqttPacketReader m_reader;
    // A read of what the transport still holds is on its way.
    bool m_readQueued = false;
    QTimer m_keepAliveTimer;
    bool m_pingOutstanding = false;
    quint16 m_lastPacketId = 0;
    // Our messages of quality of service 1 and 2 not yet acknowledged in
    // full, by packet id, with their quality of service.
    QHash<quint16, quint8> m_outgoing;
    // Messages of quality of service 2 taken and not yet released.
    QSet<quint16> m_incomingQos2;
    QHash<quint16, QPointer<MqttSubscription>> m_pendingSubscriptions;
    QList<QPointer<MqttSubscription>> m_subscriptions;
};
