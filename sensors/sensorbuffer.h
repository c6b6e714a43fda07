#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The receive buffers of the sensor tabs: bounded, the newest bytes kept.
namespace SensorBuffer {

// What a sensor tab keeps of the bytes it has not used yet.
constexpr qsizetype limit = 64 * 1024;

// Appends the bytes, then drops the oldest bytes beyond `maximum` (a
// maximum below 0 counts as 0).
void append(QByteArray &buffer, QByteArrayView bytes, qsizetype maximum = limit);

} // namespace SensorBuffer
