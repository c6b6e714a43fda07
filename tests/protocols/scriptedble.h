#pragma once

#include "blebackend.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QList>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QPointer>
#include <QStringList>

#include <optional>

class ScriptedBleController;
class ScriptedBleService;

// A scripted Bluetooth LE world for tests: the devices a search hears, the
// GATT table of the peripheral that a connection reaches, the failures to
// raise, and a record of everything the peripheral was asked. Answers come
// later, through the event loop, after answerDelayMs.
class ScriptedBle : public BleBackend
{
public:
    // One service of the peripheral's GATT table.
    struct Service
    {
        QBluetoothUuid uuid;
        QString name;
        QList<BleCharacteristicData> characteristics;
        QLowEnergyService::ServiceTypes type = QLowEnergyService::PrimaryService;
        // Detail discovery ends in the invalid state instead.
        bool detailsFail = false;
    };

    // A UUID as the record shows it: 0x and four digits for a 16-bit UUID,
    // else the braced text.
    [[nodiscard]] static QString label(const QBluetoothUuid &uuid);

    [[nodiscard]] BleDiscoveryAgent *createDiscoveryAgent(QObject *parent) override;
    [[nodiscard]] BleController *createController(const QBluetoothDeviceInfo &device,
                                                  QObject *parent) override;

    // Sends a notification from every live service object that has the
    // characteristic.
    void notify(const QBluetoothUuid &characteristic, const QByteArray &value);
    // The peripheral goes away: every connected controller reports it.
    void dropLink();
    // Delivers every answer now due. Answers without delay are posted events
    // and zero timers, so a bounded number of event-loop passes delivers
    // them however busy the machine is.
    static void settle();

    // Called by the scripted objects.
    void record(const QString &call) { calls.append(call); }
    void addService(ScriptedBleService *service);

    // The search: each report is heard in a later event, then the search
    // finishes unless searchRunsOn is set.
    QList<QBluetoothDeviceInfo> reports;
    bool searchRunsOn = false;
    // Raised inside the call that starts the search, which then does not run.
    std::optional<QBluetoothDeviceDiscoveryAgent::Error> searchFailure;
    int discoveryTimeoutMs = 0;

    QList<Service> services;
    // A connection attempt fails with this error: inside the connect call
    // when failInsideCall is set, else later.
    QLowEnergyController::Error connectFailure = QLowEnergyController::NoError;
    bool failInsideCall = true;
    // Reads are never answered.
    bool readsFail = false;
    int answerDelayMs = 0;

    QStringList calls;
    int controllersMade = 0;

private:
    QList<QPointer<ScriptedBleController>> m_controllers;
    QList<QPointer<ScriptedBleService>> m_services;
};
