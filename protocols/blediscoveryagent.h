#pragma once

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QObject>

// Searches for Bluetooth Low Energy devices and reports each one it hears.
class BleDiscoveryAgent : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setLowEnergyDiscoveryTimeout(int msecs) = 0;
    // Starts a search with the low-energy method only.
    virtual void start() = 0;
    virtual void stop() = 0;
    [[nodiscard]] virtual bool isActive() const = 0;

Q_SIGNALS:
    void deviceDiscovered(const QBluetoothDeviceInfo &info);
    void errorOccurred(QBluetoothDeviceDiscoveryAgent::Error error);
    void finished();
    void canceled();
};
