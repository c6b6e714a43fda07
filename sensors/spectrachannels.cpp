#include "spectrachannels.h"

#include <QLatin1String>

#include <array>

namespace {
struct Channel
{
    const char *name;
    int index;
};

// "NIR", "FXL", "FZ" and "FY" share indexes 8 to 11 with "F9" to "F12": the
// chosen sensor type decides which chart takes them.
constexpr std::array<Channel, 22> channels{{
    {"F1", 0},   {"F2", 1},   {"F3", 2},   {"F4", 3},   {"F5", 4},   {"F6", 5},
    {"F7", 6},   {"F8", 7},   {"NIR", 8},  {"FXL", 9},  {"FZ", 10},  {"FY", 11},
    {"F9", 8},   {"F10", 9},  {"F11", 10}, {"F12", 11}, {"F13", 12}, {"F14", 13},
    {"F15", 14}, {"F16", 15}, {"F17", 16}, {"F18", 17},
}};
} // namespace

quint8 SpectraChannels::sensorType(QStringView text)
{
    if (text == QLatin1String("AS7341"))
        return 0;
    if (text == QLatin1String("AS7343"))
        return 1;
    if (text == QLatin1String("AS7265X"))
        return 2;
    return 255;
}

int SpectraChannels::channelIndex(QStringView name)
{
    for (const Channel &channel : channels)
        if (name == QLatin1String(channel.name))
            return channel.index;
    return -1;
}

QList<SpectraReading> SpectraChannels::readings(QStringView text)
{
    QList<SpectraReading> found;
    for (const QStringView line : text.split(u"\r\n", Qt::SkipEmptyParts)) {
        const QList<QStringView> pieces = line.split(u':');
        if (pieces.size() != 2)
            continue;
        bool ok = false;
        const int value = pieces.at(1).toInt(&ok, 10);
        const int index = channelIndex(pieces.at(0));
        if (ok && index >= 0)
            found.append({index, value / 1000.0});
    }
    return found;
}
