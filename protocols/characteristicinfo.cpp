#include "characteristicinfo.h"

CharacteristicInfo::CharacteristicInfo(const QString &serviceUuid,
                                       const BleCharacteristicData &characteristic)
    : m_characteristic(characteristic)
    , m_serviceUuid(serviceUuid)
{}

QString CharacteristicInfo::getUuid() const
{
    return m_characteristic.uuid.toString();
}

QString CharacteristicInfo::serviceUuid() const
{
    return m_serviceUuid;
}

QString CharacteristicInfo::getName() const
{
    if (!m_characteristic.name.isEmpty())
        return m_characteristic.name;
    const BleCharacteristicData::Descriptor *description =
        m_characteristic.descriptor(QBluetoothUuid::DescriptorType::CharacteristicUserDescription);
    const QString described = description ? QString::fromUtf8(description->value) : QString();
    return described.isEmpty() ? QStringLiteral("Unknown") : described;
}

QString CharacteristicInfo::getValue() const
{
    const QByteArray &value = m_characteristic.value;
    if (value.isEmpty())
        return QStringLiteral("<none>");
    return QString::fromUtf8(value) + QLatin1Char('\n') + QString::fromLatin1(value.toHex());
}

QString CharacteristicInfo::getPermission() const
{
    using Property = QLowEnergyCharacteristic::PropertyType;
    static const struct
    {
        Property flag;
        const char *word;
    } words[] = {{Property::Read, " Read"},
                 {Property::Write, " Write"},
                 {Property::Notify, " Notify"},
                 {Property::Indicate, " Indicate"},
                 {Property::ExtendedProperty, " ExtendedProperty"},
                 {Property::Broadcasting, " Broadcast"},
                 {Property::WriteNoResponse, " WriteNoResp"},
                 {Property::WriteSigned, " WriteSigned"}};
    QString text = QStringLiteral("( ");
    for (const auto &word : words) {
        if (m_characteristic.properties.testFlag(word.flag))
            text += QLatin1String(word.word);
    }
    return text + QStringLiteral(" )");
}

void CharacteristicInfo::setCharacteristic(const BleCharacteristicData &characteristic)
{
    m_characteristic = characteristic;
    emit characteristicChanged();
}
