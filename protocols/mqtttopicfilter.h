#pragma once

#include <QMetaType>
#include <QString>

// A topic filter to subscribe to: a topic name whose levels may also be a
// single "+" (any one level) or, as the last level, a single "#" (any rest).
class MqttTopicFilter
{
public:
    MqttTopicFilter(const QString &filter = QString());

    [[nodiscard]] QString filter() const { return m_filter; }
    [[nodiscard]] bool isValid() const;

    friend bool operator==(const MqttTopicFilter &a, const MqttTopicFilter &b)
    {
        return a.m_filter == b.m_filter;
    }
    friend bool operator!=(const MqttTopicFilter &a, const MqttTopicFilter &b) { return !(a == b); }

private:
    QString m_filter;
};

Q_DECLARE_METATYPE(MqttTopicFilter)
