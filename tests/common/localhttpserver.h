#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A tiny HTTP/1.1 server on 127.0.0.1 for tests: answers every GET with the
// status and body set, or, when silent, accepts the request and never answers.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    explicit LocalHttpServer(QObject *parent = nullptr);

    // Listens on a free loopback port.
    [[nodiscard]] bool listen();
    [[nodiscard]] QString url(const QString &path) const;

    void setResponse(int status, const QByteArray &body);
    void setSilent(bool silent) { m_silent = silent; }

    // The paths of the requests received so far.
    [[nodiscard]] const QList<QByteArray> &requestPaths() const { return m_paths; }

    // A loopback port on which nobody listens, for refused connections.
    [[nodiscard]] static quint16 closedPort();

Q_SIGNALS:
    // A whole request has arrived; emitted before the answer is sent.
    void requestReceived(const QByteArray &path);

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    int m_status = 200;
    QByteArray m_body;
    bool m_silent = false;
    QList<QByteArray> m_paths;
};
