#pragma once

#include "i2cframe.h"
#include "i2cframedecoder.h"
#include "ptypair.h"

#include <QObject>
#include <QSocketNotifier>

// Plays the I2C bridge board on the master end of a pty: answers a bus scan
// with `devices`, sends its register table on sendTable() (or a burst of
// changing tables on sendBurst()) between Start and Stop, answers register
// reads, takes register writes, and records every byte the program sends.
// Every device address shares the one table.
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

    void sendTable()
    {
        if (m_streaming)
            send(I2cFrame::RegisterTable, registers);
    }
    // `count` tables in one write, every register one more in each.
    void sendBurst(int count)
    {
        QByteArray tables;
        for (int n = 0; m_streaming && n < count; ++n) {
            for (char &value : registers)
                ++value;
            tables += I2cFrame{I2cFrame::RegisterTable, registers}.encode();
        }
        say(tables);
    }
    void say(const QByteArray &bytes) { m_pty.write(bytes); }

    QByteArray devices;
    QByteArray registers = QByteArray(256, '\0');
    QByteArray received;

private:
    void send(quint8 type, const QByteArray &payload) { say(I2cFrame{type, payload}.encode()); }
    void obey(const I2cFrame &command)
    {
        // Zeros past the payload's end, so a short command does no harm.
        const QByteArray payload = command.payload + QByteArray(2, '\0');
        const int first = quint8(payload.at(0));
        if (command.type == I2cFrame::Start || command.type == I2cFrame::Stop)
            m_streaming = command.type == I2cFrame::Start;
        else if (command.type == I2cFrame::Scan)
            send(I2cFrame::ScanResult, devices);
        else if (command.type == I2cFrame::Read) // wrapping past the last register
            send(I2cFrame::ReadResult, (registers + registers).mid(first, quint8(payload.at(1))));
        for (qsizetype n = 1; command.type == I2cFrame::Write && n < command.payload.size(); ++n)
            registers[(first + n - 1) % 256] = payload.at(n);
    }

    PtyPair &m_pty;
    QSocketNotifier m_notifier;
    // The program's commands may carry the longest payload a frame can.
    I2cFrameDecoder m_decoder{I2cFrame::maxPayload};
    bool m_streaming = false;
};
