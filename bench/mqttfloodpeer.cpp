#include "mqttfloodpeer.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A PUBLISH of quality of service 0 on `topic` with `payloadBytes` bytes.
QByteArray publishPacket(const QByteArray &topic, int payloadBytes)
{
    QByteArray body;
    body += char(topic.size() >> 8);
    body += char(topic.size() & 0xFF);
    body += topic;
    body += QByteArray(payloadBytes, 'f');
    QByteArray packet(1, char(0x30));
    for (qsizetype length = body.size(); length > 0 || packet.size() == 1; length >>= 7)
        packet += char((length & 0x7F) | (length > 0x7F ? 0x80 : 0));
    return packet + body;
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}
bool readExactly(int fd, qsizetype size, QByteArray &into)
{
    into.resize(size);
    for (qsizetype done = 0; done < size;) {
        const ssize_t got = ::read(fd, into.data() + done, size_t(size - done));
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

// Reads one packet, whatever it is, into its first byte and its body.
bool readPacket(int fd, char &first, QByteArray &body)
{
    if (!readExactly(fd, 1, body))
        return false;
    first = body.at(0);
    qsizetype length = 0;
    for (int shift = 0; shift < 28; shift += 7) {
        if (!readExactly(fd, 1, body))
            return false;
        length |= qsizetype(body.at(0) & 0x7F) << shift;
        if (!(body.at(0) & 0x80))
            return readExactly(fd, length, body);
    }
    return false;
}

// Takes the CONNECT, accepts it, and grants the SUBSCRIBE that follows.
bool acceptSubscriber(int fd)
{
    char first = 0;
    QByteArray body;
    static const char connack[] = {0x20, 0x02, 0x00, 0x00};
    if (!readPacket(fd, first, body) || !writeAll(fd, connack, sizeof connack))
        return false;
    while (readPacket(fd, first, body)) {
        if ((first & 0xF0) == 0x80 && body.size() >= 2) {
            const char suback[] = {char(0x90), 0x03, body.at(0), body.at(1), 0x00};
            return writeAll(fd, suback, sizeof suback);
        }
    }
    return false;
}

} // namespace

MqttFloodPeer::MqttFloodPeer()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), size) == 0 &&
        ::listen(m_listener, 1) == 0 &&
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size) == 0)
        m_port = ntohs(address.sin_port);
}

MqttFloodPeer::~MqttFloodPeer()
{
    ::shutdown(m_listener, SHUT_RDWR);
    stopClient();
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_listener);
}

void MqttFloodPeer::serve(const QByteArray &topic, int payloadBytes, qint64 floodMs)
{
    if (m_thread.joinable())
        m_thread.join();
    m_flooding = true;
    m_messages = 0;
    // Written 64 packets at a time, so that the time is looked at often.
    constexpr int perWrite = 64;
    m_thread = std::thread([this, packets = publishPacket(topic, payloadBytes).repeated(perWrite),
                            floodMs] { flood(packets, perWrite, floodMs); });
}

void MqttFloodPeer::flood(const QByteArray &packets, int perWrite, qint64 floodMs)
{
    const int client = ::accept(m_listener, nullptr, nullptr);
    m_client = client;
    bool open = client >= 0 && acceptSubscriber(client);
    QElapsedTimer clock;
    clock.start();
    while (open && clock.elapsed() < floodMs) {
        open = writeAll(client, packets.constData(), packets.size());
        if (open)
            m_messages += perWrite;
    }
    m_flooding = false;
    // Pings and the goodbye are taken until the client closes.
    char first = 0;
    QByteArray body;
    while (open)
        open = readPacket(client, first, body);
    stopClient();
}

void MqttFloodPeer::stopClient()
{
    const int client = m_client.exchange(-1);
    if (client < 0)
        return;
    ::shutdown(client, SHUT_RDWR);
    ::close(client);
}
