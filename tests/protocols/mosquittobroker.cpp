#include "mosquittobroker.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

MosquittoBroker::~MosquittoBroker()
{
    kill();
}

QString MosquittoBroker::start()
{
    const QString dir = m_dir.path();
    const QString certificateFailure = m_certificate.make();
    if (!certificateFailure.isEmpty())
        return certificateFailure;
    if (!run(QStringLiteral("mosquitto_passwd"),
             {"-c", "-b", dir + "/passwords", username(), password()}))
        return QStringLiteral("mosquitto_passwd failed");
    // Ports free when chosen may be taken by another test before the broker
    // binds them; it then ends, and starts again on others.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (launch())
            return {};
        if (running())
            break;
    }
    QFile log(dir + "/broker.log");
    log.open(QIODevice::ReadOnly);
    return QStringLiteral("mosquitto did not start: ") + QString::fromUtf8(log.readAll());
}

bool MosquittoBroker::launch()
{
    const QString dir = m_dir.path();
    // Held together, so that the four ports differ.
    std::array<QTcpServer, 4> probes;
    for (size_t i = 0; i < probes.size(); ++i) {
        probes.at(i).listen(QHostAddress::LocalHost, 0);
        m_ports.at(i) = probes.at(i).serverPort();
    }
    for (QTcpServer &probe : probes)
        probe.close();
    const QString tls = QStringLiteral("certfile %1\nkeyfile %2\n")
                            .arg(m_certificate.certificatePath(), m_certificate.keyPath());
    const QString listener = QStringLiteral("listener %1 127.0.0.1\n");
    const QString websockets = QStringLiteral("protocol websockets\n");
    QFile config(dir + "/mosquitto.conf");
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QStringLiteral("per_listener_settings false\nallow_anonymous false\n"
                                "password_file %1/passwords\nuser %2\n")
                     .arg(dir, QString::fromLocal8Bit(getpwuid(geteuid())->pw_name))
                     .toUtf8());
    config.write((listener.arg(m_ports[Tcp]) + listener.arg(m_ports[Tls]) + tls +
                  listener.arg(m_ports[WebSocket]) + websockets +
                  listener.arg(m_ports[SecureWebSocket]) + websockets + tls)
                     .toUtf8());
    config.close();
    m_broker.setProcessChannelMode(QProcess::MergedChannels);
    m_broker.setStandardOutputFile(dir + "/broker.log");
    m_broker.start(QStringLiteral("mosquitto"), {"-c", config.fileName()});
    m_broker.waitForStarted(5000);
    // Up once every listener takes a connection.
    const QDeadlineTimer deadline(10000);
    for (const quint16 port : m_ports) {
        QTcpSocket probe;
        while (probe.state() != QAbstractSocket::ConnectedState && !deadline.hasExpired() &&
               running()) {
            probe.connectToHost(QHostAddress::LocalHost, port);
            if (!probe.waitForConnected(200))
                QThread::msleep(50);
        }
    }
    return running() && !deadline.hasExpired();
}

bool MosquittoBroker::running()
{
    // Without an event loop, the process learns of its end only when asked.
    return !m_broker.waitForFinished(0) && m_broker.state() == QProcess::Running;
}

void MosquittoBroker::kill()
{
    m_broker.kill();
    m_broker.waitForFinished(5000);
}

bool MosquittoBroker::publish(const QString &topic, const QByteArray &payload) const
{
    return run(QStringLiteral("mosquitto_pub"),
               clientArguments() << "-t" << topic << (payload.isEmpty() ? "-n" : "-s"), payload);
}

bool MosquittoBroker::publishLines(const QString &topic, const QByteArray &lines) const
{
    return run(QStringLiteral("mosquitto_pub"), clientArguments() << "-t" << topic << "-l", lines);
}

QStringList MosquittoBroker::clientArguments() const
{
    return {"-h", "127.0.0.1", "-p", QString::number(m_ports[Tcp]),
            "-u", username(),  "-P", password()};
}

bool MosquittoBroker::run(const QString &program, const QStringList &arguments,
                          const QByteArray &input) const
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
