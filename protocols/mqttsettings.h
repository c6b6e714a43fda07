#pragma once

#include <QString>

class QSettings;

// The MQTT tab's connection fields as the settings file keeps them, at its
// top level: "MQTT_PROTOCOL" (the protocol's index, 0 "mqtt://" to
// 3 "wss://") and seven texts, the password as typed.
struct MqttSettings
{
    int protocol = 0;
    QString username;
    QString password;
    QString host;
    QString port;
    QString clientId;
    QString subscribeTopic;
    QString publishTopic;

    // Absent keys read as index 0 and empty texts; an index out of range
    // as 0.
    [[nodiscard]] static MqttSettings read(const QSettings &settings);
    void write(QSettings &settings) const;
};
