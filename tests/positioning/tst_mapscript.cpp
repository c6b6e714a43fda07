#include "mapscript.h"

#include <QTest>

#include <cmath>

// The call texts of the map pages: program-formatted numbers and escaped
// string literals only, whatever a peer sends.
class TestMapScript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void calls_data();
    void calls();
    void coordinate();
};

void TestMapScript::calls_data()
{
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("expected");
    const QString hostile =
        QStringLiteral("a'b\"c\\d\r\n\t\u2028\u2029</script>);alert(1)//\u0001") + QChar(0xD83D);
    const QString escaped =
        QStringLiteral("\"a\\'b\\\"c\\\\d\\r\\n\\t\\u2028\\u2029\\u003c/script\\u003e);"
                       "alert(1)//\\u0001\\ud83d\"");

    QTest::newRow("position") << MapScript::position(39.92215, 0.1 + 0.2, false, false)
                              << QStringList{"Set_Longit(0.30000000000000004)",
                                             "Set_Latit(39.92215)", "Set_Location()"};
    QTest::newRow("position, centre, latitude first")
        << MapScript::position(-33.5, -1e-7, true, true)
        << QStringList{"Set_Latit(-33.5)", "Set_Longit(-1e-07)", "Set_Location_First()"};
    QTest::newRow("track") << MapScript::track({{39.92, 116.41}, {-1e-7, 0.1 + 0.2}}, false)
                           << QStringList{"savetrack([[39.92,116.41],[-1e-07,0.30000000000000004]],"
                                          "false)"};
    QTest::newRow("track, continued")
        << MapScript::track({{1, 2}}, true) << QStringList{"savetrack([[1,2]],true)"};
    QTest::newRow("not finite") << MapScript::position(NAN, 1, true, false) +
                                       MapScript::position(1, -INFINITY, false, true) +
                                       MapScript::track({{1, 2}, {INFINITY, 4}}, true)
                                << QStringList();
    QTest::newRow("navigation") << MapScript::navigation(QStringLiteral("北京西站"))
                                << QStringList{"Set_endaddress(\"北京西站\")",
                                               "searchdriving(\"北京西站\")"};
    QTest::newRow("navigation, hostile")
        << MapScript::navigation(hostile)
        << QStringList{"Set_endaddress(" + escaped + ")", "searchdriving(" + escaped + ")"};
}

void TestMapScript::calls()
{
    QFETCH(QStringList, calls);
    QFETCH(QStringList, expected);
    QCOMPARE(calls, expected);
}

void TestMapScript::coordinate()
{
    QCOMPARE(MapScript::coordinate("39.92215").value_or(0), 39.92215);
    QCOMPARE(MapScript::coordinate(" -33.5 ").value_or(0), -33.5);
    for (const char *hostile : {"1);alert(1)//", "NaN", "Infinity", "", "1e400", "0x10", "1 2"})
        QVERIFY2(!MapScript::coordinate(hostile), hostile);
}

QTEST_APPLESS_MAIN(TestMapScript)
#include "tst_mapscript.moc"
