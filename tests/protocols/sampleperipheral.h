#pragma once

#include "scriptedble.h"

#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QString>

// The peripheral the Bluetooth LE tests talk to, and devices for the search.
// Battery service: "level" (read, notify, with its configuration descriptor).
// Sensor service: "temperature" (read), "command" (write; named only by its
// user description), "raw" (write without response only, no name), "stream"
// (notify), "status" (notify, but no configuration descriptor).
class SamplePeripheral
{
public:
    [[nodiscard]] static QList<ScriptedBle::Service> services();
    // The UUID for a short name used in the test tables: battery, sensor,
    // level, temperature, command, raw, stream, status.
    [[nodiscard]] static QBluetoothUuid uuid(const QString &shortName);
    // The short name of a UUID text, or the text itself.
    [[nodiscard]] static QString shortName(const QString &uuidText);
    // The scripted peripheral's record with the sample's UUIDs by short name.
    [[nodiscard]] static QStringList readable(const QStringList &calls);
    [[nodiscard]] static QBluetoothDeviceInfo leDevice(const QString &name, const QString &address,
                                                       const QString &uuid = {});
    [[nodiscard]] static QBluetoothDeviceInfo classicDevice(const QString &name,
                                                            const QString &address);
};
