#pragma once

#include "blecontroller.h"

#include <QBluetoothDeviceInfo>
#include <QLowEnergyController>

// The central-role controller on Qt Bluetooth.
class QtBleController : public BleController
{
    Q_OBJECT

public:
    QtBleController(const QBluetoothDeviceInfo &device, QObject *parent);

    void setRemoteAddressType(QLowEnergyController::RemoteAddressType type) override;
    void connectToDevice() override;
    void disconnectFromDevice() override;
    void discoverServices() override;
    [[nodiscard]] QLowEnergyController::ControllerState state() const override;
    [[nodiscard]] QLowEnergyController::Error error() const override;
    [[nodiscard]] std::unique_ptr<BleService>
    createServiceObject(const QBluetoothUuid &service) override;

private:
    QLowEnergyController *m_controller;
};
