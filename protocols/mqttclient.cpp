#include "mqttclient.h"

#include "mqttpackets.h"
#include "mqttsubscription.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>

#include <utility>

namespace {
constexpr quint8 subackFailure = 0x80;
// What one turn of the event loop reads of the transport. The client's own
// sockets hold no more than that: the rest waits in the kernel, so that TCP
// slows a broker down to the pace at which its messages are handled.
constexpr qint64 readSliceBytes = 64 * 1024;
} // namespace

MqttClient::MqttClient(QObject *parent)
    : QObject(parent)
{
    connect(&m_keepAliveTimer, &QTimer::timeout, this, &MqttClient::keepAliveTick);
}

void MqttClient::setTransport(QIODevice *device, TransportType type)
{
    m_suppliedTransport = device;
    m_transportType = type;
}

QIODevice *MqttClient::transport() const
{
    return m_suppliedTransport ? m_suppliedTransport.data() : m_transport.data();
}

void MqttClient::connectToHost()
{
    if (m_state != Disconnected)
        return;
    beginSession();
    if (!m_suppliedTransport) {
        auto *socket = new QTcpSocket(this);
        startSocket(socket);
        connect(socket, &QAbstractSocket::connected, this, &MqttClient::sendConnect);
        socket->connectToHost(m_hostname, m_port);
        return;
    }
    useTransport(m_suppliedTransport, false);
    if (m_suppliedTransport->isOpen()) {
        sendConnect();
        return;
    }
    // Reported from the event loop, as a socket reports: the caller is
    // still inside this call.
    QMetaObject::invokeMethod(
        this,
        [this, session = m_session] {
            if (session == m_session)
                fail(TransportInvalid, tr("The connection is not open."), Ending::LeaveOpen);
        },
        Qt::QueuedConnection);
}

void MqttClient::connectToHostEncrypted(const QSslConfiguration &configuration)
{
    if (m_state != Disconnected)
        return;
    beginSession();
    auto *socket = new QSslSocket(this);
    socket->setSslConfiguration(configuration);
    startSocket(socket);
    connect(socket, &QSslSocket::encrypted, this, &MqttClient::sendConnect);
    socket->connectToHostEncrypted(m_hostname, m_port);
}

void MqttClient::disconnectFromHost()
{
    if (m_state == Disconnected)
        return;
    if (m_state == Connected)
        send(MqttPackets::disconnect());
    m_error = NoError;
    m_errorString.clear();
    endSession(Ending::Graceful);
    setState(Disconnected);
}

MqttSubscription *MqttClient::subscribe(const MqttTopicFilter &filter, quint8 qos)
{
    if (m_state != Connected || !filter.isValid() || qos > 2)
        return nullptr;
    const quint16 id = nextPacketId();
    if (id == 0 || !send(MqttPackets::subscribe(id, filter.filter().toUtf8(), qos)))
        return nullptr;
    auto *subscription = new MqttSubscription(filter, qos, this);
    m_pendingSubscriptions.insert(id, subscription);
    m_subscriptions.append(subscription);
    return subscription;
}

qint32 MqttClient::publish(const MqttTopicName &topic, const QByteArray &message, quint8 qos,
                           bool retain)
{
    if (m_state != Connected || !topic.isValid() || qos > 2)
        return -1;
    MqttPackets::Publish publish{topic.name().toUtf8(), message, qos, retain};
    if (qos > 0) {
        publish.id = nextPacketId();
        if (publish.id == 0)
            return -1;
    }
    const QByteArray packet = MqttPackets::publish(publish);
    if (packet.isEmpty() || !send(packet))
        return -1;
    if (qos > 0)
        m_outgoing.insert(publish.id, qos);
    return publish.id;
}

void MqttClient::beginSession()
{
    ++m_session;
    m_error = NoError;
    m_errorString.clear();
    m_endedItself = false;
    setState(Connecting);
    // Until the broker's acknowledgement the same limit holds as for a ping.
    if (m_keepAlive > 0)
        m_keepAliveTimer.start(int(m_keepAlive) * 1000);
}

void MqttClient::useTransport(QIODevice *device, bool owned)
{
    m_transport = device;
    m_transportOwned = owned;
    connect(device, &QIODevice::readyRead, this, &MqttClient::readTransport);
    if (!owned) {
        connect(device, &QIODevice::aboutToClose, this, [this] {
            fail(TransportInvalid, tr("The connection was closed."), Ending::LeaveOpen);
        });
    }
}

void MqttClient::startSocket(QAbstractSocket *socket)
{
    socket->setReadBufferSize(readSliceBytes);
    useTransport(socket, true);
    connect(socket, &QAbstractSocket::errorOccurred, this,
            [this, socket] { fail(TransportInvalid, socket->errorString()); });
    connect(socket, &QAbstractSocket::disconnected, this,
            [this] { fail(TransportInvalid, tr("The broker closed the connection.")); });
}

void MqttClient::sendConnect()
{
    MqttPackets::ConnectFields fields;
    fields.protocolLevel = quint8(m_protocolVersion);
    fields.clientId = m_clientId.toUtf8();
    fields.username = m_username.toUtf8();
    fields.password = m_password.toUtf8();
    fields.keepAliveSeconds = m_keepAlive;
    send(MqttPackets::connect(fields));
}

bool MqttClient::send(const QByteArray &bytes)
{
    return m_transport && m_transport->write(bytes) == bytes.size();
}

// Reads a slice at a time, the rest on a later turn of the event loop, so
// that a flood of messages never holds the thread for long.
void MqttClient::readTransport()
{
    if (!m_transport)
        return;
    const quint64 session = m_session;
    const ParsedChunk<MqttPacket> parsed = m_reader.feed(m_transport->read(readSliceBytes));
    for (const MqttPacket &packet : parsed.results) {
        if (!handle(packet)) {
            giveUp(ProtocolViolation, tr("The broker broke the MQTT protocol."));
            return;
        }
        // A receiver may have ended the session.
        if (session != m_session || m_state == Disconnected)
            return;
    }
    if (!parsed.corrupt.isEmpty()) {
        giveUp(ProtocolViolation, tr("The broker sent a packet that is malformed or too large."));
        return;
    }
    if (m_transport && m_transport->bytesAvailable() > 0 && !m_readQueued) {
        m_readQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this, session] {
                m_readQueued = false;
                if (session == m_session)
                    readTransport();
            },
            Qt::QueuedConnection);
    }
}

bool MqttClient::handle(const MqttPacket &packet)
{
    if (m_state == Connecting)
        return takeConnack(packet);
    switch (packet.type()) {
    case MqttPacket::Publish:
        return takePublish(packet);
    case MqttPacket::Puback:
    case MqttPacket::Pubrec:
    case MqttPacket::Pubrel:
    case MqttPacket::Pubcomp:
        return takeAcknowledgement(packet);
    case MqttPacket::Suback:
        return takeSuback(packet);
    case MqttPacket::Pingresp:
        m_pingOutstanding = false;
        return MqttPackets::isPingResponse(packet);
    default:
        return false;
    }
}

bool MqttClient::takeConnack(const MqttPacket &packet)
{
    const std::optional<MqttPackets::Connack> connack = MqttPackets::readConnack(packet);
    if (!connack)
        return false;
    switch (connack->returnCode) {
    case 0:
        setState(Connected);
        break;
    case InvalidProtocolVersion:
        fail(InvalidProtocolVersion, tr("The broker does not take this protocol version."));
        break;
    case IdRejected:
        fail(IdRejected, tr("The broker rejected the client ID."));
        break;
    case ServerUnavailable:
        fail(ServerUnavailable, tr("The broker is unavailable."));
        break;
    case BadUsernameOrPassword:
        fail(BadUsernameOrPassword, tr("Bad username or password."));
        break;
    case NotAuthorized:
        fail(NotAuthorized, tr("Not authorized."));
        break;
    default:
        fail(UnknownError,
             tr("The broker refused the connection with code %1.").arg(connack->returnCode));
        break;
    }
    return true;
}

// Acknowledged before it is handed on, so a receiver that ends the session
// does not keep the broker waiting.
bool MqttClient::takePublish(const MqttPacket &packet)
{
    const std::optional<MqttPackets::Publish> message = MqttPackets::readPublish(packet);
    if (!message)
        return false;
    const MqttTopicName topic(QString::fromUtf8(message->topic));
    if (!topic.isValid())
        return false;
    if (message->qos == 1) {
        send(MqttPackets::acknowledgement(MqttPacket::Puback, message->id));
    } else if (message->qos == 2) {
        send(MqttPackets::acknowledgement(MqttPacket::Pubrec, message->id));
        // A repeat before the release is the same message.
        if (m_incomingQos2.contains(message->id))
            return true;
        m_incomingQos2.insert(message->id);
    }
    emit messageReceived(message->payload, topic);
    return true;
}

bool MqttClient::takeAcknowledgement(const MqttPacket &packet)
{
    const std::optional<quint16> id = MqttPackets::readAcknowledgement(packet);
    if (!id)
        return false;
    switch (packet.type()) {
    case MqttPacket::Pubrec:
        send(MqttPackets::acknowledgement(MqttPacket::Pubrel, *id));
        break;
    case MqttPacket::Pubrel:
        m_incomingQos2.remove(*id);
        send(MqttPackets::acknowledgement(MqttPacket::Pubcomp, *id));
        break;
    default: {
        const quint8 qos = packet.type() == MqttPacket::Puback ? 1 : 2;
        if (m_outgoing.value(*id) == qos) {
            m_outgoing.remove(*id);
            emit messageSent(*id);
        }
        break;
    }
    }
    return true;
}

bool MqttClient::takeSuback(const MqttPacket &packet)
{
    const std::optional<MqttPackets::Suback> suback = MqttPackets::readSuback(packet);
    if (!suback || suback->returnCodes.size() != 1)
        return false;
    const QPointer<MqttSubscription> subscription = m_pendingSubscriptions.take(suback->id);
    if (!subscription)
        return true;
    const quint8 code = quint8(suback->returnCodes.front());
    if (code == subackFailure) {
        subscription->setState(MqttSubscription::Error);
        return true;
    }
    subscription->m_qos = code;
    subscription->setState(MqttSubscription::Subscribed);
    return true;
}

// Each tick asks for a sign of life; one that finds the last request, or
// the connection's acknowledgement, unanswered gives the broker up.
void MqttClient::keepAliveTick()
{
    if (m_state == Connecting || m_pingOutstanding) {
        giveUp(TransportInvalid, tr("The broker did not answer in time."));
        return;
    }
    m_pingOutstanding = true;
    send(MqttPackets::pingRequest());
}

quint16 MqttClient::nextPacketId()
{
    for (int tries = 0; tries < 65535; ++tries) {
        m_lastPacketId = m_lastPacketId == 65535 ? 1 : m_lastPacketId + 1;
        if (!m_outgoing.contains(m_lastPacketId) &&
            !m_pendingSubscriptions.contains(m_lastPacketId))
            return m_lastPacketId;
    }
    return 0;
}

void MqttClient::fail(ClientError error, const QString &reason, Ending ending)
{
    if (m_state == Disconnected)
        return;
    m_error = error;
    m_errorString = reason;
    endSession(ending);
    setState(Disconnected);
}

// Ends the session on what the broker did, rather than on the transport.
void MqttClient::giveUp(ClientError error, const QString &reason)
{
    if (m_state != Disconnected)
        m_endedItself = true;
    fail(error, reason);
}

void MqttClient::endSession(Ending ending)
{
    ++m_session;
    m_keepAliveTimer.stop();
    m_pingOutstanding = false;
    m_reader.reset();
    m_outgoing.clear();
    m_incomingQos2.clear();
    m_pendingSubscriptions.clear();
    for (const QPointer<MqttSubscription> &subscription : std::exchange(m_subscriptions, {})) {
        if (!subscription)
            continue;
        subscription->setState(MqttSubscription::Unsubscribed);
        subscription->deleteLater();
    }
    const QPointer<QIODevice> device = std::exchange(m_transport, nullptr);
    if (!device)
        return;
    device->disconnect(this);
    if (!m_transportOwned) {
        if (ending != Ending::LeaveOpen)
            device->close();
        return;
    }
    auto *socket = static_cast<QAbstractSocket *>(device.data());
    if (ending == Ending::Graceful) {
        socket->flush();
        socket->disconnectFromHost();
    } else {
        socket->abort();
    }
    socket->deleteLater();
}

void MqttClient::setState(ClientState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}
