#include "mqtttopictext.h"

#include <QStringView>

bool MqttTopicText::isUsable(const QString &text)
{
    constexpr qsizetype maximumBytes = 65535;
    return !text.isEmpty() && QStringView(text).isValidUtf16() && !text.contains(QChar(0)) &&
           text.toUtf8().size() <= maximumBytes;
}
