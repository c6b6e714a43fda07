#pragma once

#include "i2cframe.h"
#include "i2cframedecoder.h"
#include "ptypair.h"

#include <QHash>
#include <QObject>
#include <QSocketNotifier>

// Plays the I2C bridge board on the master end of a pty: answers a bus scan
// with `devices`, sends the chosen device's register table on sendTable()
// between Start and Stop, answers register reads, takes register writes, and
// records every byte the program sends.
class ScriptedBridge : public QObject
{
public:
    explicit ScriptedBridge(PtyPair &pty)
        : m_pty(pty)
        , m_notifier(pty.masterFd(), QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] {
            const QByteArray bytes = m_pty.readAvailable();
            received += bytes;
            for (const I2cFrame &command : m_decoder.feed(bytes).results)
                obey(command);
        });
    }

    // A device's 256 registers, all 0 at first.
    QByteArray &registers(int address)
    {
        QByteArray &file = m_registers[address];
        if (file.isEmpty())
            file = QByteArray(256, '\0');
        return file;
    }
    void sendTable()
    {
        if (streaming)
            send(I2cFrame::RegisterTable, registers(m_address));
    }
    void say(const QByteArray &bytes) { m_pty.write(bytes); }

    QByteArray devices;
    QByteArray received;
    bool streaming = false;

private:
    void send(quint8 type, const QByteArray &payload) { say(I2cFrame{type, payload}.encode()); }
    void obey(const I2cFrame &command)
    {
        // A byte of the payload; 0 past its end, so a short command does no harm.
        const auto byte = [&command](qsizetype n) {
            return n < command.payload.size() ? quint8(command.payload.at(n)) : 0;
        };
        QByteArray &file = registers(m_address);
        switch (command.type) {
        case I2cFrame::Stop:
        case I2cFrame::Start:
            streaming = command.type == I2cFrame::Start;
            break;
        case I2cFrame::Scan:
            send(I2cFrame::ScanResult, devices);
            break;
        case I2cFrame::SetAddress:
            m_address = byte(0);
            break;
        case I2cFrame::Write:
            for (qsizetype n = 1; n < command.payload.size(); ++n)
                file[(byte(0) + n - 1) % file.size()] = char(byte(n));
            break;
        case I2cFrame::Read: {
            QByteArray values;
            for (int n = 0; n < byte(1); ++n)
                values += file.at((byte(0) + n) % file.size());
            send(I2cFrame::ReadResult, values);
            break;
        }
        default:
            break;
        }
    }

    PtyPair &m_pty;
    QSocketNotifier m_notifier;
    // The program's commands may carry the longest payload a frame can.
    I2cFrameDecoder m_decoder{I2cFrame::maxPayload};
    QHash<int, QByteArray> m_registers;
    int m_address = 0;
};
