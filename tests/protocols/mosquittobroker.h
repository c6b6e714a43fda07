#pragma once

#include "testcertificate.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <array>

// A mosquitto broker of the test's own on loopback: a listener per transport
// on ports that were free at start, a certificate that openssl makes for the
// run, and one user whose name and password every client must give.
class MosquittoBroker
{
public:
    enum Listener { Tcp, Tls, WebSocket, SecureWebSocket };

    static QString username() { return QStringLiteral("yurb"); }
    static QString password() { return QStringLiteral("pässwort ✓"); }

    ~MosquittoBroker();

    // Empty when the broker runs and takes connections, else why not.
    [[nodiscard]] QString start();
    void kill();
    [[nodiscard]] quint16 port(Listener listener) const { return m_ports.at(listener); }
    // Publishes with mosquitto_pub over plain TCP; whether it succeeded.
    [[nodiscard]] bool publish(const QString &topic, const QByteArray &payload) const;
    // Publishes each line of `lines` as a message of its own.
    [[nodiscard]] bool publishLines(const QString &topic, const QByteArray &lines) const;
    // The arguments that connect a mosquitto client to the plain listener.
    [[nodiscard]] QStringList clientArguments() const;

private:
    // Writes the configuration on ports free now and starts the broker;
    // whether every listener then takes a connection.
    [[nodiscard]] bool launch();
    [[nodiscard]] bool running();
    [[nodiscard]] bool run(const QString &program, const QStringList &arguments,
                           const QByteArray &input = {}) const;

    QTemporaryDir m_dir;
    TestCertificate m_certificate;
    QProcess m_broker;
    std::array<quint16, 4> m_ports{};
};
