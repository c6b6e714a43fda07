#include "satelliteboard.h"

#include <algorithm>

SatelliteBoard::SatelliteBoard()
{
    clear();
}

void SatelliteBoard::take(const GsvSentence &sentence)
{
    const SatelliteSystem *system = satelliteSystem(sentence.system);
    if (!system)
        return;
    SystemBoard &board = m_systems[system->code - 1];
    Cycle &cycle = board.cycle;
    // A sentence without its number counts as a whole group.
    const bool begins = sentence.number <= 1;
    const bool ends = sentence.number >= sentence.count;
    if (begins && cycle.groups.contains(sentence.signalId))
        endCycle(board, system->code);
    if (begins)
        cycle.groups.append(sentence.signalId);
    cycle.lastGroup = sentence.signalId;

    for (const nmea_slmsg &satellite : sentence.satellites) {
        if (satellite.system != system->code)
            continue;
        int &best = cycle.best[satellite.prn];
        best = std::max(best, int(satellite.snr));
        show(board, satellite, best);
    }

    if (ends &&
        (sentence.signalId == GsvSentence::noSignal || sentence.signalId == cycle.closingGroup))
        endCycle(board, system->code);
}

// A satellite whose best SNR of the cycle is enough has its bar at that
// value and its sky point; nothing is taken away before the cycle ends.
void SatelliteBoard::show(SystemBoard &board, const nmea_slmsg &satellite, int snr)
{
    if (snr >= barSnr) {
        qsizetype index = board.prns.indexOf(satellite.prn);
        if (index < 0) {
            board.prns.append(satellite.prn);
            index = board.prns.size() - 1;
            if (board.bars.size() < board.prns.size())
                board.bars.append(0);
        }
        board.bars[index] = snr;
    }
    const quint32 key = skyKey(satellite.system, satellite.prn);
    if (snr >= skySnr && !m_sky.contains(key))
        m_sky.insert(key, {double(satellite.azimuth), 90.0 - satellite.elevation});
}

// Takes away what the ended cycle did not hold up: the bars after a removed
// one move one place toward the start, and a zero bar comes at the end.
void SatelliteBoard::endCycle(SystemBoard &board, quint8 system)
{
    Cycle &cycle = board.cycle;
    for (qsizetype i = board.prns.size() - 1; i >= 0; --i) {
        if (cycle.best.value(board.prns.at(i)) >= barSnr)
            continue;
        board.prns.removeAt(i);
        board.bars.removeAt(i);
        board.bars.append(0);
    }
    for (auto it = m_sky.begin(); it != m_sky.end();) {
        if (systemOf(it.key()) == system && cycle.best.value(prnOf(it.key())) < skySnr)
            it = m_sky.erase(it);
        else
            ++it;
    }
    cycle.best.clear();
    cycle.groups.clear();
    cycle.closingGroup = cycle.lastGroup;
}

void SatelliteBoard::clear()
{
    for (SystemBoard &system : m_systems) {
        system = SystemBoard();
        system.bars = QList<int>(barCount, 0);
    }
    m_sky.clear();
}

QStringList SatelliteBoard::categories(quint8 system) const
{
    const SatelliteSystem *named = satelliteSystem(system);
    if (!named)
        return {};
    QStringList names;
    for (const quint16 prn : m_systems[system - 1].prns)
        names.append(QLatin1String(named->prefix) + QString::number(prn));
    return names;
}

QList<int> SatelliteBoard::bars(quint8 system) const
{
    return satelliteSystem(system) ? m_systems[system - 1].bars : QList<int>();
}

QList<quint32> SatelliteBoard::skyKeys() const
{
    QList<quint32> keys = m_sky.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::optional<SatelliteBoard::SkyPlace> SatelliteBoard::skyPlace(quint32 key) const
{
    const auto place = m_sky.constFind(key);
    if (place == m_sky.cend())
        return std::nullopt;
    return *place;
}

quint32 SatelliteBoard::skyKey(quint8 system, quint16 prn)
{
    return quint32(system) << 16 | prn;
}

quint8 SatelliteBoard::systemOf(quint32 key)
{
    return quint8(key >> 16);
}

quint16 SatelliteBoard::prnOf(quint32 key)
{
    return quint16(key);
}
