#pragma once

#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QLowEnergyCharacteristic>
#include <QString>

// A characteristic as plain data: what the backend seam hands over in place of
// Qt's characteristic class, which only a live service can make.
struct BleCharacteristicData
{
    // One descriptor of the characteristic and its cached value.
    struct Descriptor
    {
        QBluetoothUuid uuid;
        QByteArray value;
    };

    QBluetoothUuid uuid;
    QString name;
    QLowEnergyCharacteristic::PropertyTypes properties;
    QByteArray value;
    QList<Descriptor> descriptors;

    // The first descriptor of the given type, if there is one.
    [[nodiscard]] const Descriptor *descriptor(QBluetoothUuid::DescriptorType type) const
    {
        const QBluetoothUuid wanted(type);
        for (const Descriptor &d : descriptors) {
            if (d.uuid == wanted)
                return &d;
        }
        return nullptr;
    }
};
