#pragma once

#include "i2cframe.h"
#include "i2cframedecoder.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

class PtyPair;

// Plays the I2C bridge board on the master end of a pty: answers a bus scan
// with its devices, streams the chosen device's register table after Start
// until Stop, answers register reads, takes register writes, and records
// every byte and every command frame the program sends.
class ScriptedBridge : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedBridge(PtyPair &pty, QObject *parent = nullptr);

    // The addresses a scan finds.
    void setDevices(const QByteArray &addresses) { m_devices = addresses; }
    // One register of a device; every register starts at 0.
    void setRegister(int address, int reg, quint8 value);
    [[nodiscard]] quint8 registerValue(int address, int reg) const;
    // The time between two tables of the stream.
    void setTableInterval(int ms) { m_tables.setInterval(ms); }
    // Sends the next table of the stream now; nothing while not streaming.
    void sendTableNow();
    // Writes bytes at once, as the board's own.
    void say(const QByteArray &bytes);

    [[nodiscard]] bool streaming() const { return m_tables.isActive(); }
    [[nodiscard]] int tablesSent() const { return m_tablesSent; }
    [[nodiscard]] int address() const { return m_address; }
    [[nodiscard]] const QByteArray &received() const { return m_received; }
    [[nodiscard]] const QList<I2cFrame> &commands() const { return m_commands; }
    void clearReceived();

private:
    void readCommands();
    void obey(const I2cFrame &command);
    void send(quint8 type, const QByteArray &payload);
    void sendTable();
    [[nodiscard]] QByteArray &registers(int address);

    PtyPair &m_pty;
    QSocketNotifier m_notifier;
    // The program's commands may carry the longest payload a frame can.
    I2cFrameDecoder m_decoder{I2cFrame::maxPayload};
    QTimer m_tables;
    QByteArray m_devices;
    QHash<int, QByteArray> m_registers;
    int m_address = 0;
    int m_tablesSent = 0;
    QByteArray m_received;
    QList<I2cFrame> m_commands;
};
