#pragma once

#include <QBluetoothDeviceInfo>
#include <QObject>
#include <QString>

// One device that the search reported, with the identifier the browser knows
// it by.
class DeviceInfo : public QObject
{
    Q_OBJECT

public:
    DeviceInfo() = default;
    explicit DeviceInfo(const QBluetoothDeviceInfo &device);

    [[nodiscard]] QString getName() const;
    // The device UUID in braced form; where the platform reports no device
    // UUID (Linux names LE devices by address), the Bluetooth address, so
    // that every device keeps an identifier of its own.
    [[nodiscard]] QString getAddress() const;
    [[nodiscard]] QBluetoothDeviceInfo getDevice() const;
    void setDevice(const QBluetoothDeviceInfo &device);

Q_SIGNALS:
    void deviceChanged();

private:
    QBluetoothDeviceInfo m_device;
};
