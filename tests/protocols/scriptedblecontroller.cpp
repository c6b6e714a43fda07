#include "scriptedblecontroller.h"

#include "scriptedble.h"
#include "scriptedbleservice.h"

#include <QTimer>

ScriptedBleController::ScriptedBleController(ScriptedBle &script,
                                             const QBluetoothDeviceInfo &device, QObject *parent)
    : BleController(parent)
    , m_script(script)
    , m_name(device.name())
{}

template <typename Answer> void ScriptedBleController::later(Answer answer)
{
    QTimer::singleShot(m_script.answerDelayMs, this, answer);
}

void ScriptedBleController::setRemoteAddressType(QLowEnergyController::RemoteAddressType type)
{
    m_script.record(type == QLowEnergyController::RandomAddress ? QStringLiteral("random address")
                                                                : QStringLiteral("public address"));
}

void ScriptedBleController::connectToDevice()
{
    m_script.record(QStringLiteral("connect ") + m_name);
    if (m_state != QLowEnergyController::UnconnectedState)
        return;
    if (m_script.connectFailure != QLowEnergyController::NoError) {
        if (m_script.failInsideCall)
            fail();
        else
            later([this] { fail(); });
        return;
    }
    m_state = QLowEnergyController::ConnectingState;
    later([this] {
        m_state = QLowEnergyController::ConnectedState;
        emit connected();
    });
}

void ScriptedBleController::fail()
{
    m_state = QLowEnergyController::UnconnectedState;
    m_error = m_script.connectFailure;
    emit errorOccurred(m_error);
}

void ScriptedBleController::disconnectFromDevice()
{
    m_script.record(QStringLiteral("disconnect ") + m_name);
    if (m_state == QLowEnergyController::UnconnectedState)
        return;
    m_state = QLowEnergyController::ClosingState;
    later([this] { dropLink(); });
}

void ScriptedBleController::dropLink()
{
    if (m_state == QLowEnergyController::UnconnectedState)
        return;
    m_state = QLowEnergyController::UnconnectedState;
    emit disconnected();
}

void ScriptedBleController::discoverServices()
{
    m_script.record(QStringLiteral("discover services"));
    m_state = QLowEnergyController::DiscoveringState;
    later([this] {
        for (const ScriptedBle::Service &service : std::as_const(m_script.services))
            emit serviceDiscovered(service.uuid);
        m_state = QLowEnergyController::DiscoveredState;
        emit discoveryFinished();
    });
}

QLowEnergyController::ControllerState ScriptedBleController::state() const
{
    return m_state;
}

QLowEnergyController::Error ScriptedBleController::error() const
{
    return m_error;
}

std::unique_ptr<BleService> ScriptedBleController::createServiceObject(const QBluetoothUuid &uuid)
{
    for (const ScriptedBle::Service &service : std::as_const(m_script.services)) {
        if (service.uuid == uuid) {
            auto made = std::make_unique<ScriptedBleService>(m_script, service);
            m_script.addService(made.get());
            return made;
        }
    }
    return nullptr;
}
