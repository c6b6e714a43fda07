#include "qtbleservice.h"

#include <QLowEnergyDescriptor>

QtBleService::QtBleService(QLowEnergyService *service)
    : m_service(service)
{
    m_service->setParent(this);
    connect(m_service, &QLowEnergyService::stateChanged, this, &BleService::stateChanged);
    connect(m_service, &QLowEnergyService::characteristicRead, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit characteristicRead(data(c), value);
            });
    connect(m_service, &QLowEnergyService::characteristicChanged, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit characteristicChanged(data(c), value);
            });
}

QBluetoothUuid QtBleService::serviceUuid() const
{
    return m_service->serviceUuid();
}

QString QtBleService::serviceName() const
{
    return m_service->serviceName();
}

QLowEnergyService::ServiceTypes QtBleService::type() const
{
    return m_service->type();
}

QLowEnergyService::ServiceState QtBleService::state() const
{
    return m_service->state();
}

QList<BleCharacteristicData> QtBleService::characteristics() const
{
    QList<BleCharacteristicData> all;
    for (const QLowEnergyCharacteristic &c : m_service->characteristics())
        all.append(data(c));
    return all;
}

void QtBleService::discoverDetails(QLowEnergyService::DiscoveryMode mode)
{
    m_service->discoverDetails(mode);
}

void QtBleService::readCharacteristic(const QBluetoothUuid &characteristic)
{
    const QLowEnergyCharacteristic c = m_service->characteristic(characteristic);
    if (c.isValid())
        m_service->readCharacteristic(c);
}

void QtBleService::writeCharacteristic(const QBluetoothUuid &characteristic,
                                       const QByteArray &value, QLowEnergyService::WriteMode mode)
{
    const QLowEnergyCharacteristic c = m_service->characteristic(characteristic);
    if (c.isValid())
        m_service->writeCharacteristic(c, value, mode);
}

void QtBleService::writeDescriptor(const QBluetoothUuid &characteristic,
                                   const QBluetoothUuid &descriptor, const QByteArray &value)
{
    const QLowEnergyDescriptor d = m_service->characteristic(characteristic).descriptor(descriptor);
    if (d.isValid())
        m_service->writeDescriptor(d, value);
}

BleCharacteristicData QtBleService::data(const QLowEnergyCharacteristic &c)
{
    BleCharacteristicData made{c.uuid(), c.name(), c.properties(), c.value(), {}};
    for (const QLowEnergyDescriptor &d : c.descriptors())
        made.descriptors.append({d.uuid(), d.value()});
    return made;
}
