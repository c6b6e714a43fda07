#include "device.h"

#include <QMetaEnum>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int lowEnergyDiscoveryTimeoutMs = 25000;

QString uuidText(const QBluetoothUuid &uuid)
{
    return uuid.toString();
}
} // namespace

Device::Device(std::unique_ptr<BleBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
    , m_discoveryAgent(m_backend->createDiscoveryAgent(this))
{
    m_discoveryAgent->setLowEnergyDiscoveryTimeout(lowEnergyDiscoveryTimeoutMs);
    connect(m_discoveryAgent, &BleDiscoveryAgent::deviceDiscovered, this, &Device::addDevice);
    connect(m_discoveryAgent, &BleDiscoveryAgent::errorOccurred, this, &Device::deviceScanError);
    connect(m_discoveryAgent, &BleDiscoveryAgent::finished, this, &Device::deviceScanFinished);
    connect(m_discoveryAgent, &BleDiscoveryAgent::canceled, this, &Device::deviceScanFinished);
    setUpdate(QStringLiteral("Search"));
}

Device::~Device()
{
    qDeleteAll(m_devices);
    qDeleteAll(m_services);
    qDeleteAll(m_characteristics);
}

QVariant Device::getDevices() const
{
    return QVariant::fromValue(m_devices);
}

QVariant Device::getServices() const
{
    return QVariant::fromValue(m_services);
}

QVariant Device::getCharacteristics() const
{
    return QVariant::fromValue(m_characteristics);
}

QList<CharacteristicInfo *> Device::characteristics() const
{
    return m_characteristics;
}

QString Device::getUpdate() const
{
    return m_message;
}

void Device::setUpdate(const QString &message)
{
    m_message = message;
    emit updateChanged();
}

bool Device::state() const
{
    return m_deviceScanState;
}

bool Device::hasControllerError() const
{
    return m_controller && m_controller->error() != QLowEnergyController::NoError;
}

bool Device::isRandomAddress() const
{
    return m_randomAddress;
}

void Device::setRandomAddress(bool newValue)
{
    m_randomAddress = newValue;
    emit randomAddressChanged();
}

void Device::startDeviceDiscovery()
{
    clearDevices();
    m_discoveryAgent->start();
    if (m_discoveryAgent->isActive()) {
        setUpdate(QStringLiteral("Stop"));
        setScanState(true);
    }
}

void Device::stopDeviceDiscovery()
{
    if (m_discoveryAgent->isActive())
        m_discoveryAgent->stop();
}

void Device::addDevice(const QBluetoothDeviceInfo &info)
{
    if (!info.coreConfigurations().testFlag(QBluetoothDeviceInfo::LowEnergyCoreConfiguration))
        return;
    auto *device = new DeviceInfo(info);
    const QString address = device->getAddress();
    const auto same = std::find_if(m_devices.begin(), m_devices.end(),
                                   [&](const DeviceInfo *d) { return d->getAddress() == address; });
    if (same == m_devices.end()) {
        m_devices.append(device);
    } else {
        delete *same;
        *same = device;
    }
    emit devicesUpdated();
}

void Device::deviceScanFinished()
{
    setScanState(false);
    setUpdate(m_devices.isEmpty() ? QStringLiteral("No Low Energy devices found...")
                                  : QStringLiteral("Done! Scan Again!"));
}

void Device::deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error)
{
    static const QMetaEnum errors = QMetaEnum::fromType<QBluetoothDeviceDiscoveryAgent::Error>();
    switch (error) {
    case QBluetoothDeviceDiscoveryAgent::InputOutputError:
        setUpdate(QStringLiteral("Writing or reading from the device resulted in an error."));
        break;
    case QBluetoothDeviceDiscoveryAgent::PoweredOffError:
        setUpdate(QStringLiteral(
            "The Bluetooth adaptor is powered off, power it on before doing discovery."));
        break;
    case QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError:
        setUpdate(tr("No Bluetooth adapter was found."));
        break;
    default:
        setUpdate(QStringLiteral("Error: ") + QLatin1String(errors.valueToKey(error)));
        break;
    }
    setScanState(false);
}

void Device::scanServices(const QString &address)
{
    for (const DeviceInfo *device : std::as_const(m_devices)) {
        if (device->getAddress() == address) {
            m_currentDevice.setDevice(device->getDevice());
            break;
        }
    }
    if (!m_currentDevice.getDevice().isValid())
        return;

    clearCharacteristics();
    clearServices();
    setUpdate(QStringLiteral("Back\n(Connecting to device...)"));

    const QString identifier = m_currentDevice.getAddress();
    if (m_controller && identifier != m_previousAddress) {
        // The old link's own disconnection is no news about the new one.
        m_controller->disconnect(this);
        m_controller->disconnectFromDevice();
        delete m_controller;
        m_controller = nullptr;
    }
    if (!m_controller) {
        m_controller = m_backend->createController(m_currentDevice.getDevice(), this);
        connect(m_controller, &BleController::connected, this, &Device::deviceConnected);
        connect(m_controller, &BleController::errorOccurred, this, &Device::errorReceived);
        connect(m_controller, &BleController::disconnected, this, &Device::deviceDisconnected);
        connect(m_controller, &BleController::serviceDiscovered, this,
                &Device::addLowEnergyService);
        connect(m_controller, &BleController::discoveryFinished, this, &Device::serviceScanDone);
    }
    m_controller->setRemoteAddressType(m_randomAddress ? QLowEnergyController::RandomAddress
                                                       : QLowEnergyController::PublicAddress);
    m_connectCallRunning = true;
    m_controller->connectToDevice();
    m_connectCallRunning = false;
    m_previousAddress = identifier;
}

void Device::addLowEnergyService(const QBluetoothUuid &serviceUuid)
{
    std::unique_ptr<BleService> service = m_controller->createServiceObject(serviceUuid);
    if (!service)
        return;
    m_services.append(new ServiceInfo(std::move(service)));
    emit servicesUpdated();
}

void Device::serviceScanDone()
{
    setUpdate(QStringLiteral("Back\n(Service scan done!)"));
    if (m_services.isEmpty())
        emit servicesUpdated();
    // Services arrive while discovery runs; the browser builds its panels
    // from the complete list.
    emit connected();
}

void Device::connectToService(const QString &uuid)
{
    const auto found = std::find_if(m_services.cbegin(), m_services.cend(),
                                    [&](const ServiceInfo *s) { return s->getUuid() == uuid; });
    if (found == m_services.cend() || !(*found)->service())
        return;
    BleService *service = (*found)->service();

    clearCharacteristics();
    if (service->state() == QLowEnergyService::RemoteService) {
        connect(service, &BleService::stateChanged, this, &Device::serviceDetailsDiscovered,
                Qt::UniqueConnection);
        service->discoverDetails(QLowEnergyService::FullDiscovery);
        setUpdate(QStringLiteral("Back\n(Discovering details...)"));
        return;
    }
    for (const BleCharacteristicData &c : service->characteristics())
        m_characteristics.append(new CharacteristicInfo(uuid, c));
    QTimer::singleShot(0, this, &Device::characteristicsUpdated);
}

void Device::deviceConnected()
{
    setUpdate(QStringLiteral("Back\n(Discovering services...)"));
    m_controller->discoverServices();
}

void Device::errorReceived(QLowEnergyController::Error)
{
    reportDisconnection();
}

void Device::deviceDisconnected()
{
    reportDisconnection();
}

void Device::reportDisconnection()
{
    if (m_connectCallRunning)
        QTimer::singleShot(0, this, &Device::disconnected);
    else
        emit disconnected();
}

void Device::serviceDetailsDiscovered(QLowEnergyService::ServiceState newState)
{
    if (newState == QLowEnergyService::RemoteServiceDiscovering)
        return;
    if (newState != QLowEnergyService::RemoteServiceDiscovered) {
        QMetaObject::invokeMethod(this, "characteristicsUpdated", Qt::QueuedConnection);
        return;
    }
    auto *service = qobject_cast<BleService *>(sender());
    if (!service)
        return;
    const QString uuid = uuidText(service->serviceUuid());
    for (const BleCharacteristicData &c : service->characteristics())
        m_characteristics.append(new CharacteristicInfo(uuid, c));
    connect(service, &BleService::characteristicRead, this, &Device::characteristicRead,
            Qt::UniqueConnection);
    emit characteristics_GetDone(uuid, m_characteristics);
}

void Device::disconnectFromDevice()
{
    if (!m_controller || m_controller->state() == QLowEnergyController::UnconnectedState)
        emit disconnected();
    else
        m_controller->disconnectFromDevice();
}

BleService *Device::findService(const QString &serviceUuid) const
{
    if (serviceUuid.isEmpty())
        return nullptr;
    const auto found =
        std::find_if(m_services.cbegin(), m_services.cend(),
                     [&](const ServiceInfo *s) { return s->getUuid() == serviceUuid; });
    return found == m_services.cend() ? nullptr : (*found)->service();
}

const BleCharacteristicData *
Device::findCharacteristic(const QList<BleCharacteristicData> &characteristics,
                           const QString &characteristicUuid)
{
    const QBluetoothUuid wanted(QUuid::fromString(characteristicUuid));
    const auto found =
        std::find_if(characteristics.cbegin(), characteristics.cend(),
                     [&](const BleCharacteristicData &c) { return c.uuid == wanted; });
    return found == characteristics.cend() ? nullptr : &*found;
}

void Device::readCharacteristic(const QString &serviceUuid, const QString &characteristicUuid)
{
    BleService *service = findService(serviceUuid);
    if (!service)
        return;
    const QList<BleCharacteristicData> all = service->characteristics();
    if (const BleCharacteristicData *c = findCharacteristic(all, characteristicUuid))
        service->readCharacteristic(c->uuid);
}

void Device::characteristicRead(const BleCharacteristicData &characteristic,
                                const QByteArray &value)
{
    emit characteristicValueRead(uuidText(characteristic.uuid), value);
}

void Device::subscribeToNotify(const QString &serviceUuid, const QString &characteristicUuid)
{
    BleService *service = findService(serviceUuid);
    if (!service)
        return;
    const QList<BleCharacteristicData> all = service->characteristics();
    const BleCharacteristicData *c = findCharacteristic(all, characteristicUuid);
    if (!c)
        return;
    const BleCharacteristicData::Descriptor *configuration =
        c->descriptor(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
    if (!configuration)
        return;
    service->writeDescriptor(c->uuid, configuration->uuid, QByteArray::fromHex("0100"));
    // The service's one connection serves every subscribed characteristic.
    if (!m_notifyConnections.contains(service)) {
        m_notifyConnections.insert(service, connect(service, &BleService::characteristicChanged,
                                                    this, &Device::characteristicNotify));
    }
}

void Device::characteristicNotify(const BleCharacteristicData &characteristic,
                                  const QByteArray &value)
{
    emit characteristicValueChanged(uuidText(characteristic.uuid), value);
}

void Device::unsubscribeNotify(BleService *service)
{
    const auto found = m_notifyConnections.find(service);
    if (found == m_notifyConnections.end())
        return;
    disconnect(*found);
    m_notifyConnections.erase(found);
}

void Device::writeCharacteristic(const QString &serviceUuid, const QString &characteristicUuid,
                                 const QByteArray &data)
{
    BleService *service = findService(serviceUuid);
    if (!service)
        return;
    const QList<BleCharacteristicData> all = service->characteristics();
    if (const BleCharacteristicData *c = findCharacteristic(all, characteristicUuid))
        service->writeCharacteristic(c->uuid, data, QLowEnergyService::WriteWithResponse);
}

void Device::clearDevices()
{
    qDeleteAll(m_devices);
    m_devices.clear();
    emit devicesUpdated();
}

void Device::clearServices()
{
    // A deleted service's record would otherwise match a later service
    // object made at the same address.
    for (const ServiceInfo *info : std::as_const(m_services))
        unsubscribeNotify(info->service());
    qDeleteAll(m_services);
    m_services.clear();
    emit servicesUpdated();
}

void Device::clearCharacteristics()
{
    qDeleteAll(m_characteristics);
    m_characteristics.clear();
    emit characteristicsUpdated();
}

void Device::setScanState(bool scanning)
{
    m_deviceScanState = scanning;
    emit stateChanged();
}
