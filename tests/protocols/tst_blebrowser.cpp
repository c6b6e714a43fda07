#include "nuvelix_ble.h"
#include "qtblebackend.h"
#include "sampleperipheral.h"
#include "scriptedble.h"
#include "windowprobe.h"
#include "writedialog.h"
#include "yurbtestmain.h"

#include <QAccessible>
#include <QBluetoothLocalDevice>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>

#include <algorithm>

namespace {
const QString sensorAddress = QStringLiteral("11:22:33:44:55:66");
const QString otherAddress = QStringLiteral("AA:BB:CC:DD:EE:01");

// Reads the receiver count that QObject keeps to itself.
class ReceiverCount : public QObject
{
public:
    using QObject::receivers;
};

// The browser on a scripted world.
struct Rig
{
    Rig();

    ScriptedBle *script = new ScriptedBle; // owned by the browser's model
    nuvelix_ble browser{std::unique_ptr<BleBackend>(script), nullptr};
};

Rig::Rig()
{
    script->services = SamplePeripheral::services();
    script->reports = {SamplePeripheral::leDevice(QStringLiteral("Sensor"), sensorAddress),
                       SamplePeripheral::leDevice(QStringLiteral("Other"), otherAddress)};
}

QPushButton &scanButton(const nuvelix_ble &browser)
{
    return *child<QPushButton>(browser, "scanButton");
}

QList<QPushButton *> deviceButtons(const nuvelix_ble &browser)
{
    return child<QGroupBox>(browser, "groupBox")->findChildren<QPushButton *>();
}

QList<QGroupBox *> panels(const nuvelix_ble &browser)
{
    return child<QGroupBox>(browser, "groupBox_ServiceUUID")
        ->findChildren<QGroupBox *>(QString(), Qt::FindDirectChildrenOnly);
}

QList<QPushButton *> titles(const nuvelix_ble &browser)
{
    return child<QGroupBox>(browser, "groupBox_ServiceUUID")
        ->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly);
}

// What a label shows, as its accessible name reads it.
QString shownText(QLabel *label)
{
    return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
}

// The scan button's state, the device column and the service area as one line.
QString summary(const nuvelix_ble &browser)
{
    const QPushButton &scan = scanButton(browser);
    const QString sheet = scan.styleSheet();
    const QString style = sheet.contains(QLatin1String("#4CAF50"))   ? QStringLiteral("green")
                          : sheet.contains(QLatin1String("#FF4A19")) ? QStringLiteral("red")
                          : sheet.contains(QLatin1String("#E64A19")) ? QStringLiteral("orange")
                                                                     : sheet;
    QStringList devices;
    for (const QPushButton *button : deviceButtons(browser))
        devices.append(button->text().section(QLatin1Char('\n'), 0, 0));
    return QStringLiteral("%1 %2 %3 | devices %4 | label %5 | panels %6")
        .arg(scan.text(), style,
             child<QGroupBox>(browser, "groupBox_device")->isEnabled() ? QStringLiteral("enabled")
                                                                       : QStringLiteral("disabled"),
             devices.join(QLatin1Char(',')), shownText(child<QLabel>(browser, "label_device")))
        .arg(panels(browser).size());
}

// Runs one step of a table, then lets the scripted answers arrive.
void run(Rig &rig, const QString &step)
{
    if (step == QLatin1String("press")) {
        scanButton(rig.browser).click();
    } else if (step.startsWith(QLatin1String("device "))) {
        const QString name = step.mid(7);
        for (QPushButton *button : deviceButtons(rig.browser)) {
            if (button->text().startsWith(name + QLatin1Char('\n')))
                button->click();
        }
    } else if (step.startsWith(QLatin1String("rename "))) {
        rig.script->reports.first() = SamplePeripheral::leDevice(step.mid(7), sensorAddress);
    } else if (step == QLatin1String("drop")) {
        rig.script->dropLink();
    } else if (step == QLatin1String("runs-on")) {
        rig.script->searchRunsOn = true;
    } else if (step == QLatin1String("fail-connect")) {
        rig.script->connectFailure = QLowEnergyController::ConnectionError;
    } else if (step == QLatin1String("no-adapter")) {
        rig.script->searchFailure = QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError;
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
    ScriptedBle::settle();
}

// The section of a characteristic: the group box holding its mode box.
QGroupBox *section(const QWidget &parent, const QString &characteristic)
{
    const auto *mode = parent.findChild<QComboBox *>(
        "displayModeComboBox_temp_" + SamplePeripheral::uuid(characteristic).toString());
    return mode ? qobject_cast<QGroupBox *>(mode->parentWidget()) : nullptr;
}

QPushButton *sectionButton(const QGroupBox &section, const QString &text)
{
    const QList<QPushButton *> buttons = section.findChildren<QPushButton *>();
    const auto found = std::find_if(buttons.cbegin(), buttons.cend(),
                                    [&](const QPushButton *b) { return b->text() == text; });
    return found == buttons.cend() ? nullptr : *found;
}

// The value field of a section: its one line edit that is not read-only.
QLineEdit *valueField(const QGroupBox &section)
{
    for (QLineEdit *edit : section.findChildren<QLineEdit *>()) {
        if (!edit->isReadOnly())
            return edit;
    }
    return nullptr;
}
} // namespace

// The Bluetooth LE browser against a scripted peripheral: the scan button's
// states, the device buttons, the service panels and their cards, and reads,
// writes and subscriptions from the cards.
class TestBleBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void states_data();
    void states();
    void aNameWithParenthesesFindsItsDevice();
    void panelsAndCards();
    void readAndNotifyFromTheCards();
    void writeFromTheCards_data();
    void writeFromTheCards();
    void cardsRebuiltUnderTheirWriteDialog();
    void aRefusedScanSaysWhy();
    void withoutAdapter();
};

void TestBleBrowser::cleanup()
{
    WriteDialog::setRunner({});
}

void TestBleBrowser::states_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QString both = QStringLiteral("devices Sensor,Other");
    const QString sensor = QStringLiteral("label Sensor(") + sensorAddress + ")";
    QTest::newRow("at start") << QStringList{}
                              << "Scan green enabled | devices  | label  | panels 0";
    QTest::newRow("a search that runs")
        << QStringList{"runs-on", "press"} << "Stop red enabled | " + both + " | label  | panels 0";
    QTest::newRow("a search that ends by itself ends Stop")
        << QStringList{"press"} << "Scan green enabled | " + both + " | label  | panels 0";
    QTest::newRow("Stop") << QStringList{"runs-on", "press", "press"}
                          << "Scan green enabled | " + both + " | label  | panels 0";
    QTest::newRow("a new scan empties the device column first")
        << QStringList{"runs-on", "press", "press", "press"}
        << "Stop red enabled | " + both + " | label  | panels 0";
    QTest::newRow("a search that cannot start stays idle")
        << QStringList{"no-adapter", "press"}
        << "Scan green enabled | devices  | label  | panels 0";
    QTest::newRow("connected") << QStringList{"press", "device Sensor"}
                               << "Disconnect orange disabled | " + both + " | " + sensor +
                                      " | panels 2";
    QTest::newRow("a name that looks like markup shows as it is")
        << QStringList{"rename <b>Sensor</b>", "press", "device <b>Sensor</b>"}
        << "Disconnect orange disabled | devices <b>Sensor</b>,Other | label <b>Sensor</b>(" +
               sensorAddress + ") | panels 2";
    QTest::newRow("connected while searching")
        << QStringList{"runs-on", "press", "device Sensor"}
        << "Disconnect orange disabled | " + both + " | " + sensor + " | panels 2";
    QTest::newRow("Disconnect: label and panels stay")
        << QStringList{"press", "device Sensor", "press"}
        << "Scan green enabled | " + both + " | " + sensor + " | panels 2";
    QTest::newRow("the peripheral goes away")
        << QStringList{"press", "device Sensor", "drop"}
        << "Scan green enabled | " + both + " | " + sensor + " | panels 2";
    QTest::newRow("a failed connection returns to idle")
        << QStringList{"fail-connect", "press", "device Sensor"}
        << "Scan green enabled | " + both + " | " + sensor + " | panels 0";
    QTest::newRow("another device after a disconnection")
        << QStringList{"press", "device Sensor", "press", "device Other"}
        << "Disconnect orange disabled | " + both + " | label Other(" + otherAddress +
               ") | panels 2";
}

void TestBleBrowser::states()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    Rig rig;
    for (const QString &step : steps)
        run(rig, step);
    const QString actual = summary(rig.browser);
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("steps [%1]\n   expected %2\n   actual   %3")
                            .arg(steps.join(QStringLiteral(", ")), expected, actual)));
    QVERIFY(scanButton(rig.browser).isEnabled());
}

void TestBleBrowser::aNameWithParenthesesFindsItsDevice()
{
    Rig rig;
    rig.script->reports = {SamplePeripheral::leDevice(QStringLiteral("Probe (v2)"), sensorAddress),
                           SamplePeripheral::leDevice(QStringLiteral("Probe (v3"), otherAddress)};
    run(rig, QStringLiteral("press"));
    run(rig, QStringLiteral("device Probe (v3"));
    QCOMPARE(scanButton(rig.browser).text(), QStringLiteral("Disconnect"));
    QVERIFY2(rig.script->calls.contains(QStringLiteral("connect Probe (v3")),
             qPrintable(rig.script->calls.join(QStringLiteral(", "))));
    QCOMPARE(child<QLabel>(rig.browser, "label_device")->text(),
             QStringLiteral("Probe (v3(") + otherAddress + ")");
    run(rig, QStringLiteral("press"));
    run(rig, QStringLiteral("device Probe (v2)"));
    QVERIFY2(rig.script->calls.contains(QStringLiteral("connect Probe (v2)")),
             qPrintable(rig.script->calls.join(QStringLiteral(", "))));
}

// A second connection builds the panels afresh, one title and card per
// service, and the model's characteristics-done signal reaches the browser
// once; a title folds its panel.
void TestBleBrowser::panelsAndCards()
{
    Rig rig;
    rig.browser.show();
    for (const char *step : {"press", "device Sensor", "press", "device Sensor"})
        run(rig, step);
    QCOMPARE(deviceButtons(rig.browser).first()->text(),
             QStringLiteral("Sensor\n(") + sensorAddress + ")");
    QCOMPARE(deviceButtons(rig.browser).first()->iconSize(), QSize(32, 32));
    QStringList shown;
    for (const QPushButton *title : titles(rig.browser))
        shown.append(title->text());
    QCOMPARE(shown, (QStringList{"Service name: Battery Service\nService UUID: "
                                 "{0000180f-0000-1000-8000-00805f9b34fb}",
                                 "Service name: \nService UUID: "
                                 "{6e400001-b5a3-f393-e0a9-e50e24dcca9e}"}));
    QStringList sections; // the characteristics in each panel
    for (const QGroupBox *panel : panels(rig.browser)) {
        QStringList names;
        for (const char *name : {"level", "temperature", "command", "raw", "stream", "status"})
            names.append(section(*panel, name) ? name : QString());
        sections.append(names.join(QLatin1Char(' ')).simplified());
    }
    QCOMPARE(sections, (QStringList{"level", "temperature command raw stream status"}));
    const auto receivers = &ReceiverCount::receivers;
    QCOMPARE((rig.browser.device().*
              receivers)(SIGNAL(characteristics_GetDone(QString, QList<CharacteristicInfo *>))),
             1);

    QPushButton *title = titles(rig.browser).first();
    QGroupBox *panel = panels(rig.browser).first();
    title->click();
    QVERIFY(!panel->isVisible());
    QVERIFY(panels(rig.browser).last()->isVisible());
    title->click();
    QVERIFY(panel->isVisible());
}

void TestBleBrowser::readAndNotifyFromTheCards()
{
    Rig rig;
    run(rig, QStringLiteral("press"));
    run(rig, QStringLiteral("device Sensor"));
    QGroupBox *level = section(rig.browser, QStringLiteral("level"));
    QGroupBox *stream = section(rig.browser, QStringLiteral("stream"));
    QVERIFY(level && stream);
    const qsizetype from = rig.script->calls.size();

    sectionButton(*level, QStringLiteral("Read"))->click();
    ScriptedBle::settle();
    QCOMPARE(valueField(*level)->text(), QStringLiteral("d"));
    level->findChild<QComboBox *>()->setCurrentIndex(1);
    QCOMPARE(valueField(*level)->text(), QStringLiteral("0x64"));

    sectionButton(*stream, QStringLiteral("Notify"))->click();
    rig.script->notify(SamplePeripheral::uuid(QStringLiteral("stream")), "AB");
    ScriptedBle::settle();
    QCOMPARE(valueField(*stream)->text(), QStringLiteral("AB"));
    sectionButton(*stream, QStringLiteral("Subscribed"))->click();
    rig.script->notify(SamplePeripheral::uuid(QStringLiteral("stream")), "CD");
    ScriptedBle::settle();
    QCOMPARE(valueField(*stream)->text(), QStringLiteral("AB"));

    QCOMPARE(SamplePeripheral::readable(rig.script->calls.mid(from)),
             (QStringList{"read level", "descriptor stream 0x2902 0100"}));
}

void TestBleBrowser::writeFromTheCards_data()
{
    QTest::addColumn<QString>("characteristic");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text as UTF-8") << "command"
                                   << "AB" << 0 << "write command 4142 with response";
    QTest::newRow("hex 0x41 is two bytes") << "command"
                                           << "0x41" << 1 << "write command 0041 with response";
    QTest::newRow("hex 414 is two bytes") << "command"
                                          << "414" << 1 << "write command 0414 with response";
    QTest::newRow("hex digits with blanks, other characters skipped")
        << "command"
        << "41 4z2" << 1 << "write command 4142 with response";
    QTest::newRow("write without response goes with response")
        << "raw"
        << "01" << 1 << "write raw 01 with response";
}

void TestBleBrowser::writeFromTheCards()
{
    QFETCH(QString, characteristic);
    QFETCH(QString, data);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    Rig rig;
    run(rig, QStringLiteral("press"));
    run(rig, QStringLiteral("device Sensor"));
    WriteDialog::setRunner([&](WriteDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("dataEdit"))->setText(data);
        dialog.findChild<QComboBox *>(QStringLiteral("modeComboBox"))->setCurrentIndex(mode);
        dialog.accept();
        return dialog.result();
    });
    const qsizetype from = rig.script->calls.size();
    QGroupBox *target = section(rig.browser, characteristic);
    QVERIFY(target);
    sectionButton(*target, QStringLiteral("W"))->click();
    const QStringList actual = SamplePeripheral::readable(rig.script->calls.mid(from));
    QVERIFY2(actual == QStringList{expected},
             qPrintable(QStringLiteral("typed \"%1\" (mode %2): expected %3, got [%4]")
                            .arg(data)
                            .arg(mode)
                            .arg(expected, actual.join(QStringLiteral(", ")))));
}

// A screen reader reaches the browser under the modal write dialog: the
// device is disconnected and connected again, which rebuilds the cards, the
// asking one among them. The answer then writes nothing.
void TestBleBrowser::cardsRebuiltUnderTheirWriteDialog()
{
    Rig rig;
    run(rig, QStringLiteral("press"));
    run(rig, QStringLiteral("device Sensor"));
    WriteDialog::setRunner([&](WriteDialog &dialog) {
        run(rig, QStringLiteral("press"));
        run(rig, QStringLiteral("device Sensor"));
        dialog.findChild<QLineEdit *>(QStringLiteral("dataEdit"))->setText(QStringLiteral("01"));
        dialog.accept();
        return dialog.result();
    });
    const QPointer<QGroupBox> target = section(rig.browser, QStringLiteral("command"));
    QVERIFY(target);
    sectionButton(*target, QStringLiteral("W"))->click();
    QVERIFY(target.isNull());
    QCOMPARE(panels(rig.browser).size(), 2);
    QVERIFY(!SamplePeripheral::readable(rig.script->calls).join(' ').contains("write"));
}

namespace {
// Presses Scan twice in a main window and checks that each press leaves
// the browser idle and says `status` in the window's status bar.
void checkRefusedScans(nuvelix_ble *browser, const QString &status)
{
    QMainWindow window;
    window.setCentralWidget(browser);
    for (int press = 1; press <= 2; ++press) {
        window.statusBar()->clearMessage();
        scanButton(*browser).click();
        ScriptedBle::settle();
        QCOMPARE(scanButton(*browser).text(), QStringLiteral("Scan"));
        QCOMPARE(window.statusBar()->currentMessage(), status);
    }
}
} // namespace

// A scan that cannot start, and one that ends by itself, say so in the
// window's status bar.
void TestBleBrowser::aRefusedScanSaysWhy()
{
    auto *script = new ScriptedBle;
    script->searchFailure = QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError;
    checkRefusedScans(new nuvelix_ble(std::unique_ptr<BleBackend>(script), nullptr),
                      QStringLiteral("No Bluetooth adapter was found."));

    QMainWindow window;
    auto *browser = new nuvelix_ble(std::make_unique<ScriptedBle>(), nullptr);
    window.setCentralWidget(browser);
    scanButton(*browser).click();
    QTRY_COMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("No Low Energy devices found..."));
}

// On the machine's Bluetooth stack without an adapter the browser says so
// in the status bar and stays idle, press after press.
void TestBleBrowser::withoutAdapter()
{
    if (!QBluetoothLocalDevice::allDevices().isEmpty())
        QSKIP("this machine has a Bluetooth adapter");
    checkRefusedScans(new nuvelix_ble(nullptr), QStringLiteral("No Bluetooth adapter was found."));
    // A connection attempt fails instead of hanging.
    QtBleBackend backend;
    QObject owner;
    BleController *controller = backend.createController(
        SamplePeripheral::leDevice(QStringLiteral("Sensor"), sensorAddress), &owner);
    QSignalSpy errors(controller, &BleController::errorOccurred);
    controller->connectToDevice();
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 5000);
    QCOMPARE(controller->state(), QLowEnergyController::UnconnectedState);
}

YURB_TEST_MAIN(TestBleBrowser)
#include "tst_blebrowser.moc"
