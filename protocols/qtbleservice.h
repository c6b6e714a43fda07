#pragma once

#include "bleservice.h"

#include <QLowEnergyCharacteristic>
#include <QLowEnergyService>

// A GATT service on Qt Bluetooth; owns Qt's service object.
class QtBleService : public BleService
{
    Q_OBJECT

public:
    // Takes the service over as a child.
    explicit QtBleService(QLowEnergyService *service);

    [[nodiscard]] QBluetoothUuid serviceUuid() const override;
    [[nodiscard]] QString serviceName() const override;
    [[nodiscard]] QLowEnergyService::ServiceTypes type() const override;
    [[nodiscard]] QLowEnergyService::ServiceState state() const override;
    [[nodiscard]] QList<BleCharacteristicData> characteristics() const override;

    void discoverDetails(QLowEnergyService::DiscoveryMode mode) override;
    void readCharacteristic(const QBluetoothUuid &characteristic) override;
    void writeCharacteristic(const QBluetoothUuid &characteristic, const QByteArray &value,
                             QLowEnergyService::WriteMode mode) override;
    void writeDescriptor(const QBluetoothUuid &characteristic, const QBluetoothUuid &descriptor,
                         const QByteArray &value) override;

private:
    [[nodiscard]] static BleCharacteristicData data(const QLowEnergyCharacteristic &c);

    QLowEnergyService *m_service;
};
