#include "mqtttopicfilter.h"

#include "mqtttopictext.h"

#include <QStringList>

MqttTopicFilter::MqttTopicFilter(const QString &filter)
    : m_filter(filter)
{}

bool MqttTopicFilter::isValid() const
{
    if (!MqttTopicText::isUsable(m_filter))
        return false;
    const QList<QStringView> levels = QStringView(m_filter).split(QLatin1Char('/'));
    for (qsizetype i = 0; i < levels.size(); ++i) {
        const QStringView level = levels.at(i);
        if (level.contains(QLatin1Char('#')) && (level.size() != 1 || i != levels.size() - 1))
            return false;
        if (level.contains(QLatin1Char('+')) && level.size() != 1)
            return false;
    }
    return true;
}
