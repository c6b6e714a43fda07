#include "sampleperipheral.h"

#include <QBluetoothAddress>
#include <QMap>

namespace {
using Property = QLowEnergyCharacteristic::PropertyType;

const QBluetoothUuid
    configuration(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
const QBluetoothUuid description(QBluetoothUuid::DescriptorType::CharacteristicUserDescription);

const QMap<QString, QBluetoothUuid> &names()
{
    static const QMap<QString, QBluetoothUuid> table{
        {QStringLiteral("battery"), QBluetoothUuid(quint16(0x180f))},
        {QStringLiteral("level"), QBluetoothUuid(quint16(0x2a19))},
        {QStringLiteral("sensor"),
         QBluetoothUuid(QStringLiteral("{6e400001-b5a3-f393-e0a9-e50e24dcca9e}"))},
        {QStringLiteral("temperature"), QBluetoothUuid(quint16(0x2a6e))},
        {QStringLiteral("command"),
         QBluetoothUuid(QStringLiteral("{6e400002-b5a3-f393-e0a9-e50e24dcca9e}"))},
        {QStringLiteral("raw"),
         QBluetoothUuid(QStringLiteral("{6e400003-b5a3-f393-e0a9-e50e24dcca9e}"))},
        {QStringLiteral("stream"),
         QBluetoothUuid(QStringLiteral("{6e400004-b5a3-f393-e0a9-e50e24dcca9e}"))},
        {QStringLiteral("status"),
         QBluetoothUuid(QStringLiteral("{6e400005-b5a3-f393-e0a9-e50e24dcca9e}"))}};
    return table;
}
} // namespace

QBluetoothUuid SamplePeripheral::uuid(const QString &shortName)
{
    return names().value(shortName);
}

QString SamplePeripheral::shortName(const QString &uuidText)
{
    for (auto it = names().cbegin(); it != names().cend(); ++it) {
        if (it.value().toString() == uuidText)
            return it.key();
    }
    return uuidText;
}

QStringList SamplePeripheral::readable(const QStringList &calls)
{
    QStringList shown;
    for (QString call : calls) {
        for (auto it = names().cbegin(); it != names().cend(); ++it)
            call.replace(ScriptedBle::label(it.value()), it.key());
        shown.append(call);
    }
    return shown;
}

QList<ScriptedBle::Service> SamplePeripheral::services()
{
    const QByteArray off = QByteArray::fromHex("0000");
    return {
        {uuid(QStringLiteral("battery")),
         QStringLiteral("Battery Service"),
         {{uuid(QStringLiteral("level")),
           QStringLiteral("Battery Level"),
           Property::Read | Property::Notify,
           QByteArray::fromHex("64"),
           {{configuration, off}}}}},
        {uuid(QStringLiteral("sensor")),
         QString(),
         {{uuid(QStringLiteral("temperature")),
           QStringLiteral("Temperature"),
           Property::Read,
           QByteArrayLiteral("21.5"),
           {}},
          {uuid(QStringLiteral("command")),
           QString(),
           Property::Write,
           {},
           {{description, QByteArrayLiteral("Command")}}},
          {uuid(QStringLiteral("raw")), QString(), Property::WriteNoResponse, {}, {}},
          {uuid(QStringLiteral("stream")),
           QStringLiteral("Stream"),
           Property::Notify,
           {},
           {{configuration, off}}},
          {uuid(QStringLiteral("status")), QStringLiteral("Status"), Property::Notify, {}, {}}}},
    };
}

QBluetoothDeviceInfo SamplePeripheral::leDevice(const QString &name, const QString &address,
                                                const QString &uuid)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    if (!uuid.isEmpty())
        info.setDeviceUuid(QBluetoothUuid(uuid));
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    return info;
}

QBluetoothDeviceInfo SamplePeripheral::classicDevice(const QString &name, const QString &address)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::BaseRateCoreConfiguration);
    return info;
}
