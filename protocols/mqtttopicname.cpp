#include "mqtttopicname.h"

#include "mqtttopictext.h"

MqttTopicName::MqttTopicName(const QString &name)
    : m_name(name)
{}

MqttTopicName::Problem MqttTopicName::problem() const
{
    if (m_name.isEmpty())
        return Problem::Empty;
    if (m_name.contains(QLatin1Char('+')) || m_name.contains(QLatin1Char('#')))
        return Problem::Wildcard;
    return MqttTopicText::isUsable(m_name) ? Problem::None : Problem::NotCarried;
}
