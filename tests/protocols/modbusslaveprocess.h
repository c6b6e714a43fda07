#pragma once

#include <QProcess>
#include <QString>

// The test Modbus slave (modbustestslave.cpp) run as a process of its own:
// started, asked where it serves, and ended with the object (closing its
// input ends it; one that does not go is killed).
class ModbusSlaveProcess
{
public:
    explicit ModbusSlaveProcess(const QString &program) { m_process.setProgram(program); }
    ~ModbusSlaveProcess()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }
    ModbusSlaveProcess(const ModbusSlaveProcess &) = delete;
    ModbusSlaveProcess &operator=(const ModbusSlaveProcess &) = delete;

    // Starts the slave and reads its "tcp PORT" and "rtu PATH" lines; false
    // when they did not come in time (what it said is in errorText()).
    [[nodiscard]] bool start(int timeoutMs = 10000)
    {
        m_process.start();
        const auto value = [this, timeoutMs](const char *key) {
            while (!m_process.canReadLine() && m_process.waitForReadyRead(timeoutMs))
                continue;
            const QByteArray line = m_process.readLine().trimmed();
            return line.startsWith(key) ? QString::fromLocal8Bit(line.mid(4)) : QString();
        };
        m_tcpPort = quint16(value("tcp ").toUInt());
        m_rtuPath = value("rtu ");
        return m_tcpPort != 0 && !m_rtuPath.isEmpty();
    }
    [[nodiscard]] quint16 tcpPort() const { return m_tcpPort; }
    // The pty a client opens as its serial port.
    [[nodiscard]] QString rtuPath() const { return m_rtuPath; }
    [[nodiscard]] QString errorText()
    {
        return m_process.errorString() + QLatin1Char(' ') +
               QString::fromLocal8Bit(m_process.readAllStandardError());
    }

private:
    QProcess m_process;
    quint16 m_tcpPort = 0;
    QString m_rtuPath;
};
