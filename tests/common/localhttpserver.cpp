#include "localhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool LocalHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString LocalHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void LocalHttpServer::setResponse(int status, const QByteArray &body)
{
    m_status = status;
    m_body = body;
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    // Wait for the blank line that ends the request head; a GET has no body.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);

    const QByteArray path = head.left(head.indexOf("\r\n")).split(' ').value(1);
    m_paths.append(path);
    emit requestReceived(path);
    if (m_silent)
        return;

    const QByteArray reason = m_status == 200 ? "OK" : "Error";
    socket->write("HTTP/1.1 " + QByteArray::number(m_status) + ' ' + reason +
                  "\r\nContent-Type: text/plain\r\nContent-Length: " +
                  QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
    socket->disconnectFromHost();
}
