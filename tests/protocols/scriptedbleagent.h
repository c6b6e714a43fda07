#pragma once

#include "blediscoveryagent.h"

#include <QList>
#include <QTimer>

class ScriptedBle;

// The search of the scripted world: hears its reports one event at a time.
class ScriptedBleAgent : public BleDiscoveryAgent
{
    Q_OBJECT

public:
    ScriptedBleAgent(ScriptedBle &script, QObject *parent);

    void setLowEnergyDiscoveryTimeout(int msecs) override;
    void start() override;
    void stop() override;
    [[nodiscard]] bool isActive() const override;

private:
    void hearNext();

    ScriptedBle &m_script;
    QTimer m_timer;
    QList<QBluetoothDeviceInfo> m_pending;
    bool m_active = false;
};
