#pragma once

#include <QEventLoop>
#include <QHostAddress>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

#include <memory>

// What the web page tests share: a page cut off from every outside host,
// which notes its script errors and alerts instead of showing them, and the
// value of a script run in a page.

// Lets only qrc: and loopback requests through and notes the others' hosts.
struct LocalOnly : QWebEngineUrlRequestInterceptor
{
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QUrl url = info.requestUrl();
        const bool local = url.scheme() == "qrc" || url.host() == "localhost" ||
                           QHostAddress(url.host()).isLoopback();
        info.block(!local);
        if (!local)
            blocked << url.host();
    }
    QStringList blocked;
};

// Notes console errors and alerts (an alert shows no box).
struct RecordingPage : QWebEnginePage
{
    using QWebEnginePage::QWebEnginePage;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &) override
    {
        if (level == ErrorMessageLevel)
            notes << QString("error at %1: %2").arg(line).arg(message);
    }
    void javaScriptAlert(const QUrl &, const QString &message) override { notes << message; }
    QStringList notes;
};

// The value of a script run in a web page, once the page has run every call
// issued before it (a page runs them in order); invalid when none came
// within the time. The event loop runs meanwhile without pauses: the web
// engine's own tasks, those of earlier calls among them, run only in it.
inline QVariant evaluateInPage(QWebEnginePage &page, const QString &script, int timeoutMs = 5000)
{
    QEventLoop loop;
    const auto result = std::make_shared<QVariant>();
    page.runJavaScript(script, [result, loop = QPointer<QEventLoop>(&loop)](const QVariant &value) {
        *result = value;
        if (loop)
            loop->quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!result->isValid())
        loop.exec();
    return *result;
}
