#pragma once

#include "nuvelix_modbusclient.h"
#include "ptypair.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>

// Plays a Modbus slave from a script in the test's own process (the tab's
// wait keeps events running): on a pty for RTU, as a TCP server on loopback
// for TCP. Each request that comes, cut by its length, is recorded and
// answered by the script's next answer; requests past the script meet
// silence.
class ScriptedModbusSlave : public QObject
{
    Q_OBJECT

public:
    // One piece of an answer: bytes written `delayMs` after the request came.
    struct Piece
    {
        int delayMs = 0;
        QByteArray bytes;
    };
    // Makes an answer's pieces from the request it answers.
    using Answer = std::function<QList<Piece>(const QByteArray &request)>;

    explicit ScriptedModbusSlave(Nuvelix_ModBus_Mode mode, QObject *parent = nullptr);

    // Where the tab connects: the pty's path or the server's port.
    [[nodiscard]] QString rtuPath() const;
    [[nodiscard]] quint16 tcpPort() const;

    void setScript(QList<Answer> answers) { m_answers = std::move(answers); }
    // Writes bytes at once, unasked.
    void say(const QByteArray &bytes);
    [[nodiscard]] const QByteArrayList &requests() const { return m_requests; }

private:
    void take(const QByteArray &bytes);
    [[nodiscard]] qsizetype requestLength() const;
    void write(const QByteArray &bytes);

    Nuvelix_ModBus_Mode m_mode;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    QByteArray m_pending;
    QByteArrayList m_requests;
    QList<Answer> m_answers;
};
