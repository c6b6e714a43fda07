#include "mainwindow.h"
#include "portlist.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QFile>
#include <QSettings>

// The port lists of the nine serial tools follow the ports the system
// reports; the system's list is replaced by one the test controls.
class TestPortScan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void startUpFillsAllNineLists();
    void rescanFollowsThePorts();
    void currentItemThatVanishesIsRemoved();
    void scanSwitch_data();
    void scanSwitch();

private:
    static QStringList items(const QComboBox *box);
    static void verifyAllLists(const MainWindow &window, const QStringList &expected);
    QStringList m_ports;
};

static const char *const portLists[] = {
    "portNameComboBox",        "GPSportNameComboBox", "GSMportNameComboBox",
    "ENVportNameComboBox",     "OSCportNameComboBox", "SpectraportNameComboBox",
    "i2cdumpportNameComboBox", "TOFportNameComboBox", "ModbusportNameComboBox"};

QStringList TestPortScan::items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

void TestPortScan::verifyAllLists(const MainWindow &window, const QStringList &expected)
{
    for (const char *name : portLists) {
        const QStringList actual = items(child<QComboBox>(window, name));
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("%1: expected %2, got %3")
                                .arg(QLatin1String(name), expected.join(QLatin1Char(',')),
                                     actual.join(QLatin1Char(',')))));
    }
}

void TestPortScan::cleanup()
{
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

void TestPortScan::startUpFillsAllNineLists()
{
    m_ports = {"ttyS0", "ttyUSB0", "ttyACM0", "ttyS1"};
    PortList::setLister([this] { return m_ports; });
    const MainWindow window;
    verifyAllLists(window, {"ttyUSB0", "ttyACM0"});
    QCOMPARE(child<QComboBox>(window, "GPSportNameComboBox")->currentText(),
             QStringLiteral("ttyUSB0"));
}

void TestPortScan::rescanFollowsThePorts()
{
    m_ports = {"ttyUSB0", "ttyUSB1", "ttyACM0"};
    PortList::setLister([this] { return m_ports; });
    const MainWindow window;
    verifyAllLists(window, {"ttyUSB0", "ttyUSB1", "ttyACM0"});

    // Two ports vanish and one appears: one scan handles all three.
    m_ports = {"ttyUSB1", "ttyS4", "ttyACM1"};
    QTRY_COMPARE_WITH_TIMEOUT(items(child<QComboBox>(window, "portNameComboBox")),
                              (QStringList{"ttyUSB1", "ttyACM1"}), 2000);
    verifyAllLists(window, {"ttyUSB1", "ttyACM1"});

    m_ports.clear();
    QTRY_COMPARE_WITH_TIMEOUT(child<QComboBox>(window, "ModbusportNameComboBox")->count(), 0, 2000);
    verifyAllLists(window, {});
}

void TestPortScan::currentItemThatVanishesIsRemoved()
{
    m_ports = {"ttyUSB0", "ttyUSB1"};
    PortList::setLister([this] { return m_ports; });
    const MainWindow window;
    auto *box = child<QComboBox>(window, "TOFportNameComboBox");
    box->setCurrentIndex(1);
    m_ports = {"ttyUSB0"};
    QTRY_COMPARE_WITH_TIMEOUT(items(box), QStringList{"ttyUSB0"}, 2000);
    QCOMPARE(box->currentText(), QStringLiteral("ttyUSB0"));
}

void TestPortScan::scanSwitch_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("scans");
    QTest::newRow("absent") << QString() << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("True") << "True" << false;
}

// Each tick reads the switch afresh; the start-up scan runs either way.
void TestPortScan::scanSwitch()
{
    QFETCH(QString, value);
    QFETCH(bool, scans);
    if (!value.isNull())
        QSettings(settingsFilePath(), QSettings::IniFormat)
            .setValue(QStringLiteral("Auto_Serial_Scan"), value);
    m_ports = {"ttyUSB0"};
    PortList::setLister([this] { return m_ports; });
    const MainWindow window;
    verifyAllLists(window, {"ttyUSB0"});
    m_ports = {"ttyUSB0", "ttyUSB9"};
    QTest::qWait(1200);
    verifyAllLists(window, scans ? QStringList{"ttyUSB0", "ttyUSB9"} : QStringList{"ttyUSB0"});
}

YURB_TEST_MAIN(TestPortScan)
#include "tst_portscan.moc"
