#pragma once

#include "bleservice.h"

#include <QBluetoothUuid>
#include <QLowEnergyController>
#include <QObject>

#include <memory>

// The central-role link to one peripheral: connects, discovers the services
// and makes service objects for them.
class BleController : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setRemoteAddressType(QLowEnergyController::RemoteAddressType type) = 0;
    virtual void connectToDevice() = 0;
    virtual void disconnectFromDevice() = 0;
    virtual void discoverServices() = 0;
    [[nodiscard]] virtual QLowEnergyController::ControllerState state() const = 0;
    [[nodiscard]] virtual QLowEnergyController::Error error() const = 0;
    // A new service object for a discovered service, or null when the
    // controller knows no such service.
    [[nodiscard]] virtual std::unique_ptr<BleService>
    createServiceObject(const QBluetoothUuid &service) = 0;

Q_SIGNALS:
    void connected();
    void disconnected();
    void errorOccurred(QLowEnergyController::Error error);
    void serviceDiscovered(const QBluetoothUuid &service);
    void discoveryFinished();
};
