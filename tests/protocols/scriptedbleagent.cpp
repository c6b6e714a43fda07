#include "scriptedbleagent.h"

#include "scriptedble.h"

ScriptedBleAgent::ScriptedBleAgent(ScriptedBle &script, QObject *parent)
    : BleDiscoveryAgent(parent)
    , m_script(script)
{
    connect(&m_timer, &QTimer::timeout, this, &ScriptedBleAgent::hearNext);
}

void ScriptedBleAgent::setLowEnergyDiscoveryTimeout(int msecs)
{
    m_script.discoveryTimeoutMs = msecs;
}

void ScriptedBleAgent::start()
{
    m_script.record(QStringLiteral("search"));
    if (m_script.searchFailure) {
        emit errorOccurred(*m_script.searchFailure);
        return;
    }
    m_active = true;
    m_pending = m_script.reports;
    m_timer.start(m_script.answerDelayMs);
}

void ScriptedBleAgent::stop()
{
    m_script.record(QStringLiteral("stop search"));
    if (!m_active)
        return;
    m_active = false;
    m_timer.stop();
    emit canceled();
}

bool ScriptedBleAgent::isActive() const
{
    return m_active;
}

void ScriptedBleAgent::hearNext()
{
    if (!m_pending.isEmpty()) {
        emit deviceDiscovered(m_pending.takeFirst());
        return;
    }
    m_timer.stop();
    if (m_script.searchRunsOn)
        return;
    m_active = false;
    emit finished();
}
