#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QTcpSocket;

// The clients accepted by the TCP terminal's server, in order of arrival,
// each with the address text that its entry in the client box shows. A send
// picks its targets by that text, so several clients of one host share it.
class TcpClientList
{
public:
    void append(QTcpSocket *client, const QString &address);
    // Takes the client out; returns the address text of its entry, or an
    // empty text when it was not listed.
    QString remove(QTcpSocket *client);
    [[nodiscard]] QList<QTcpSocket *> clientsOf(const QString &address) const;
    [[nodiscard]] QList<QTcpSocket *> takeAll();
    [[nodiscard]] QStringList addresses() const;
    [[nodiscard]] bool contains(const QTcpSocket *client) const;
    [[nodiscard]] bool isEmpty() const { return m_clients.isEmpty(); }
    [[nodiscard]] int size() const { return m_clients.size(); }

private:
    QList<QPair<QTcpSocket *, QString>> m_clients;
};
