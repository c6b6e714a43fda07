#pragma once

#include <QString>
#include <QTemporaryDir>

class QSslConfiguration;

// A self-signed certificate for localhost and its key, which openssl makes
// for the run in a folder of their own.
class TestCertificate
{
public:
    // Empty when made, else why not.
    [[nodiscard]] QString make();
    [[nodiscard]] QString certificatePath() const
    {
        return m_dir.filePath(QStringLiteral("cert.pem"));
    }
    [[nodiscard]] QString keyPath() const { return m_dir.filePath(QStringLiteral("key.pem")); }
    // A TLS server's configuration with them.
    [[nodiscard]] QSslConfiguration serverConfiguration() const;

private:
    QTemporaryDir m_dir;
};
