#pragma once

#include "bleservice.h"
#include "scriptedble.h"

// One service of the scripted peripheral, with its own copy of the values.
class ScriptedBleService : public BleService
{
    Q_OBJECT

public:
    ScriptedBleService(ScriptedBle &script, const ScriptedBle::Service &service);

    [[nodiscard]] QBluetoothUuid serviceUuid() const override;
    [[nodiscard]] QString serviceName() const override;
    [[nodiscard]] QLowEnergyService::ServiceTypes type() const override;
    [[nodiscard]] QLowEnergyService::ServiceState state() const override;
    // Empty until the details are discovered, as on a real link.
    [[nodiscard]] QList<BleCharacteristicData> characteristics() const override;

    void discoverDetails(QLowEnergyService::DiscoveryMode mode) override;
    void readCharacteristic(const QBluetoothUuid &characteristic) override;
    void writeCharacteristic(const QBluetoothUuid &characteristic, const QByteArray &value,
                             QLowEnergyService::WriteMode mode) override;
    void writeDescriptor(const QBluetoothUuid &characteristic, const QBluetoothUuid &descriptor,
                         const QByteArray &value) override;

    // Emits a change of the characteristic when this service has it.
    void sendNotification(const QBluetoothUuid &characteristic, const QByteArray &value);

private:
    [[nodiscard]] BleCharacteristicData *find(const QBluetoothUuid &characteristic);

    ScriptedBle &m_script;
    ScriptedBle::Service m_service;
    QLowEnergyService::ServiceState m_state = QLowEnergyService::RemoteService;
};
