#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair standing in for a serial device: the program opens
// slavePath() as its port, the test plays the device on the master end. The
// slave end is set raw and kept open here, so bytes pass unchanged and the
// master stays usable while the program closes and reopens the port.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    [[nodiscard]] bool isOpen() const { return m_master >= 0; }
    [[nodiscard]] QString slavePath() const { return m_slavePath; }
    [[nodiscard]] int masterFd() const { return m_master; }

    // Writes all bytes as the device, processing events while the pty is full.
    bool write(const QByteArray &bytes, int timeoutMs = 5000);
    // What the program has sent so far, without waiting.
    [[nodiscard]] QByteArray readAvailable();
    // At most `count` bytes of what the program has sent, without waiting:
    // a device that takes bytes slower than the program sends them.
    [[nodiscard]] QByteArray readAtMost(qsizetype count);
    // Collects what the program sends until `count` bytes have come or the
    // time is up, processing events meanwhile.
    [[nodiscard]] QByteArray read(qsizetype count, int timeoutMs = 5000);
    // Collects everything the program sends during `ms` milliseconds.
    [[nodiscard]] QByteArray readFor(int ms);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
