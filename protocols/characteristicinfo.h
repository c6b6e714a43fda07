#pragma once

#include "blecharacteristicdata.h"

#include <QObject>
#include <QString>

// One characteristic of a service, with the texts the browser shows for it.
class CharacteristicInfo : public QObject
{
    Q_OBJECT

public:
    CharacteristicInfo(const QString &serviceUuid, const BleCharacteristicData &characteristic);

    [[nodiscard]] QString getUuid() const;
    [[nodiscard]] QString serviceUuid() const;
    // Its own name, else its user description, else "Unknown".
    [[nodiscard]] QString getName() const;
    // "<none>", or the cached value as UTF-8 text, a line feed and compact
    // lower-case hexadecimal.
    [[nodiscard]] QString getValue() const;
    // "( ", the property words each after a blank, " )".
    [[nodiscard]] QString getPermission() const;
    void setCharacteristic(const BleCharacteristicData &characteristic);

Q_SIGNALS:
    void characteristicChanged();

private:
    BleCharacteristicData m_characteristic;
    QString m_serviceUuid;
};
