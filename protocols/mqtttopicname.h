#pragma once

#include <QMetaType>
#include <QString>

// A topic name that a message is published on: not empty, no wildcard
// character, no NUL and at most 65535 bytes in UTF-8.
class MqttTopicName
{
public:
    // What keeps a text from being a topic name.
    enum class Problem { None, Empty, Wildcard, NotCarried };

    MqttTopicName(const QString &name = QString());

    [[nodiscard]] QString name() const { return m_name; }
    [[nodiscard]] Problem problem() const;
    [[nodiscard]] bool isValid() const { return problem() == Problem::None; }

    friend bool operator==(const MqttTopicName &a, const MqttTopicName &b)
    {
        return a.m_name == b.m_name;
    }
    friend bool operator!=(const MqttTopicName &a, const MqttTopicName &b) { return !(a == b); }

private:
    QString m_name;
};

Q_DECLARE_METATYPE(MqttTopicName)
