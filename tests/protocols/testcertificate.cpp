#include "testcertificate.h"

#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>

QString TestCertificate::make()
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "1", "-subj", "/CN=localhost", "-keyout", keyPath(), "-out",
                   certificatePath()});
    if (openssl.waitForFinished(10000) && openssl.exitStatus() == QProcess::NormalExit &&
        openssl.exitCode() == 0)
        return {};
    return QStringLiteral("openssl failed: ") + QString::fromUtf8(openssl.readAllStandardError());
}

QSslConfiguration TestCertificate::serverConfiguration() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    QFile certificate(certificatePath());
    QFile key(keyPath());
    if (certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly)) {
        configuration.setLocalCertificate(QSslCertificate(&certificate));
        configuration.setPrivateKey(QSslKey(&key, QSsl::Ec));
    }
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}
