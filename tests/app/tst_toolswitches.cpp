#include "toolswitches.h"

#include <QTest>

class TestToolSwitches : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedText_data();
    void storedText();
    void keysFollowPages();
    void setUpOrder_data();
    void setUpOrder();
};

void TestToolSwitches::storedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("on");

    QTest::newRow("absent or empty") << QString() << true;
    QTest::newRow("true") << QStringLiteral("true") << true;
    QTest::newRow("false") << QStringLiteral("false") << false;
    QTest::newRow("capital True") << QStringLiteral("True") << false;
    QTest::newRow("one") << QStringLiteral("1") << false;
    QTest::newRow("blank") << QStringLiteral(" ") << false;
    QTest::newRow("true with blank") << QStringLiteral("true ") << false;
}

void TestToolSwitches::storedText()
{
    QFETCH(QString, text);
    QFETCH(bool, on);
    QCOMPARE(ToolSwitches::isOn(text), on);
}

void TestToolSwitches::keysFollowPages()
{
    const QStringList &keys = ToolSwitches::keys();
    QCOMPARE(keys.size(), ToolSwitches::toolCount + 1);
    QCOMPARE(keys.first(), QStringLiteral("COM"));
    QCOMPARE(keys.at(10), QStringLiteral("Ble"));
    QCOMPARE(keys.at(15), QStringLiteral("Modbus"));
    QCOMPARE(keys.last(), QStringLiteral("MORE"));
    QCOMPARE(ToolSwitches::tabTitles().size(), ToolSwitches::toolCount);
    for (int i = 0; i < ToolSwitches::toolCount; ++i)
        QCOMPARE(ToolSwitches::toolForTitle(ToolSwitches::tabTitles().at(i)), i);
}

void TestToolSwitches::setUpOrder_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("toolPages");
    QTest::addColumn<QList<int>>("order");

    QStringList all = ToolSwitches::tabTitles();
    all.append(QStringLiteral("More"));
    QList<int> every;
    for (int i = 0; i < ToolSwitches::toolCount; ++i)
        every.append(i);

    QTest::newRow("every tool, More never") << all << 16 << every;
    QTest::newRow("only More") << QStringList{QStringLiteral("More")} << 0 << QList<int>{};
    QTest::newRow("UDP and GPS removed")
        << QStringList{QStringLiteral("Serial Debug"), QStringLiteral("TCP Debug"),
                       QStringLiteral("GSM Debug"), QStringLiteral("More")}
        << 3 << QList<int>{0, 2, 4};
    QTest::newRow("translated title gets no set-up")
        << QStringList{QStringLiteral("串口调试"), QStringLiteral("Modbus"), QStringLiteral("More")}
        << 2 << QList<int>{15};
    QTest::newRow("case matters") << QStringList{QStringLiteral("mqtt"), QStringLiteral("MQTT")}
                                  << 2 << QList<int>{9};
}

void TestToolSwitches::setUpOrder()
{
    QFETCH(QStringList, titles);
    QFETCH(int, toolPages);
    QFETCH(QList<int>, order);
    QCOMPARE(ToolSwitches::setUpOrder(titles, toolPages), order);
}

QTEST_GUILESS_MAIN(TestToolSwitches)
#include "tst_toolswitches.moc"
