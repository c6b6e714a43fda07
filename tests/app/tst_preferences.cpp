#include "currencyconverter.h"
#include "filesizelimit.h"
#include "mainwindow.h"
#include "programrestarter.h"
#include "promptrecorder.h"
#include "settingsfile.h"
#include "toolswitches.h"
#include "yurbtestmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>

#include <optional>

using KeyValues = QMap<QString, QString>;

namespace {
const QStringList buttonNames{
    "Config_COM_ON_OFF",     "Config_UDP_ON_OFF",     "Config_TCP_ON_OFF",
    "Config_GPS_ON_OFF",     "Config_GSM_ON_OFF",     "Config_UNICODE_ON_OFF",
    "Config_Envir_ON_OFF",   "Config_Crypty_ON_OFF",  "Config_Oscilloscope_ON_OFF",
    "Config_MQTT_ON_OFF",    "Config_Ble_ON_OFF",     "Config_Spectra_ON_OFF",
    "Config_Convert_ON_OFF", "Config_I2CDUMP_ON_OFF", "Config_TOF_ON_OFF",
    "Config_MODBUS_ON_OFF"};

// The keys and values as they stand in the file on disk, not in any cache.
KeyValues diskValues()
{
    QFile file(settingsFilePath());
    KeyValues values;
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            values.insert(QString::fromUtf8(line.left(equals).trimmed()),
                          QString::fromUtf8(line.mid(equals + 1).trimmed()));
    }
    return values;
}

QImage picture(const QIcon &icon)
{
    return icon.pixmap(QSize(80, 30)).toImage();
}

bool showsOn(const QPushButton *button)
{
    return picture(button->icon()) == picture(QIcon(QStringLiteral(":/images/on.png")));
}
} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void picturesDiffer();
    void reflectsTheFileAndWritesItBack_data();
    void reflectsTheFileAndWritesItBack();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void oneDialogAtATime();
    void restartFailureKeepsTheWindow();
    void okSavesOrKeepsTheWindow_data();
    void okSavesOrKeepsTheWindow();
    void newCopyStartsWithoutTheSwitchedOffTab();

private:
    static QDialog *openDialog(MainWindow &window);

    int m_starts = 0;
    KeyValues m_diskAtStart;
    bool m_startResult = true;
};

void TestPreferences::init()
{
    m_starts = 0;
    m_diskAtStart.clear();
    m_startResult = true;
    // Record what the new copy would read instead of starting one.
    ProgramRestarter::setStarter([this] {
        ++m_starts;
        m_diskAtStart = diskValues();
        return m_startResult;
    });
}

void TestPreferences::cleanup()
{
    ProgramRestarter::setStarter({});
    const QFileInfo info(settingsFilePath());
    if (info.isDir())
        QDir(settingsFilePath()).removeRecursively();
    else
        QFile::remove(settingsFilePath());
}

QDialog *TestPreferences::openDialog(MainWindow &window)
{
    window.findChild<QAction *>(QStringLiteral("actionConfig"))->trigger();
    return window.findChild<QDialog *>(QStringLiteral("Config"));
}

void TestPreferences::picturesDiffer()
{
    QVERIFY(!picture(QIcon(QStringLiteral(":/images/on.png"))).isNull());
    QVERIFY(picture(QIcon(QStringLiteral(":/images/on.png"))) !=
            picture(QIcon(QStringLiteral(":/images/off.png"))));
}

void TestPreferences::reflectsTheFileAndWritesItBack_data()
{
    QTest::addColumn<KeyValues>("file");
    QTest::addColumn<QList<int>>("shownOff");
    QTest::addColumn<bool>("scanShown");
    QTest::addColumn<QList<int>>("toggles");
    QTest::addColumn<bool>("uncheckScan");
    QTest::addColumn<QList<int>>("writtenOff");
    QTest::addColumn<QString>("writtenScan");

    QTest::newRow("no file") << KeyValues{} << QList<int>{} << true << QList<int>{} << false
                             << QList<int>{} << "true";
    QTest::newRow("other texts than true are off")
        << KeyValues{{"COM", "True"}, {"GSM", "1"}, {"Modbus", "false"}} << QList<int>{0, 4, 15}
        << true << QList<int>{} << false << QList<int>{0, 4, 15} << "true";
    QTest::newRow("toggles") << KeyValues{{"GPS", "false"}, {"TOF", "false"}} << QList<int>{3, 14}
                             << true << QList<int>{1, 3, 9} << false << QList<int>{1, 9, 14}
                             << "true";
    QTest::newRow("toggled twice stays") << KeyValues{} << QList<int>{} << true << QList<int>{2, 2}
                                         << false << QList<int>{} << "true";
    QTest::newRow("scan off in the file")
        << KeyValues{{"Auto_Serial_Scan", "false"}} << QList<int>{} << false << QList<int>{}
        << false << QList<int>{} << "false";
    QTest::newRow("scan unchecked by the user")
        << KeyValues{} << QList<int>{} << true << QList<int>{} << true << QList<int>{} << "false";
}

// OK writes all sixteen switches, the scan switch and the map choice, on disk
// before the new copy starts, and closes the window.
void TestPreferences::reflectsTheFileAndWritesItBack()
{
    QFETCH(KeyValues, file);
    QFETCH(QList<int>, shownOff);
    QFETCH(bool, scanShown);
    QFETCH(QList<int>, toggles);
    QFETCH(bool, uncheckScan);
    QFETCH(QList<int>, writtenOff);
    QFETCH(QString, writtenScan);
    {
        QSettings settings(settingsFilePath(), QSettings::IniFormat);
        for (auto it = file.cbegin(); it != file.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }

    PromptRecorder prompts;
    MainWindow window;
    window.show();
    QDialog *dialog = openDialog(window);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Config"));
    QVERIFY(!dialog->findChild<QComboBox *>(QStringLiteral("comboBox"))->isVisible());
    for (int i = 0; i < ToolSwitches::toolCount; ++i) {
        const auto *button = dialog->findChild<QPushButton *>(buttonNames.at(i));
        QVERIFY2(showsOn(button) == !shownOff.contains(i), qPrintable(buttonNames.at(i)));
    }
    auto *scan = dialog->findChild<QCheckBox *>(QStringLiteral("serial_checkBox"));
    QCOMPARE(scan->isChecked(), scanShown);

    for (const int i : toggles)
        dialog->findChild<QPushButton *>(buttonNames.at(i))->click();
    if (uncheckScan)
        scan->setChecked(false);
    // Toggles change the pictures only; the file waits for OK.
    QCOMPARE(diskValues().value(QStringLiteral("COM")), file.value(QStringLiteral("COM")));
    QCOMPARE(m_starts, 0);

    dialog->findChild<QPushButton *>(QStringLiteral("ConfigOK_Button"))->click();
    QCOMPARE(m_starts, 1);
    for (int i = 0; i < ToolSwitches::toolCount; ++i) {
        const QString key = ToolSwitches::keys().at(i);
        QCOMPARE(m_diskAtStart.value(key),
                 writtenOff.contains(i) ? QStringLiteral("false") : QStringLiteral("true"));
    }
    QCOMPARE(m_diskAtStart.value(QStringLiteral("Auto_Serial_Scan")), writtenScan);
    QCOMPARE(m_diskAtStart.value(QStringLiteral("Map_Type")), QStringLiteral("0"));
    QVERIFY(!m_diskAtStart.contains(QStringLiteral("MORE")));
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(!window.isVisible());
}

void TestPreferences::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("closeButton");

    QTest::newRow("no file, Cancel") << false << false;
    QTest::newRow("file, Cancel") << true << false;
    QTest::newRow("file, dialog closed") << true << true;
}

void TestPreferences::cancelWritesNothing()
{
    QFETCH(bool, fileExists);
    QFETCH(bool, closeButton);
    QByteArray before;
    if (fileExists) {
        QVERIFY(QDir().mkpath(QFileInfo(settingsFilePath()).path()));
        QFile file(settingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        before = "[General]\nUDP=false\nKeep=this\n";
        file.write(before);
    }

    MainWindow window;
    window.show();
    // The converter's rate worker records each start in the file; what it
    // wrote is there before the dialog opens.
    const CurrencyConverter *rateWorker = window.findChild<CurrencyConverter *>();
    QVERIFY(rateWorker);
    QTRY_VERIFY(rateWorker->isFinished());
    if (QFile file(settingsFilePath()); file.open(QIODevice::ReadOnly)) {
        before = file.readAll();
        fileExists = true;
    }
    QPointer<QDialog> dialog = openDialog(window);
    QVERIFY(dialog);
    dialog->findChild<QPushButton *>(QStringLiteral("Config_COM_ON_OFF"))->click();
    dialog->findChild<QPushButton *>(QStringLiteral("Config_UDP_ON_OFF"))->click();
    dialog->findChild<QCheckBox *>(QStringLiteral("serial_checkBox"))->setChecked(false);
    if (closeButton)
        dialog->close();
    else
        dialog->findChild<QPushButton *>(QStringLiteral("ConfigCancel_Button"))->click();
    QTRY_VERIFY(dialog.isNull());
    QCoreApplication::processEvents();

    QCOMPARE(m_starts, 0);
    QVERIFY(window.isVisible());
    QCOMPARE(QFile::exists(settingsFilePath()), fileExists);
    if (fileExists) {
        QFile file(settingsFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
}

// A second "Preferences" raises the open dialog instead of making another;
// after it closes, the next one is a fresh dialog that works.
void TestPreferences::oneDialogAtATime()
{
    MainWindow window;
    window.show();
    QPointer<QDialog> first = openDialog(window);
    QVERIFY(first);
    auto *com = first->findChild<QPushButton *>(QStringLiteral("Config_COM_ON_OFF"));
    com->click();
    QVERIFY(!showsOn(com));

    window.findChild<QAction *>(QStringLiteral("actionConfig"))->trigger();
    QCOMPARE(window.findChildren<QDialog *>(QStringLiteral("Config")).size(), 1);
    // The pending state of the open dialog survives the second trigger.
    QVERIFY(!showsOn(com));
    com->click();
    QVERIFY(showsOn(com));

    first->findChild<QPushButton *>(QStringLiteral("ConfigCancel_Button"))->click();
    QTRY_VERIFY(first.isNull());

    QPointer<QDialog> second = openDialog(window);
    QVERIFY(second);
    QCOMPARE(window.findChildren<QDialog *>(QStringLiteral("Config")).size(), 1);
    auto *tof = second->findChild<QPushButton *>(QStringLiteral("Config_TOF_ON_OFF"));
    QVERIFY(showsOn(tof));
    tof->click();
    QVERIFY(!showsOn(tof));
    second->findChild<QPushButton *>(QStringLiteral("ConfigOK_Button"))->click();
    QCOMPARE(m_starts, 1);
    QCOMPARE(m_diskAtStart.value(QStringLiteral("TOF")), QStringLiteral("false"));
    QCOMPARE(m_diskAtStart.value(QStringLiteral("COM")), QStringLiteral("true"));
}

void TestPreferences::restartFailureKeepsTheWindow()
{
    m_startResult = false;
    PromptRecorder prompts;
    MainWindow window;
    window.show();
    QPointer<QDialog> dialog = openDialog(window);
    dialog->findChild<QPushButton *>(QStringLiteral("Config_GPS_ON_OFF"))->click();
    dialog->findChild<QPushButton *>(QStringLiteral("ConfigOK_Button"))->click();

    QCOMPARE(m_starts, 1);
    QCOMPARE(m_diskAtStart.value(QStringLiteral("GPS")), QStringLiteral("false"));
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(int(prompts.messages.first().kind), int(Prompt::Kind::Warning));
    QCOMPARE(prompts.messages.first().text,
             QStringLiteral("The program could not be restarted. Please start it again to "
                            "apply the settings."));
    QVERIFY(window.isVisible());
    QTRY_VERIFY(dialog.isNull());
}

void TestPreferences::okSavesOrKeepsTheWindow_data()
{
    QTest::addColumn<QByteArray>("unreadable"); // empty: a folder in the file's way
    // Whether the dialog reads the format error, or the save meets it first.
    QTest::addColumn<bool>("dialogReadsIt");
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("folder in the way") << QByteArray() << false << false;
    const QByteArray unreadable = "[General\nCOM=true\n";
    // The failed write must not hide behind the format error met first.
    QTest::newRow("full disk, format error read before") << unreadable << true << true;
    QTest::newRow("full disk, format error met by the save") << unreadable << false << true;
    QTest::newRow("format error met by the save") << unreadable << false << false;
}

// When the keys cannot reach the disk, no new copy starts to read old ones.
void TestPreferences::okSavesOrKeepsTheWindow()
{
    QFETCH(QByteArray, unreadable);
    QFETCH(bool, dialogReadsIt);
    QFETCH(bool, fullDisk);
    if (unreadable.isEmpty())
        QVERIFY(QDir().mkpath(settingsFilePath()));
    PromptRecorder prompts;
    MainWindow window;
    window.show();
    QTRY_VERIFY(window.findChild<CurrencyConverter *>()->isFinished());
    QFile file(settingsFilePath());
    const auto breakFile = [&] {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(unreadable) == unreadable.size());
        file.close();
    };
    if (dialogReadsIt)
        breakFile();
    QDialog *dialog = openDialog(window);
    if (!unreadable.isEmpty() && !dialogReadsIt)
        breakFile();
    std::optional<FileSizeLimit> limit;
    if (fullDisk)
        limit.emplace(0);
    dialog->findChild<QPushButton *>(QStringLiteral("ConfigOK_Button"))->click();
    limit.reset();

    const bool saved = !unreadable.isEmpty() && !fullDisk;
    QCOMPARE(m_starts, saved ? 1 : 0);
    QCOMPARE(window.isVisible(), !saved);
    QCOMPARE(prompts.messages.size(), saved ? 0 : 1);
    if (saved)
        return;
    QCOMPARE(prompts.messages.first().text, QStringLiteral("The settings could not be saved."));
    QVERIFY(window.findChild<QDialog *>(QStringLiteral("Config")));
}

// What the new copy shows: the switched-off tool's tab is gone.
void TestPreferences::newCopyStartsWithoutTheSwitchedOffTab()
{
    {
        MainWindow window;
        window.show();
        QDialog *dialog = openDialog(window);
        dialog->findChild<QPushButton *>(QStringLiteral("Config_UDP_ON_OFF"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("ConfigOK_Button"))->click();
        QCOMPARE(m_starts, 1);
    }
    const MainWindow newCopy;
    const auto *tabs = newCopy.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.append(tabs->tabText(i));
    QStringList expected = ToolSwitches::tabTitles();
    expected.removeAt(1);
    expected.append(QStringLiteral("More"));
    QCOMPARE(titles, expected);
}

YURB_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
