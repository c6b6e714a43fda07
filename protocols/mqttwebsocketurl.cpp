#include "mqttwebsocketurl.h"

#include <QStringList>

QUrl mqttWebSocketUrl(const QString &scheme, const QString &hostField, const QString &port)
{
    QStringList parts = hostField.split(QLatin1Char('/'));
    const QString host = parts.takeFirst();
    return QUrl(scheme + host + QLatin1Char(':') + port + QLatin1Char('/') +
                    parts.join(QLatin1Char('/')),
                QUrl::TolerantMode);
}
