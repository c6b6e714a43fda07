#include "modbusslaveprocess.h"

#include <QDeadlineTimer>

#include <utility>

ModbusSlaveProcess::ModbusSlaveProcess(QString program)
    : m_program(std::move(program))
{}

// Closing its input ends the slave; one that does not go is killed.
ModbusSlaveProcess::~ModbusSlaveProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool ModbusSlaveProcess::start(int timeoutMs)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(m_program, {});
    const QDeadlineTimer deadline(timeoutMs);
    while (m_tcpPort == 0 || m_rtuPath.isEmpty()) {
        if (!m_process.canReadLine() &&
            !m_process.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1))))
            break;
        while (m_process.canReadLine()) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("tcp "))
                m_tcpPort = quint16(line.mid(4).toUInt());
            else if (line.startsWith("rtu "))
                m_rtuPath = QString::fromLocal8Bit(line.mid(4));
        }
        if (deadline.hasExpired())
            break;
    }
    const bool started = m_tcpPort != 0 && !m_rtuPath.isEmpty();
    if (!started)
        m_errorText = m_process.errorString() + QLatin1Char(' ') +
                      QString::fromLocal8Bit(m_process.readAllStandardError());
    return started;
}
