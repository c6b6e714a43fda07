#include "tcpclientlist.h"

void TcpClientList::append(QTcpSocket *client, const QString &address)
{
    m_clients.append({client, address});
}

QString TcpClientList::remove(QTcpSocket *client)
{
    for (int i = 0; i < m_clients.size(); ++i) {
        if (m_clients.at(i).first == client)
            return m_clients.takeAt(i).second;
    }
    return {};
}

QList<QTcpSocket *> TcpClientList::clientsOf(const QString &address) const
{
    QList<QTcpSocket *> clients;
    for (const auto &entry : m_clients) {
        if (entry.second == address)
            clients.append(entry.first);
    }
    return clients;
}

QList<QTcpSocket *> TcpClientList::takeAll()
{
    QList<QTcpSocket *> clients;
    for (const auto &entry : std::as_const(m_clients))
        clients.append(entry.first);
    m_clients.clear();
    return clients;
}

QStringList TcpClientList::addresses() const
{
    QStringList texts;
    for (const auto &entry : m_clients)
        texts.append(entry.second);
    return texts;
}

bool TcpClientList::contains(const QTcpSocket *client) const
{
    for (const auto &entry : m_clients) {
        if (entry.first == client)
            return true;
    }
    return false;
}
