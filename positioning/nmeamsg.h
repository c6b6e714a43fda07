#pragma once

#include <QtGlobal>

// The UTC time of day a receiver's recommended minimum sentence states.
struct nmea_msg
{
    quint8 utcHour = 0;
    quint8 utcMinute = 0;
    quint8 utcSecond = 0;
};
