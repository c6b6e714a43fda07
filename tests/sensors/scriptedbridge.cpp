#include "scriptedbridge.h"

#include "ptypair.h"

namespace {
constexpr int registerCount = 256;
} // namespace

ScriptedBridge::ScriptedBridge(PtyPair &pty, QObject *parent)
    : QObject(parent)
    , m_pty(pty)
    , m_notifier(pty.masterFd(), QSocketNotifier::Read)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &ScriptedBridge::readCommands);
    m_tables.setInterval(20);
    connect(&m_tables, &QTimer::timeout, this, &ScriptedBridge::sendTable);
}

QByteArray &ScriptedBridge::registers(int address)
{
    QByteArray &file = m_registers[address];
    if (file.isEmpty())
        file = QByteArray(registerCount, '\0');
    return file;
}

void ScriptedBridge::setRegister(int address, int reg, quint8 value)
{
    registers(address)[reg] = char(value);
}

quint8 ScriptedBridge::registerValue(int address, int reg) const
{
    return quint8(m_registers.value(address, QByteArray(registerCount, '\0')).at(reg));
}

void ScriptedBridge::clearReceived()
{
    m_received.clear();
    m_commands.clear();
}

void ScriptedBridge::readCommands()
{
    const QByteArray bytes = m_pty.readAvailable();
    m_received += bytes;
    for (const I2cFrame &command : m_decoder.feed(bytes).results) {
        m_commands.append(command);
        obey(command);
    }
}

void ScriptedBridge::obey(const I2cFrame &command)
{
    // A byte of the payload; 0 past its end, so a short command does no harm.
    const auto byte = [&command](qsizetype n) {
        return n < command.payload.size() ? quint8(command.payload.at(n)) : quint8(0);
    };
    switch (command.type) {
    case I2cFrame::Stop:
        m_tables.stop();
        break;
    case I2cFrame::Scan:
        send(I2cFrame::ScanResult, m_devices);
        break;
    case I2cFrame::Start:
        m_tables.start();
        break;
    case I2cFrame::SetAddress:
        m_address = byte(0);
        break;
    case I2cFrame::Write:
        for (qsizetype n = 1; n < command.payload.size(); ++n)
            setRegister(m_address, (byte(0) + n - 1) % registerCount, byte(n));
        break;
    case I2cFrame::Read: {
        QByteArray values;
        for (int n = 0; n < byte(1); ++n)
            values += char(registerValue(m_address, (byte(0) + n) % registerCount));
        send(I2cFrame::ReadResult, values);
        break;
    }
    default:
        break;
    }
}

void ScriptedBridge::send(quint8 type, const QByteArray &payload)
{
    m_pty.write(I2cFrame{type, payload}.encode());
}

void ScriptedBridge::sendTableNow()
{
    if (streaming())
        sendTable();
}

void ScriptedBridge::say(const QByteArray &bytes)
{
    m_pty.write(bytes);
}

void ScriptedBridge::sendTable()
{
    send(I2cFrame::RegisterTable, registers(m_address));
    ++m_tablesSent;
}
