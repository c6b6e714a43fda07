#pragma once

#include <QProcess>
#include <QString>

// The test Modbus slave (modbustestslave.cpp) run as a process of its own:
// started, asked where it serves, and ended with the object.
class ModbusSlaveProcess
{
public:
    explicit ModbusSlaveProcess(QString program);
    ~ModbusSlaveProcess();
    ModbusSlaveProcess(const ModbusSlaveProcess &) = delete;
    ModbusSlaveProcess &operator=(const ModbusSlaveProcess &) = delete;

    // Starts the slave and reads where it serves; false when it did not say
    // so in time (what it said is in errorText()).
    [[nodiscard]] bool start(int timeoutMs = 10000);
    [[nodiscard]] quint16 tcpPort() const { return m_tcpPort; }
    // The pty a client opens as its serial port.
    [[nodiscard]] QString rtuPath() const { return m_rtuPath; }
    [[nodiscard]] QString errorText() const { return m_errorText; }

private:
    QString m_program;
    QProcess m_process;
    quint16 m_tcpPort = 0;
    QString m_rtuPath;
    QString m_errorText;
};
