#include "scriptedbleservice.h"

#include <QTimer>

ScriptedBleService::ScriptedBleService(ScriptedBle &script, const ScriptedBle::Service &service)
    : m_script(script)
    , m_service(service)
{}

QBluetoothUuid ScriptedBleService::serviceUuid() const
{
    return m_service.uuid;
}

QString ScriptedBleService::serviceName() const
{
    return m_service.name;
}

QLowEnergyService::ServiceTypes ScriptedBleService::type() const
{
    return m_service.type;
}

QLowEnergyService::ServiceState ScriptedBleService::state() const
{
    return m_state;
}

QList<BleCharacteristicData> ScriptedBleService::characteristics() const
{
    return m_state == QLowEnergyService::RemoteServiceDiscovered ? m_service.characteristics
                                                                 : QList<BleCharacteristicData>();
}

void ScriptedBleService::discoverDetails(QLowEnergyService::DiscoveryMode mode)
{
    m_script.record(
        QStringLiteral("details %1%2")
            .arg(ScriptedBle::label(m_service.uuid),
                 mode == QLowEnergyService::FullDiscovery ? QString() : QStringLiteral(" skip")));
    m_state = QLowEnergyService::RemoteServiceDiscovering;
    emit stateChanged(m_state);
    QTimer::singleShot(m_script.answerDelayMs, this, [this] {
        m_state = m_service.detailsFail ? QLowEnergyService::InvalidService
                                        : QLowEnergyService::RemoteServiceDiscovered;
        emit stateChanged(m_state);
    });
}

BleCharacteristicData *ScriptedBleService::find(const QBluetoothUuid &characteristic)
{
    for (BleCharacteristicData &c : m_service.characteristics) {
        if (c.uuid == characteristic)
            return &c;
    }
    return nullptr;
}

void ScriptedBleService::readCharacteristic(const QBluetoothUuid &characteristic)
{
    m_script.record(QStringLiteral("read ") + ScriptedBle::label(characteristic));
    if (m_script.readsFail)
        return;
    QTimer::singleShot(m_script.answerDelayMs, this, [this, characteristic] {
        if (const BleCharacteristicData *c = find(characteristic))
            emit characteristicRead(*c, c->value);
    });
}

void ScriptedBleService::writeCharacteristic(const QBluetoothUuid &characteristic,
                                             const QByteArray &value,
                                             QLowEnergyService::WriteMode mode)
{
    const QString how = mode == QLowEnergyService::WriteWithResponse
                            ? QStringLiteral("with response")
                            : QStringLiteral("without response");
    m_script.record(
        QStringLiteral("write %1 %2 %3")
            .arg(ScriptedBle::label(characteristic), QString::fromLatin1(value.toHex()), how));
    if (BleCharacteristicData *c = find(characteristic))
        c->value = value;
}

void ScriptedBleService::writeDescriptor(const QBluetoothUuid &characteristic,
                                         const QBluetoothUuid &descriptor, const QByteArray &value)
{
    m_script.record(QStringLiteral("descriptor %1 %2 %3")
                        .arg(ScriptedBle::label(characteristic), ScriptedBle::label(descriptor),
                             QString::fromLatin1(value.toHex())));
    if (BleCharacteristicData *c = find(characteristic)) {
        for (BleCharacteristicData::Descriptor &d : c->descriptors) {
            if (d.uuid == descriptor)
                d.value = value;
        }
    }
}

void ScriptedBleService::sendNotification(const QBluetoothUuid &characteristic,
                                          const QByteArray &value)
{
    if (BleCharacteristicData *c = find(characteristic)) {
        c->value = value;
        emit characteristicChanged(*c, value);
    }
}
