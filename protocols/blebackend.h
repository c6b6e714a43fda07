#pragma once

#include "blecontroller.h"
#include "blediscoveryagent.h"

#include <QBluetoothDeviceInfo>

// Makes the Bluetooth objects the device model runs on: the seam between the
// model and the Bluetooth stack (or a scripted peripheral in the tests).
class BleBackend
{
public:
    BleBackend() = default;
    virtual ~BleBackend() = default;
    BleBackend(const BleBackend &) = delete;
    BleBackend &operator=(const BleBackend &) = delete;

    [[nodiscard]] virtual BleDiscoveryAgent *createDiscoveryAgent(QObject *parent) = 0;
    [[nodiscard]] virtual BleController *createController(const QBluetoothDeviceInfo &device,
                                                          QObject *parent) = 0;
};
