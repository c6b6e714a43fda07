#include "mqttsubscription.h"

#include "mqttclient.h"

MqttSubscription::MqttSubscription(const MqttTopicFilter &filter, quint8 qos, MqttClient *client)
    : QObject(client)
    , m_filter(filter)
    , m_qos(qos)
{}

void MqttSubscription::setState(SubscriptionState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}
