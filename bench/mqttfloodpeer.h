#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <atomic>
#include <thread>

// A loopback MQTT peer on a thread of its own that floods: it accepts a
// client's CONNECT and its first SUBSCRIBE, then publishes the same message
// of quality of service 0 as fast as TCP takes it, for as long as asked or
// until the client leaves; then it waits for the client to close. One
// client at a time, one after the other.
class MqttFloodPeer
{
public:
    MqttFloodPeer();
    ~MqttFloodPeer();
    MqttFloodPeer(const MqttFloodPeer &) = delete;
    MqttFloodPeer &operator=(const MqttFloodPeer &) = delete;

    // 0 when it could not listen.
    [[nodiscard]] quint16 port() const { return m_port; }
    // Serves the next client that connects, on the peer's thread.
    void serve(const QByteArray &topic, int payloadBytes, qint64 floodMs);
    // The last client's flood: whether it runs and how many messages went
    // into TCP so far.
    [[nodiscard]] bool flooding() const { return m_flooding; }
    [[nodiscard]] qint64 messagesSent() const { return m_messages; }

private:
    void flood(const QByteArray &packets, int perWrite, qint64 floodMs);
    void stopClient();

    int m_listener = -1;
    quint16 m_port = 0;
    std::thread m_thread;
    std::atomic<int> m_client{-1};
    std::atomic<bool> m_flooding{false};
    std::atomic<qint64> m_messages{0};
};
