#pragma once

#include "blecharacteristicdata.h"

#include <QBluetoothUuid>
#include <QLowEnergyService>
#include <QObject>

// One GATT service of the connected peripheral, as the device model sees it.
// Characteristics are named by UUID; an operation on a UUID the service does
// not have does nothing. Results arrive later through the signals.
class BleService : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    [[nodiscard]] virtual QBluetoothUuid serviceUuid() const = 0;
    [[nodiscard]] virtual QString serviceName() const = 0;
    [[nodiscard]] virtual QLowEnergyService::ServiceTypes type() const = 0;
    [[nodiscard]] virtual QLowEnergyService::ServiceState state() const = 0;
    // The characteristics in the service's order, with their cached values.
    [[nodiscard]] virtual QList<BleCharacteristicData> characteristics() const = 0;

    virtual void discoverDetails(QLowEnergyService::DiscoveryMode mode) = 0;
    virtual void readCharacteristic(const QBluetoothUuid &characteristic) = 0;
    virtual void writeCharacteristic(const QBluetoothUuid &characteristic, const QByteArray &value,
                                     QLowEnergyService::WriteMode mode) = 0;
    virtual void writeDescriptor(const QBluetoothUuid &characteristic,
                                 const QBluetoothUuid &descriptor, const QByteArray &value) = 0;

Q_SIGNALS:
    void stateChanged(QLowEnergyService::ServiceState state);
    void characteristicRead(const BleCharacteristicData &characteristic, const QByteArray &value);
    void characteristicChanged(const BleCharacteristicData &characteristic,
                               const QByteArray &value);
};
