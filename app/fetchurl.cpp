#include "fetchurl.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int httpOk = 200;
}

FetchResult fetchUrlBlocking(const QString &url, int timeoutMs)
{
    // The manager owns the reply, so both go when the manager leaves scope.
    QNetworkAccessManager manager;
    QNetworkReply *const reply = manager.get(QNetworkRequest(QUrl(url, QUrl::TolerantMode)));

    QEventLoop loop;
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &loop, [reply, &timedOut] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        limit.start(timeoutMs);
        loop.exec();
    }

    FetchResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        result.httpStatus = status.toInt();
    if (timedOut) {
        result.error = FetchResult::Error::Timeout;
    } else if (status.isValid() && result.httpStatus != httpOk) {
        result.error = FetchResult::Error::HttpStatus;
        result.errorText = reply->errorString();
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->error() == QNetworkReply::ConnectionRefusedError
                           ? FetchResult::Error::ConnectionRefused
                           : FetchResult::Error::Network;
        result.errorText = reply->errorString();
    } else {
        result.body = QString::fromUtf8(reply->readAll());
    }
    return result;
}
