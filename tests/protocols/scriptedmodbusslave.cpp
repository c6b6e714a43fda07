#include "scriptedmodbusslave.h"

#include <QTimer>

ScriptedModbusSlave::ScriptedModbusSlave(Nuvelix_ModBus_Mode mode, QObject *parent)
    : QObject(parent)
    , m_mode(mode)
{
    if (m_mode == Nuvelix_ModBus_Mode::Rtu) {
        m_pty = std::make_unique<PtyPair>();
        m_notifier = std::make_unique<QSocketNotifier>(m_pty->masterFd(), QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this,
                [this] { take(m_pty->readAvailable()); });
        return;
    }
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        m_client = m_server.nextPendingConnection();
        connect(m_client, &QIODevice::readyRead, this, [this] { take(m_client->readAll()); });
    });
}

QString ScriptedModbusSlave::rtuPath() const
{
    return m_pty ? m_pty->slavePath() : QString();
}

quint16 ScriptedModbusSlave::tcpPort() const
{
    return m_server.serverPort();
}

void ScriptedModbusSlave::say(const QByteArray &bytes)
{
    write(bytes);
}

void ScriptedModbusSlave::write(const QByteArray &bytes)
{
    if (m_pty)
        m_pty->write(bytes);
    else if (m_client)
        m_client->write(bytes);
}

// A request's length from its header: TCP by its length field, RTU by its
// function code (a multiple write by its byte count); 0 while unknown.
qsizetype ScriptedModbusSlave::requestLength() const
{
    const auto byteAt = [this](qsizetype i) {
        return static_cast<unsigned char>(m_pending.at(i));
    };
    if (m_mode == Nuvelix_ModBus_Mode::Tcp)
        return m_pending.size() < 6 ? 0 : 6 + ((byteAt(4) << 8) | byteAt(5));
    if (m_pending.size() < 2)
        return 0;
    const int function = byteAt(1);
    if (function != 15 && function != 16 && function != 22)
        return 8;
    return m_pending.size() < 7 ? 0 : 7 + byteAt(6) + 2;
}

void ScriptedModbusSlave::take(const QByteArray &bytes)
{
    m_pending.append(bytes);
    for (qsizetype length = requestLength(); length > 0 && m_pending.size() >= length;
         length = requestLength()) {
        const QByteArray request = m_pending.first(length);
        m_pending.remove(0, length);
        const qsizetype index = m_requests.size();
        m_requests.append(request);
        if (index >= m_answers.size() || !m_answers.at(index))
            continue;
        for (const Piece &piece : m_answers.at(index)(request))
            QTimer::singleShot(piece.delayMs, this, [this, bytes = piece.bytes] { write(bytes); });
    }
}
