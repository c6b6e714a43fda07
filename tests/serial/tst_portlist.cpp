#include "portlist.h"
#include "portsettings.h"

#include <QTest>

class TestPortList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void change_data();
    void change();
    void installedListerReplacesTheSystem();
    void numberFromText_data();
    void numberFromText();
};

void TestPortList::change_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("reported");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("removed");

    QTest::newRow("first scan") << QStringList{} << QStringList{"ttyUSB0", "ttyACM0"}
                                << QStringList{"ttyUSB0", "ttyACM0"} << QStringList{};
    QTest::newRow("nothing changed")
        << QStringList{"ttyUSB0"} << QStringList{"ttyUSB0"} << QStringList{} << QStringList{};
    QTest::newRow("one added at the end")
        << QStringList{"ttyUSB0"} << QStringList{"ttyACM0", "ttyUSB0"} << QStringList{"ttyACM0"}
        << QStringList{};
    QTest::newRow("ttyS never listed") << QStringList{} << QStringList{"ttyS0", "ttyS1", "ttyUSB0"}
                                       << QStringList{"ttyUSB0"} << QStringList{};
    QTest::newRow("other letter case is listed") << QStringList{} << QStringList{"ttys0", "TTYS1"}
                                                 << QStringList{"ttys0", "TTYS1"} << QStringList{};
    QTest::newRow("one vanished") << QStringList{"ttyUSB0", "ttyUSB1"} << QStringList{"ttyUSB1"}
                                  << QStringList{} << QStringList{"ttyUSB0"};
    QTest::newRow("several vanish at once")
        << QStringList{"ttyUSB0", "ttyUSB1", "ttyACM0"} << QStringList{"ttyUSB1"} << QStringList{}
        << QStringList{"ttyUSB0", "ttyACM0"};
    QTest::newRow("all vanish") << QStringList{"a", "b"} << QStringList{} << QStringList{}
                                << QStringList{"a", "b"};
    QTest::newRow("added and vanished in one scan")
        << QStringList{"ttyUSB0"} << QStringList{"ttyUSB1"} << QStringList{"ttyUSB1"}
        << QStringList{"ttyUSB0"};
    QTest::newRow("name case matters") << QStringList{"ttyusb0"} << QStringList{"ttyUSB0"}
                                       << QStringList{"ttyUSB0"} << QStringList{"ttyusb0"};
    QTest::newRow("reported twice is added once")
        << QStringList{} << QStringList{"COM3", "COM3"} << QStringList{"COM3"} << QStringList{};
}

void TestPortList::change()
{
    QFETCH(QStringList, listed);
    QFETCH(QStringList, reported);
    QFETCH(QStringList, added);
    QFETCH(QStringList, removed);
    const PortList::Change actual = PortList::change(listed, reported);
    QCOMPARE(actual.added, added);
    QCOMPARE(actual.removed, removed);
}

void TestPortList::installedListerReplacesTheSystem()
{
    PortList::setLister([] { return QStringList{"/dev/pts/99"}; });
    QCOMPARE(PortList::availablePortNames(), QStringList{"/dev/pts/99"});
    PortList::setLister({});
    QVERIFY(!PortList::availablePortNames().contains(QStringLiteral("/dev/pts/99")));
}

void TestPortList::numberFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("baud") << "115200" << 115200;
    QTest::newRow("trailing blank") << "921600 " << 921600;
    QTest::newRow("not a number") << "fast" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("too big") << "99999999999" << 0;
}

void TestPortList::numberFromText()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(PortSettings::numberFromText(text), number);
}

QTEST_GUILESS_MAIN(TestPortList)
#include "tst_portlist.moc"
