#pragma once

#include "blediscoveryagent.h"

#include <QBluetoothDeviceDiscoveryAgent>

// The discovery agent on Qt Bluetooth. Qt's agent is made at the first start,
// so a program that never searches never asks the Bluetooth stack; a start
// without any local adapter fails at once with InvalidBluetoothAdapterError.
class QtBleDiscoveryAgent : public BleDiscoveryAgent
{
    Q_OBJECT

public:
    explicit QtBleDiscoveryAgent(QObject *parent);

    void setLowEnergyDiscoveryTimeout(int msecs) override;
    void start() override;
    void stop() override;
    [[nodiscard]] bool isActive() const override;

private:
    QBluetoothDeviceDiscoveryAgent *m_agent = nullptr;
    int m_timeout = 0;
};
