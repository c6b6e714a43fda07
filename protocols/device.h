#pragma once

#include "blebackend.h"
#include "characteristicinfo.h"
#include "deviceinfo.h"
#include "serviceinfo.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QList>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QMap>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

// The Bluetooth LE browser's model: searches for devices, connects to one as
// a GATT client, discovers its services and their characteristics, and reads,
// writes and subscribes to values. Everything completes through signals.
class Device : public QObject
{
    Q_OBJECT

public:
    explicit Device(std::unique_ptr<BleBackend> backend, QObject *parent = nullptr);
    ~Device() override;

    [[nodiscard]] QVariant getDevices() const;
    [[nodiscard]] QVariant getServices() const;
    [[nodiscard]] QVariant getCharacteristics() const;
    [[nodiscard]] QList<CharacteristicInfo *> characteristics() const;
    [[nodiscard]] QString getUpdate() const;
    void setUpdate(const QString &message);
    [[nodiscard]] bool state() const;
    [[nodiscard]] bool hasControllerError() const;
    [[nodiscard]] bool isRandomAddress() const;
    void setRandomAddress(bool newValue);

public Q_SLOTS:
    void startDeviceDiscovery();
    void stopDeviceDiscovery();
    void scanServices(const QString &address);
    void connectToService(const QString &uuid);
    void disconnectFromDevice();
    void readCharacteristic(const QString &serviceUuid, const QString &characteristicUuid);
    void characteristicRead(const BleCharacteristicData &characteristic, const QByteArray &value);
    void unsubscribeNotify(BleService *service);
    void characteristicNotify(const BleCharacteristicData &characteristic, const QByteArray &value);
    void subscribeToNotify(const QString &serviceUuid, const QString &characteristicUuid);
    void writeCharacteristic(const QString &serviceUuid, const QString &characteristicUuid,
                             const QByteArray &data);

Q_SIGNALS:
    void connected();
    void devicesUpdated();
    void servicesUpdated();
    void characteristicsUpdated();
    void characteristics_GetDone(const QString &serviceUuid,
                                 const QList<CharacteristicInfo *> &characteristics);
    void updateChanged();
    void stateChanged();
    void disconnected();
    void randomAddressChanged();
    void characteristicValueRead(const QString &characteristicUuid, const QByteArray &value);
    void characteristicValueChanged(const QString &characteristicUuid, const QByteArray &value);

private Q_SLOTS:
    void addDevice(const QBluetoothDeviceInfo &info);
    void deviceScanFinished();
    void deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error);
    void addLowEnergyService(const QBluetoothUuid &serviceUuid);
    void deviceConnected();
    void errorReceived(QLowEnergyController::Error error);
    void serviceScanDone();
    void deviceDisconnected();
    void serviceDetailsDiscovered(QLowEnergyService::ServiceState newState);

private:
    void clearDevices();
    void clearServices();
    void clearCharacteristics();
    void setScanState(bool scanning);
    // Tells the browser of a lost or failed connection; one that the call
    // starting the connection raised is told once that call has returned.
    void reportDisconnection();
    [[nodiscard]] BleService *findService(const QString &serviceUuid) const;
    [[nodiscard]] static const BleCharacteristicData *
    findCharacteristic(const QList<BleCharacteristicData> &characteristics,
                       const QString &characteristicUuid);

    std::unique_ptr<BleBackend> m_backend;
    QList<ServiceInfo *> m_services;
    BleDiscoveryAgent *m_discoveryAgent;
    DeviceInfo m_currentDevice;
    QList<DeviceInfo *> m_devices;
    QList<CharacteristicInfo *> m_characteristics;
    QString m_previousAddress;
    QString m_message;
    BleController *m_controller = nullptr;
    bool m_deviceScanState = false;
    bool m_randomAddress = false;
    // One notification connection per subscribed service.
    QMap<BleService *, QMetaObject::Connection> m_notifyConnections;
    bool m_connectCallRunning = false;
};
