#pragma once

#include <QMetaType>
#include <QString>

// A topic filter to subscribe to: a topic name whose levels may also be a
// single "+" (any one level) or, as the last level, a single "#" (any rest).
class MqttTopicFilter
{
public:
    // What keeps a text from being a topic filter.
    enum class Problem {
        None,
        Empty,
        WildcardWithinLevel, // "+" or "#" beside other characters of a level
        MultiLevelNotLast,   // "#" as a level before the last
        NotCarried,
    };

    MqttTopicFilter(const QString &filter = QString());

    [[nodiscard]] QString filter() const { return m_filter; }
    [[nodiscard]] Problem problem() const;
    [[nodiscard]] bool isValid() const { return problem() == Problem::None; }

    friend bool operator==(const MqttTopicFilter &a, const MqttTopicFilter &b)
    {
        return a.m_filter == b.m_filter;
    }
    friend bool operator!=(const MqttTopicFilter &a, const MqttTopicFilter &b) { return !(a == b); }

private:
    QString m_filter;
};

Q_DECLARE_METATYPE(MqttTopicFilter)
