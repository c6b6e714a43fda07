#pragma once

#include "blebackend.h"

// The backend on the machine's Bluetooth stack through Qt Bluetooth.
class QtBleBackend : public BleBackend
{
public:
    [[nodiscard]] BleDiscoveryAgent *createDiscoveryAgent(QObject *parent) override;
    [[nodiscard]] BleController *createController(const QBluetoothDeviceInfo &device,
                                                  QObject *parent) override;
};
