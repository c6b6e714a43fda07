#include "qtblecontroller.h"

#include "qtbleservice.h"

QtBleController::QtBleController(const QBluetoothDeviceInfo &device, QObject *parent)
    : BleController(parent)
    , m_controller(QLowEnergyController::createCentral(device, this))
{
    connect(m_controller, &QLowEnergyController::connected, this, &BleController::connected);
    connect(m_controller, &QLowEnergyController::disconnected, this, &BleController::disconnected);
    connect(m_controller, &QLowEnergyController::errorOccurred, this,
            &BleController::errorOccurred);
    connect(m_controller, &QLowEnergyController::serviceDiscovered, this,
            &BleController::serviceDiscovered);
    connect(m_controller, &QLowEnergyController::discoveryFinished, this,
            &BleController::discoveryFinished);
}

void QtBleController::setRemoteAddressType(QLowEnergyController::RemoteAddressType type)
{
    m_controller->setRemoteAddressType(type);
}

void QtBleController::connectToDevice()
{
    m_controller->connectToDevice();
}

void QtBleController::disconnectFromDevice()
{
    m_controller->disconnectFromDevice();
}

void QtBleController::discoverServices()
{
    m_controller->discoverServices();
}

QLowEnergyController::ControllerState QtBleController::state() const
{
    return m_controller->state();
}

QLowEnergyController::Error QtBleController::error() const
{
    return m_controller->error();
}

std::unique_ptr<BleService> QtBleController::createServiceObject(const QBluetoothUuid &service)
{
    QLowEnergyService *made = m_controller->createServiceObject(service);
    if (!made)
        return nullptr;
    return std::make_unique<QtBleService>(made);
}
