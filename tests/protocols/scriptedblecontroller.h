#pragma once

#include "blecontroller.h"

#include <QBluetoothDeviceInfo>

class ScriptedBle;

// A link to the scripted peripheral.
class ScriptedBleController : public BleController
{
    Q_OBJECT

public:
    ScriptedBleController(ScriptedBle &script, const QBluetoothDeviceInfo &device, QObject *parent);

    void setRemoteAddressType(QLowEnergyController::RemoteAddressType type) override;
    void connectToDevice() override;
    void disconnectFromDevice() override;
    void discoverServices() override;
    [[nodiscard]] QLowEnergyController::ControllerState state() const override;
    [[nodiscard]] QLowEnergyController::Error error() const override;
    [[nodiscard]] std::unique_ptr<BleService>
    createServiceObject(const QBluetoothUuid &service) override;

    // The peripheral went away.
    void dropLink();

private:
    void fail();
    // Runs the answer after the script's delay, unless this goes first.
    template <typename Answer> void later(Answer answer);

    ScriptedBle &m_script;
    QString m_name;
    QLowEnergyController::ControllerState m_state = QLowEnergyController::UnconnectedState;
    QLowEnergyController::Error m_error = QLowEnergyController::NoError;
};
