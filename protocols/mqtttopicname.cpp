#include "mqtttopicname.h"

#include "mqtttopictext.h"

MqttTopicName::MqttTopicName(const QString &name)
    : m_name(name)
{}

bool MqttTopicName::isValid() const
{
    return MqttTopicText::isUsable(m_name) && !m_name.contains(QLatin1Char('+')) &&
           !m_name.contains(QLatin1Char('#'));
}
