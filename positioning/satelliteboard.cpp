#include "satelliteboard.h"

#include <algorithm>

SatelliteBoard::SatelliteBoard()
{
    clear();
}

SatelliteBoard::Change SatelliteBoard::place(const nmea_slmsg &satellite)
{
    Change change;
    const SatelliteSystem *system = satelliteSystem(satellite.system);
    if (!system)
        return change;
    change.system = system->code;
    SystemBars &shown = m_systems[system->code - 1];

    const QString name = QLatin1String(system->prefix) + QString::number(satellite.prn);
    qsizetype index = shown.categories.indexOf(name);
    const bool added = index < 0;
    if (added) {
        shown.categories.append(name);
        index = shown.categories.size() - 1;
        if (shown.bars.size() < shown.categories.size())
            shown.bars.append(0);
    }
    change.bar = int(index);
    change.snr = satellite.snr;
    if (satellite.snr < barSnr) {
        // A new satellite this weak never had a bar: nothing changes.
        shown.categories.removeAt(index);
        shown.bars.removeAt(index);
        shown.bars.append(0);
        change.bars = added ? BarChange::None : BarChange::Removed;
        change.categoriesChanged = !added;
    } else {
        shown.bars[index] = satellite.snr;
        change.bars = BarChange::Set;
        change.categoriesChanged = added;
    }

    const quint32 key = skyKey(system->code, satellite.prn);
    change.skyKey = key;
    const bool skyShown = m_sky.contains(key);
    if (!skyShown && satellite.snr >= skySnr) {
        m_sky.insert(key);
        change.sky = SkyChange::Show;
        change.azimuth = satellite.azimuth;
        change.radial = 90 - satellite.elevation;
    } else if (skyShown && satellite.snr < skySnr) {
        m_sky.remove(key);
        change.sky = SkyChange::Hide;
    }
    return change;
}

void SatelliteBoard::clear()
{
    for (SystemBars &system : m_systems) {
        system.categories.clear();
        system.bars = QList<int>(barCount, 0);
    }
    m_sky.clear();
}

QStringList SatelliteBoard::categories(quint8 system) const
{
    return satelliteSystem(system) ? m_systems[system - 1].categories : QStringList();
}

QList<int> SatelliteBoard::bars(quint8 system) const
{
    return satelliteSystem(system) ? m_systems[system - 1].bars : QList<int>();
}

bool SatelliteBoard::skyShown(quint8 system, quint16 prn) const
{
    return m_sky.contains(skyKey(system, prn));
}

QList<quint32> SatelliteBoard::skyKeys() const
{
    QList<quint32> keys(m_sky.cbegin(), m_sky.cend());
    std::sort(keys.begin(), keys.end());
    return keys;
}

quint32 SatelliteBoard::skyKey(quint8 system, quint16 prn)
{
    return quint32(system) << 16 | prn;
}
