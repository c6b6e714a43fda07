#pragma once

#include "ptypair.h"

#include <QObject>
#include <QSocketNotifier>

// Two pty pairs joined at their master ends: what is written to the slave end
// of one comes out of the slave end of the other, both ways. A serial server
// opens one slave end, its client the other.
class PtyRelay : public QObject
{
    Q_OBJECT

public:
    explicit PtyRelay(QObject *parent = nullptr);

    [[nodiscard]] bool isOpen() const { return m_client.isOpen() && m_server.isOpen(); }
    [[nodiscard]] QString clientPath() const { return m_client.slavePath(); }
    [[nodiscard]] QString serverPath() const { return m_server.slavePath(); }

private:
    static void pass(PtyPair &from, PtyPair &to);

    PtyPair m_client;
    PtyPair m_server;
    QSocketNotifier m_fromClient;
    QSocketNotifier m_fromServer;
};
