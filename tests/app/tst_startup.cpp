#include "yurbtestmain.h"

#include <QProcess>

#include <unistd.h>

// Starts the real program as a user would, in an empty home folder.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staysUpAndEndsOnRequest();
};

void TestStartup::staysUpAndEndsOnRequest()
{
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

    // Past the three-second splash, the window is built with the web view.
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
