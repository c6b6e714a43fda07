#include "qtblebackend.h"

#include "qtblecontroller.h"
#include "qtblediscoveryagent.h"

BleDiscoveryAgent *QtBleBackend::createDiscoveryAgent(QObject *parent)
{
    return new QtBleDiscoveryAgent(parent);
}

BleController *QtBleBackend::createController(const QBluetoothDeviceInfo &device, QObject *parent)
{
    return new QtBleController(device, parent);
}
