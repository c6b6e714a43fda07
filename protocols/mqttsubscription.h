#pragma once

#include "mqtttopicfilter.h"

#include <QObject>

class MqttClient;

// One subscription of an MqttClient to a topic filter, as far as the broker
// has answered it. The client makes it and keeps it as its child.
class MqttSubscription : public QObject
{
    Q_OBJECT

public:
    enum SubscriptionState { Unsubscribed = 0, SubscriptionPending, Subscribed, Error };
    Q_ENUM(SubscriptionState)

    [[nodiscard]] MqttTopicFilter topic() const { return m_filter; }
    // The quality of service asked for; the granted one once subscribed.
    [[nodiscard]] quint8 qos() const { return m_qos; }
    [[nodiscard]] SubscriptionState state() const { return m_state; }

Q_SIGNALS:
    void stateChanged(MqttSubscription::SubscriptionState state);

private:
    friend class MqttClient;
    MqttSubscription(const MqttTopicFilter &filter, quint8 qos, MqttClient *client);
    void setState(SubscriptionState state);

    MqttTopicFilter m_filter;
    quint8 m_qos;
    SubscriptionState m_state = SubscriptionPending;
};
