#pragma once

#include <QString>
#include <QUrl>

// The address a WebSocket MQTT connection opens, from the tab's fields: the
// scheme ("ws://" or "wss://"), the host field's text up to its first "/" as
// the host, the port field's text, and the rest of the host field as the
// path, so "h/mqtt" and port 8083 give ws://h:8083/mqtt and "h" gives
// ws://h:8083/.
[[nodiscard]] QUrl mqttWebSocketUrl(const QString &scheme, const QString &hostField,
                                    const QString &port);
