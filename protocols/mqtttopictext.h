#pragma once

#include <QString>

// What topic names and filters share: text that the protocol can carry.
namespace MqttTopicText {

// Not empty, well-formed UTF-16, no NUL and at most 65535 bytes in UTF-8.
[[nodiscard]] bool isUsable(const QString &text);

} // namespace MqttTopicText
