#include "settingsfile.h"
#include "toolswitches.h"
#include "yurbtestmain.h"

#include <QFile>
#include <QProcess>
#include <QSettings>

#include <unistd.h>

// Starts the real program as a user would, in an empty home folder.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staysUpAndEndsOnRequest_data();
    void staysUpAndEndsOnRequest();
};

void TestStartup::staysUpAndEndsOnRequest_data()
{
    QTest::addColumn<bool>("onlyWebPage");
    QTest::newRow("every tool") << false;
    // The web page is then the current one, so the web engine starts at once.
    QTest::newRow("only the web page") << true;
}

void TestStartup::staysUpAndEndsOnRequest()
{
    QFETCH(bool, onlyWebPage);
    QFile::remove(settingsFilePath());
    if (onlyWebPage) {
        QSettings file(settingsFilePath(), QSettings::IniFormat);
        for (const QString &key : ToolSwitches::keys().mid(0, ToolSwitches::toolCount))
            file.setValue(key, QStringLiteral("false"));
    }
    if (geteuid() != 0)
        qInfo("not root: the web engine sandbox guard is not exercised");

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The program itself must switch the sandbox off when run as root.
    environment.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(YURB_BINARY), QStringList{});
    QVERIFY2(program.waitForStarted(10000), qPrintable(program.errorString()));

    // Past the three-second splash, the window is built.
    QTest::qWait(8000);
    QCOMPARE(program.state(), QProcess::Running);

    program.terminate();
    if (!program.waitForFinished(10000)) {
        program.kill();
        QVERIFY(program.waitForFinished(5000));
    }
}

YURB_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
