#include "localhttpserver.h"
#include "mainwindow.h"
#include "promptrecorder.h"
#include "settingsfile.h"
#include "yurbtestmain.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QSettings>
#include <QUrl>

// Stands in for the desktop's web browser: records the pages it is asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void openUrl(const QUrl &url) { urls.append(url); }
};

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void versionFromTheServer_data();
    void versionFromTheServer();
    void noServer();

private:
    static void pointAt(const QString &versionUrl, const QString &downloadUrl);

    UrlRecorder m_browser;
};

void TestUpdateCheck::initTestCase()
{
    for (const char *name :
         {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "openUrl");
}

void TestUpdateCheck::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestUpdateCheck::cleanup()
{
    m_browser.urls.clear();
    QFile::remove(settingsFilePath());
}

void TestUpdateCheck::pointAt(const QString &versionUrl, const QString &downloadUrl)
{
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Update_Version_Url"), versionUrl);
    settings.setValue(QStringLiteral("Update_Download_Url"), downloadUrl);
}

void TestUpdateCheck::versionFromTheServer_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("opensDownloadPage");

    const int information = int(Prompt::Kind::Information);
    const int warning = int(Prompt::Kind::Warning);
    const QString network =
        QStringLiteral("Network connection lost. Please check your network settings.");
    QTest::newRow("newer") << 200 << QByteArray("YURB \"3.3.9\"\n") << warning
                           << "Found a new version." << true;
    QTest::newRow("newer, CR LF") << 200 << QByteArray("\"3.4.0\"\r\n") << warning
                                  << "Found a new version." << true;
    QTest::newRow("same") << 200 << QByteArray("\"3.3.8\"\n") << information
                          << "Already the latest version." << false;
    QTest::newRow("older") << 200 << QByteArray("\"3.2.20\"\n") << information
                           << "Already the latest version." << false;
    QTest::newRow("not found") << 404 << QByteArray("\"9.9.9\"\n") << information << network
                               << false;
    QTest::newRow("empty body") << 200 << QByteArray() << information << network << false;
    QTest::newRow("not a version file")
        << 200 << QByteArray("<html><body>Welcome</body></html>") << warning
        << "The version information could not be read." << false;
}

void TestUpdateCheck::versionFromTheServer()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(bool, opensDownloadPage);

    LocalHttpServer server;
    QVERIFY(server.listen());
    server.setResponse(status, body);
    const QString downloadPage = server.url(QStringLiteral("/software"));
    pointAt(server.url(QStringLiteral("/software/YURB_VERSION")), downloadPage);

    PromptRecorder prompts;
    MainWindow window;
    window.show();
    // The window takes no input while the version file is on its way.
    QList<bool> enabledDuringFetch;
    connect(&server, &LocalHttpServer::requestReceived, this,
            [&] { enabledDuringFetch.append(window.isEnabled()); });

    window.findChild<QAction *>(QStringLiteral("actionCheck_Update"))->trigger();

    QCOMPARE(server.requestPaths(), QList<QByteArray>{"/software/YURB_VERSION"});
    QCOMPARE(enabledDuringFetch, QList<bool>{false});
    QCOMPARE(prompts.messages.size(), 1);
    const Prompt::Message shown = prompts.messages.first();
    QCOMPARE(int(shown.kind), kind);
    QCOMPARE(shown.title, QStringLiteral("Message"));
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
    QCOMPARE(m_browser.urls, opensDownloadPage ? QList<QUrl>{QUrl(downloadPage)} : QList<QUrl>{});
    QVERIFY(window.isEnabled());
}

void TestUpdateCheck::noServer()
{
    const quint16 port = LocalHttpServer::closedPort();
    QVERIFY(port != 0);
    pointAt(QStringLiteral("http://127.0.0.1:%1/software/YURB_VERSION").arg(port),
            QStringLiteral("http://127.0.0.1:%1/software").arg(port));

    PromptRecorder prompts;
    MainWindow window;
    window.show();
    window.findChild<QAction *>(QStringLiteral("actionCheck_Update"))->trigger();

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().text,
             QStringLiteral("Network connection lost. Please check your network settings."));
    QVERIFY(m_browser.urls.isEmpty());
    QVERIFY(window.isEnabled());
}

YURB_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
