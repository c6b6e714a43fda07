#include "qtblediscoveryagent.h"

#include <QBluetoothLocalDevice>

QtBleDiscoveryAgent::QtBleDiscoveryAgent(QObject *parent)
    : BleDiscoveryAgent(parent)
{}

void QtBleDiscoveryAgent::setLowEnergyDiscoveryTimeout(int msecs)
{
    m_timeout = msecs;
    if (m_agent)
        m_agent->setLowEnergyDiscoveryTimeout(msecs);
}

void QtBleDiscoveryAgent::start()
{
    // Qt's own agent reports a missing adapter as an input/output error.
    if (QBluetoothLocalDevice::allDevices().isEmpty()) {
        emit errorOccurred(QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError);
        return;
    }
    if (!m_agent) {
        m_agent = new QBluetoothDeviceDiscoveryAgent(this);
        m_agent->setLowEnergyDiscoveryTimeout(m_timeout);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
                &BleDiscoveryAgent::deviceDiscovered);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this,
                &BleDiscoveryAgent::errorOccurred);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this,
                &BleDiscoveryAgent::finished);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::canceled, this,
                &BleDiscoveryAgent::canceled);
    }
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void QtBleDiscoveryAgent::stop()
{
    if (m_agent)
        m_agent->stop();
}

bool QtBleDiscoveryAgent::isActive() const
{
    return m_agent && m_agent->isActive();
}
