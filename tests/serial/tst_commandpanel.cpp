#include "catalogues.h"
#include "filesizelimit.h"
#include "mainwindow.h"
#include "portlist.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QDialog>
#include <QFile>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>

#include <memory>

// The stored-command panel of the serial terminal on a pty.
class TestCommandPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void advancedOnlyWhileTheTerminalHoldsThePort();
    void storedCommandsGoOutWithTheirEscapes_data();
    void storedCommandsGoOutWithTheirEscapes();
    void captionsAndTextsRoundTrip();
    void captionsAreSavedAsTyped();
    void closingThePortClosesThePanel();
    void saveOntoAFullDiskIsTold();

private:
    QDialog *openPanel();
    QDialog *panel() const { return m_window->findChild<QDialog *>(QStringLiteral("COM_Expand")); }
    QPushButton *button(const char *name) const { return child<QPushButton>(*m_window, name); }
    static void store(const QString &key, const QString &value);

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<MainWindow> m_window;
};

void TestCommandPanel::store(const QString &key, const QString &value)
{
    QSettings(settingsFilePath(), QSettings::IniFormat).setValue(key, value);
}

void TestCommandPanel::init()
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isOpen());
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
}

void TestCommandPanel::cleanup()
{
    m_window.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

QDialog *TestCommandPanel::openPanel()
{
    if (!m_window)
        m_window = std::make_unique<MainWindow>();
    if (button("opencompushButton")->text() == QLatin1String("Open"))
        button("opencompushButton")->click();
    button("com_expandpushButton")->click();
    return panel();
}

void TestCommandPanel::advancedOnlyWhileTheTerminalHoldsThePort()
{
    m_window = std::make_unique<MainWindow>();
    QVERIFY(!button("com_expandpushButton")->isEnabled());
    button("com_expandpushButton")->click();
    QVERIFY(!panel());

    QDialog *dialog = openPanel();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Dialog"));
    QVERIFY(!dialog->isModal());
    // A second press while the panel is open makes no second panel.
    button("com_expandpushButton")->click();
    QCOMPARE(m_window->findChildren<QDialog *>(QStringLiteral("COM_Expand")).size(), 1);
}

void TestCommandPanel::storedCommandsGoOutWithTheirEscapes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("AT CR LF") << R"(AT\r\n)" << QByteArray("AT\r\n");
    QTest::newRow("backslash backslash n") << R"(\\n)" << QByteArray("\\\n");
    QTest::newRow("lone backslash") << R"(a\q\)" << QByteArray(R"(a\q\)");
    QTest::newRow("UTF-8 and tab") << QString::fromUtf8(R"(温\t)") << QByteArray("\xe6\xb8\xa9\t");
}

void TestCommandPanel::storedCommandsGoOutWithTheirEscapes()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, sent);
    store(QStringLiteral("COMMAND7"), stored);
    QDialog *dialog = openPanel();
    QVERIFY(dialog);
    QCOMPARE(child<QLineEdit>(*dialog, "com_qlineedit_7")->text(), stored);
    child<QPushButton>(*dialog, "com_pushButton_7")->click();
    const QByteArray received = m_pty->read(sent.size());
    QVERIFY2(received == sent,
             qPrintable(
                 QStringLiteral("expected %1, got %2").arg(sent.toHex(' '), received.toHex(' '))));
    // Counted, and told, as the port writes the command.
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Send Success"));
    QTRY_COMPARE(child<QLCDNumber>(*m_window, "sendbyteslcdNumber")->intValue(), int(sent.size()));
    QCOMPARE(m_pty->readFor(100), QByteArray());
}

void TestCommandPanel::captionsAndTextsRoundTrip()
{
    store(QStringLiteral("COMMAND2_NAME"), QStringLiteral("Reset"));
    store(QStringLiteral("COMMAND2"), QStringLiteral("ATZ\\r"));
    QDialog *dialog = openPanel();
    QVERIFY(dialog);
    QCOMPARE(child<QPushButton>(*dialog, "com_pushButton_2")->text(), QStringLiteral("Reset"));
    QCOMPARE(child<QPushButton>(*dialog, "com_pushButton")->text(), QStringLiteral("command1"));
    QVERIFY(child<QLineEdit>(*dialog, "com_qlineedit")->text().isEmpty());

    PromptRecorder prompts;
    prompts.textAnswers = {QStringLiteral("Ping"), QString()};
    child<QPushButton>(*dialog, "com_set_pushButton_12")->click();
    QCOMPARE(prompts.textRequests.first().title, QStringLiteral("command"));
    QCOMPARE(child<QPushButton>(*dialog, "com_pushButton_12")->text(), QStringLiteral("Ping"));
    child<QLineEdit>(*dialog, "com_qlineedit_12")->setText(QStringLiteral("PING\\n"));
    // Renamed to an empty caption: stored empty, the form caption comes back.
    child<QPushButton>(*dialog, "com_set_pushButton_5")->click();
    QCOMPARE(child<QPushButton>(*dialog, "com_pushButton_5")->text(), QString());
    // A cancelled question changes nothing.
    child<QPushButton>(*dialog, "com_set_pushButton_2")->click();
    QCOMPARE(child<QPushButton>(*dialog, "com_pushButton_2")->text(), QStringLiteral("Reset"));

    child<QPushButton>(*dialog, "save_pushButton")->click();
    QVERIFY(panel());
    {
        const QSettings file(settingsFilePath(), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("COMMAND12_NAME")).toString(), QStringLiteral("Ping"));
        QCOMPARE(file.value(QStringLiteral("COMMAND12")).toString(), QStringLiteral("PING\\n"));
        QCOMPARE(file.value(QStringLiteral("COMMAND5_NAME")).toString(), QString());
        QCOMPARE(file.value(QStringLiteral("COMMAND1_NAME")).toString(),
                 QStringLiteral("command1"));
        QCOMPARE(file.value(QStringLiteral("COMMAND2")).toString(), QStringLiteral("ATZ\\r"));
    }

    // A new program run reads what was saved.
    m_window.reset();
    dialog = openPanel();
    QVERIFY(dialog);
    QCOMPARE(child<QPushButton>(*dialog, "com_pushButton_12")->text(), QStringLiteral("Ping"));
    QCOMPARE(child<QLineEdit>(*dialog, "com_qlineedit_12")->text(), QStringLiteral("PING\\n"));
    QCOMPARE(child<QPushButton>(*dialog, "com_pushButton_5")->text(), QStringLiteral("command5"));
    child<QPushButton>(*dialog, "com_pushButton_12")->click();
    QCOMPARE(m_pty->read(5), QByteArray("PING\n"));
}

// Under the Chinese catalogue the form captions stay as they are, so the
// settings file never depends on the language of the session that saved it.
void TestCommandPanel::captionsAreSavedAsTyped()
{
    m_window = std::make_unique<MainWindow>();
    button("opencompushButton")->click();
    QTranslator chinese;
    QVERIFY(chinese.load(Catalogues::languageCatalogue(QLocale::Chinese)));
    QCoreApplication::installTranslator(&chinese);
    button("com_expandpushButton")->click();
    QDialog *dialog = panel();
    QVERIFY(dialog);
    QCOMPARE(child<QPushButton>(*dialog, "save_pushButton")->text(), QStringLiteral("保存配置"));
    child<QPushButton>(*dialog, "save_pushButton")->click();
    QCoreApplication::removeTranslator(&chinese);
    const QSettings file(settingsFilePath(), QSettings::IniFormat);
    for (int row = 1; row <= 12; ++row)
        QCOMPARE(file.value(QStringLiteral("COMMAND%1_NAME").arg(row)).toString(),
                 QStringLiteral("command%1").arg(row));
}

void TestCommandPanel::closingThePortClosesThePanel()
{
    store(QStringLiteral("COMMAND3"), QStringLiteral("saved"));
    QDialog *dialog = openPanel();
    QVERIFY(dialog);
    child<QLineEdit>(*dialog, "com_qlineedit_3")->setText(QStringLiteral("not saved"));
    button("opencompushButton")->click();
    QTRY_VERIFY(!panel());
    QVERIFY(!button("com_expandpushButton")->isEnabled());

    dialog = openPanel();
    QVERIFY(dialog);
    QCOMPARE(child<QLineEdit>(*dialog, "com_qlineedit_3")->text(), QStringLiteral("saved"));

    // The user closes the panel; it can be opened again.
    dialog->close();
    QTRY_VERIFY(!panel());
    button("com_expandpushButton")->click();
    QVERIFY(panel());
}

// Save Config on a full disk says the edits did not reach the file.
void TestCommandPanel::saveOntoAFullDiskIsTold()
{
    QDialog *dialog = openPanel();
    QVERIFY(dialog);
    child<QLineEdit>(*dialog, "com_qlineedit")->setText(QStringLiteral("edited"));
    PromptRecorder prompts;
    {
        const FileSizeLimit fullDisk(0);
        child<QPushButton>(*dialog, "save_pushButton")->click();
    }
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().text, QStringLiteral("The settings could not be saved."));
}

YURB_TEST_MAIN(TestCommandPanel)
#include "tst_commandpanel.moc"
