#include "sensorbuffer.h"

void SensorBuffer::append(QByteArray &buffer, QByteArrayView bytes, qsizetype maximum)
{
    maximum = qMax<qsizetype>(0, maximum);
    if (bytes.size() >= maximum) {
        buffer = bytes.last(maximum).toByteArray();
        return;
    }
    const qsizetype excess = buffer.size() + bytes.size() - maximum;
    if (excess > 0)
        buffer.remove(0, excess);
    buffer.append(bytes);
}
