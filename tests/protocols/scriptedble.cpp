#include "scriptedble.h"

#include "scriptedbleagent.h"
#include "scriptedblecontroller.h"
#include "scriptedbleservice.h"

#include <QCoreApplication>

QString ScriptedBle::label(const QBluetoothUuid &uuid)
{
    bool isShort = false;
    const quint16 value = uuid.toUInt16(&isShort);
    return isShort ? QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0')) : uuid.toString();
}

BleDiscoveryAgent *ScriptedBle::createDiscoveryAgent(QObject *parent)
{
    return new ScriptedBleAgent(*this, parent);
}

BleController *ScriptedBle::createController(const QBluetoothDeviceInfo &device, QObject *parent)
{
    ++controllersMade;
    auto *controller = new ScriptedBleController(*this, device, parent);
    m_controllers.append(controller);
    return controller;
}

void ScriptedBle::addService(ScriptedBleService *service)
{
    m_services.append(service);
}

void ScriptedBle::notify(const QBluetoothUuid &characteristic, const QByteArray &value)
{
    for (const QPointer<ScriptedBleService> &service : std::as_const(m_services)) {
        if (service)
            service->sendNotification(characteristic, value);
    }
}

void ScriptedBle::dropLink()
{
    for (const QPointer<ScriptedBleController> &controller : std::as_const(m_controllers)) {
        if (controller)
            controller->dropLink();
    }
}

void ScriptedBle::settle()
{
    // Deeper than the longest chain of answers (connect, discover, details).
    for (int pass = 0; pass < 16; ++pass)
        QCoreApplication::processEvents();
}
