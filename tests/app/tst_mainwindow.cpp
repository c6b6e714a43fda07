#include "cthermometer.h"
#include "dashboard.h"
#include "mainwindow.h"
#include "mwaveview.h"
#include "nuvelix_ble.h"
#include "nuvelix_convert.h"
#include "nuvelix_i2c_tools.h"
#include "nuvelix_spectroscopy.h"
#include "nuvelix_tof.h"
#include "progressbarpercent.h"
#include "promptrecorder.h"
#include "settingsfile.h"
#include "toolswitches.h"
#include "ultraviolet.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebEngineView>

#include <algorithm>
#include <memory>
#include <vector>

using KeyValues = QMap<QString, QString>;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void tabSet_data();
    void tabSet();
    void codeCreatedWidgetsFollowTheTabs_data();
    void codeCreatedWidgetsFollowTheTabs();
    void terminalSetUpFollowsTheTabs_data();
    void terminalSetUpFollowsTheTabs();
    void titleShowsVersion();
    void msleepWaitsAndLetsTimersRun();
    void exitClosesTheWindow();
    void closingWithClientsOnBothServers();
    void aboutDoesNotKeepTheProgramRunning();
    void unreadableSettingsAreKeptAndTold();

private:
    static void writeSettings(const KeyValues &values);
    static QStringList tabTitles(const MainWindow &window);
};

void TestMainWindow::writeSettings(const KeyValues &values)
{
    QSettings file(settingsFilePath(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        file.setValue(it.key(), it.value());
}

QStringList TestMainWindow::tabTitles(const MainWindow &window)
{
    const auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.append(tabs->tabText(i));
    return titles;
}

void TestMainWindow::cleanup()
{
    QFile::remove(settingsFilePath());
}

static QStringList allTitlesBut(const QList<int> &removed)
{
    QStringList titles;
    for (int i = 0; i < ToolSwitches::toolCount; ++i) {
        if (!removed.contains(i))
            titles.append(ToolSwitches::tabTitles().at(i));
    }
    titles.append(QStringLiteral("More"));
    return titles;
}

void TestMainWindow::tabSet_data()
{
    QTest::addColumn<KeyValues>("values");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("no settings file") << KeyValues{} << allTitlesBut({});
    QTest::newRow("empty and true keep")
        << KeyValues{{"COM", ""}, {"UDP", "true"}} << allTitlesBut({});
    QTest::newRow("any other text removes")
        << KeyValues{{"COM", "True"}, {"GSM", "1"}, {"Modbus", "false"}}
        << allTitlesBut({0, 4, 15});
    QTest::newRow("UDP and GPS off keep the order")
        << KeyValues{{"UDP", "false"}, {"GPS", "false"}} << allTitlesBut({1, 3});
    QTest::newRow("MORE is never read") << KeyValues{{"MORE", "false"}} << allTitlesBut({});

    KeyValues allOff;
    for (int i = 0; i < ToolSwitches::toolCount; ++i)
        allOff.insert(ToolSwitches::keys().at(i), QStringLiteral("false"));
    QTest::newRow("all off leaves More") << allOff << QStringList{QStringLiteral("More")};
}

void TestMainWindow::tabSet()
{
    QFETCH(KeyValues, values);
    QFETCH(QStringList, titles);
    writeSettings(values);

    const MainWindow window;
    QCOMPARE(tabTitles(window), titles);
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QCOMPARE(tabs->currentIndex(), 0);
    // The web view comes with its page: at once when it is the only one,
    // otherwise when it is first shown.
    QCOMPARE(window.findChildren<QWebEngineView *>().size(), titles.size() == 1 ? 1 : 0);
    tabs->setCurrentIndex(tabs->count() - 1);
    QCOMPARE(window.findChildren<QWebEngineView *>().size(), 1);
}

void TestMainWindow::codeCreatedWidgetsFollowTheTabs_data()
{
    QTest::addColumn<KeyValues>("values");
    QTest::addColumn<bool>("widgetToolsOn");

    QTest::newRow("all on") << KeyValues{} << true;
    QTest::newRow("widget tools off")
        << KeyValues{{"Environment", "false"}, {"Oscilloscope", "false"}, {"Ble", "false"},
                     {"Spectra", "false"},     {"Convert", "false"},      {"i2cdump", "false"},
                     {"TOF", "false"}}
        << false;
}

// A tool's set-up creates its widgets once when its page stays, never when
// its page was removed.
void TestMainWindow::codeCreatedWidgetsFollowTheTabs()
{
    QFETCH(KeyValues, values);
    QFETCH(bool, widgetToolsOn);
    writeSettings(values);

    const MainWindow window;
    const int one = widgetToolsOn ? 1 : 0;
    QCOMPARE(window.findChildren<MWaveView *>().size(), one);
    QCOMPARE(window.findChildren<nuvelix_ble *>().size(), one);
    QCOMPARE(window.findChildren<nuvelix_convert *>().size(), one);
    QCOMPARE(window.findChildren<nuvelix_spectroscopy *>().size(), one);
    QCOMPARE(window.findChildren<nuvelix_i2c_tools *>().size(), one);
    QCOMPARE(window.findChildren<nuvelix_tof *>().size(), one);
    QCOMPARE(window.findChildren<DashBoard *>().size(), 3 * one);
    QCOMPARE(window.findChildren<ProgressBarPercent *>().size(), one);
    QCOMPARE(window.findChildren<CThermometer *>().size(), one);
    QCOMPARE(window.findChildren<Ultraviolet *>().size(), one);
}

void TestMainWindow::terminalSetUpFollowsTheTabs_data()
{
    QTest::addColumn<KeyValues>("values");
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("setUp");

    QTest::newRow("serial on") << KeyValues{} << "COM_StrTextBrowser" << true;
    QTest::newRow("serial off") << KeyValues{{"COM", "false"}} << "COM_StrTextBrowser" << false;
    QTest::newRow("UDP on") << KeyValues{{"COM", "false"}} << "UDP_HexTextBrowser" << true;
    QTest::newRow("UDP off") << KeyValues{{"UDP", "0"}} << "UDP_HexTextBrowser" << false;
    QTest::newRow("TCP on") << KeyValues{{"UDP", "false"}} << "TCP_StrTextBrowser" << true;
    QTest::newRow("TCP off") << KeyValues{{"TCP", "TRUE"}} << "TCP_StrTextBrowser" << false;
}

// A terminal's set-up makes its receive views read-only and bounded; the
// views of a switched-off terminal keep the form's state.
void TestMainWindow::terminalSetUpFollowsTheTabs()
{
    QFETCH(KeyValues, values);
    QFETCH(QString, view);
    QFETCH(bool, setUp);
    writeSettings(values);

    const MainWindow window;
    const auto *receiveView = window.findChild<QPlainTextEdit *>(view);
    QVERIFY(receiveView);
    QCOMPARE(receiveView->isReadOnly(), setUp);
    QCOMPARE(receiveView->maximumBlockCount(), setUp ? 10000 : 0);
}

void TestMainWindow::titleShowsVersion()
{
    const MainWindow window;
    QVERIFY2(window.windowTitle().startsWith(QStringLiteral("Nuvelix -- YURB Ver 3.3.8  ")),
             qPrintable(window.windowTitle()));
}

// The wait lasts at least its time and keeps serving events: a timer due at
// once and one due well inside the wait both run before it returns. How many
// ticks a repeating timer gets depends on the machine's load, so none is
// counted.
void TestMainWindow::msleepWaitsAndLetsTimersRun()
{
    MainWindow window;
    bool dueAtOnceRan = false;
    bool dueLaterRan = false;
    QTimer::singleShot(0, this, [&dueAtOnceRan] { dueAtOnceRan = true; });
    QTimer::singleShot(100, this, [&dueLaterRan] { dueLaterRan = true; });
    QElapsedTimer clock;
    clock.start();
    window.msleep(400);
    QVERIFY2(clock.elapsed() >= 400, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(dueAtOnceRan);
    QVERIFY(dueLaterRan);
}

void TestMainWindow::exitClosesTheWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction *>(QStringLiteral("actionExit"))->trigger();
    QVERIFY(!window.isVisible());
}

// Closing the window while the TCP terminal's server and the GPS position
// server have live clients, each with a line under way: every client sees
// its connection end. No slot of the window may run while it is destroyed,
// which the sanitized build checks.
void TestMainWindow::closingWithClientsOnBothServers()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    child<QComboBox>(*window, "TCP_comboBox")->setCurrentText(QStringLiteral("TCP Server"));
    const std::pair<const char *, const char *> servers[] = {
        {"TCPServerPortlineEdit", "TCPopencompushButton"},
        {"GPSTCPServerPortlineEdit", "GPSTCPopencompushButton"}};
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    for (const auto &[portBox, startButton] : servers) {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::Any));
        const quint16 port = probe.serverPort();
        probe.close();
        child<QLineEdit>(*window, portBox)->setText(QString::number(port));
        QTest::mouseClick(child<QPushButton>(*window, startButton), Qt::LeftButton);
        QCOMPARE(statusText(*window), QStringLiteral("Server has started"));
        for (int i = 0; i < 2; ++i) {
            auto &client = clients.emplace_back(std::make_unique<QTcpSocket>());
            client->connectToHost(QHostAddress::LocalHost, port);
            QVERIFY(client->waitForConnected(10000));
            client->write("Latitude:1");
        }
    }
    const auto taken = [&window] {
        const QList<QTcpSocket *> sockets = window->findChildren<QTcpSocket *>();
        return std::count_if(sockets.cbegin(), sockets.cend(), [](const QTcpSocket *socket) {
            return socket->state() == QAbstractSocket::ConnectedState;
        });
    };
    QTRY_COMPARE(taken(), qsizetype(clients.size()));

    window->close();
    window.reset();
    for (const auto &client : clients)
        QTRY_COMPARE(client->state(), QAbstractSocket::UnconnectedState);
}

// The program ends when the main window closes, even with About still open.
void TestMainWindow::aboutDoesNotKeepTheProgramRunning()
{
    MainWindow window;
    bool timedOut = false;
    QTimer::singleShot(0, &window, [&window] {
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger();
        window.close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [&timedOut] {
        timedOut = true;
        QApplication::exit(1);
    });
    guard.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
}

// A settings file with a format error loses what cannot be read at its next
// write: a copy of it is kept beside it first, and the user told once where.
void TestMainWindow::unreadableSettingsAreKeptAndTold()
{
    const QByteArray unreadable = "[General\nCOM=false\n";
    const QDir folder = QFileInfo(settingsFilePath()).dir();
    const QString copy = folder.filePath(QStringLiteral("config-unreadable.ini"));
    const auto startWithUnreadable = [&] {
        QFile file(settingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(unreadable) == unreadable.size());
        file.close();
        const MainWindow window;
        QTest::qWait(100);
    };
    PromptRecorder prompts;
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    startWithUnreadable();
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().text,
             QStringLiteral("The settings file %1 has a format error: what cannot be read is lost "
                            "at its next save. A copy of it as it was is kept in %2.")
                 .arg(settingsFilePath(), copy));
    QFile kept(copy);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), unreadable);
    // The same file again: it is kept already, so no second copy and no box.
    startWithUnreadable();
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(folder.entryList({QStringLiteral("config-unreadable*")}),
             QStringList{QStringLiteral("config-unreadable.ini")});
    QVERIFY(kept.remove());
}

YURB_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
