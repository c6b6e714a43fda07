#include "deviceinfo.h"

#include <QBluetoothAddress>
#include <QBluetoothUuid>

DeviceInfo::DeviceInfo(const QBluetoothDeviceInfo &device)
    : m_device(device)
{}

QString DeviceInfo::getName() const
{
    return m_device.name();
}

QString DeviceInfo::getAddress() const
{
    const QBluetoothUuid uuid = m_device.deviceUuid();
    return uuid.isNull() ? m_device.address().toString() : uuid.toString();
}

QBluetoothDeviceInfo DeviceInfo::getDevice() const
{
    return m_device;
}

void DeviceInfo::setDevice(const QBluetoothDeviceInfo &device)
{
    m_device = device;
    emit deviceChanged();
}
