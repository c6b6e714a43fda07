#include "mqtttopicfilter.h"

#include "mqtttopictext.h"

#include <QStringList>

MqttTopicFilter::MqttTopicFilter(const QString &filter)
    : m_filter(filter)
{}

MqttTopicFilter::Problem MqttTopicFilter::problem() const
{
    if (m_filter.isEmpty())
        return Problem::Empty;
    const QList<QStringView> levels = QStringView(m_filter).split(QLatin1Char('/'));
    for (qsizetype i = 0; i < levels.size(); ++i) {
        const QStringView level = levels.at(i);
        const bool wildcard = level.contains(QLatin1Char('#')) || level.contains(QLatin1Char('+'));
        if (wildcard && level.size() != 1)
            return Problem::WildcardWithinLevel;
        if (level == QLatin1String("#") && i != levels.size() - 1)
            return Problem::MultiLevelNotLast;
    }
    return MqttTopicText::isUsable(m_filter) ? Problem::None : Problem::NotCarried;
}
