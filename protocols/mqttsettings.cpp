#include "mqttsettings.h"

#include <QSettings>

namespace {
const QLatin1String protocolKey("MQTT_PROTOCOL");
const QLatin1String usernameKey("MQTT_USERNAME");
const QLatin1String passwordKey("MQTT_PASSWORD");
const QLatin1String hostKey("MQTT_HOST");
const QLatin1String portKey("MQTT_PORT");
const QLatin1String clientIdKey("MQTT_CLIENTID");
const QLatin1String subscribeTopicKey("MQTT_SUBTOPIC");
const QLatin1String publishTopicKey("MQTT_PUBTOPIC");
constexpr int protocols = 4;
} // namespace

MqttSettings MqttSettings::read(const QSettings &settings)
{
    MqttSettings fields;
    const int protocol = settings.value(protocolKey, 0).toInt();
    fields.protocol = protocol >= 0 && protocol < protocols ? protocol : 0;
    fields.username = settings.value(usernameKey).toString();
    fields.password = settings.value(passwordKey).toString();
    fields.host = settings.value(hostKey).toString();
    fields.port = settings.value(portKey).toString();
    fields.clientId = settings.value(clientIdKey).toString();
    fields.subscribeTopic = settings.value(subscribeTopicKey).toString();
    fields.publishTopic = settings.value(publishTopicKey).toString();
    return fields;
}

void MqttSettings::write(QSettings &settings) const
{
    settings.setValue(protocolKey, protocol);
    settings.setValue(usernameKey, username);
    settings.setValue(passwordKey, password);
    settings.setValue(hostKey, host);
    settings.setValue(portKey, port);
    settings.setValue(clientIdKey, clientId);
    settings.setValue(subscribeTopicKey, subscribeTopic);
    settings.setValue(publishTopicKey, publishTopic);
}
