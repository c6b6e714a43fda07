#include "mapscript.h"

#include <QTest>

#include <limits>

// The call texts of the map pages: program-formatted numbers and escaped
// string literals only, whatever a peer sends.
class TestMapScript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void calls_data();
    void calls();
    void coordinate_data();
    void coordinate();
};

void TestMapScript::calls_data()
{
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QString hostile = QStringLiteral("a'b\"c\\d\ne\u2028f</script>);alert(1)//\u0001");

    QTest::newRow("position") << MapScript::position(39.92215, 116.46478, false, false)
                              << QStringList{"Set_Longit(116.46478)", "Set_Latit(39.92215)",
                                             "Set_Location()"};
    QTest::newRow("position, centre, latitude first")
        << MapScript::position(-33.5, 0.1, true, true)
        << QStringList{"Set_Latit(-33.5)", "Set_Longit(0.1)", "Set_Location_First()"};
    QTest::newRow("position, round trip")
        << MapScript::position(0.1 + 0.2, -1e-7, false, false)
        << QStringList{"Set_Longit(-1e-07)", "Set_Latit(0.30000000000000004)", "Set_Location()"};
    QTest::newRow("position NaN") << MapScript::position(nan, 1, true, false) << QStringList();
    QTest::newRow("position infinite")
        << MapScript::position(1, -inf, true, false) << QStringList();
    QTest::newRow("segment") << MapScript::segment(39.92, 116.41, 39.93, 116.42)
                             << QStringList{"Set_Latit2(39.92)", "Set_Longit2(116.41)",
                                            "Set_Latit3(39.93)", "Set_Longit3(116.42)",
                                            "saveway()"};
    QTest::newRow("segment infinite") << MapScript::segment(1, 2, inf, 4) << QStringList();
    QTest::newRow("navigation") << MapScript::navigation(QStringLiteral("北京西站"))
                                << QStringList{"Set_endaddress(\"北京西站\")",
                                               "searchdriving(\"北京西站\")"};
    QTest::newRow("navigation, empty")
        << MapScript::navigation(QString())
        << QStringList{"Set_endaddress(\"\")", "searchdriving(\"\")"};
    const QString escaped =
        QStringLiteral("\"a\\'b\\\"c\\\\d\\ne\\u2028f\\u003c/script\\u003e);alert(1)//\\u0001\"");
    QTest::newRow("navigation, hostile")
        << MapScript::navigation(hostile)
        << QStringList{"Set_endaddress(" + escaped + ")", "searchdriving(" + escaped + ")"};
    QTest::newRow("literal, separators and surrogates")
        << QStringList{MapScript::stringLiteral(QStringLiteral("\r\t\u2029\u007f&") +
                                                QChar(0xD83D))}
        << QStringList{"\"\\r\\t\\u2029\\u007f\\u0026\\ud83d\""};
}

void TestMapScript::calls()
{
    QFETCH(QStringList, calls);
    QFETCH(QStringList, expected);
    QCOMPARE(calls, expected);
}

void TestMapScript::coordinate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("decimal") << "39.92215" << true << 39.92215;
    QTest::newRow("blanks and sign") << " -33.5 " << true << -33.5;
    QTest::newRow("script") << "1);alert(1)//" << false << 0.0;
    QTest::newRow("NaN") << "NaN" << false << 0.0;
    QTest::newRow("Infinity") << "Infinity" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("two numbers") << "1 2" << false << 0.0;
}

void TestMapScript::coordinate()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = MapScript::coordinate(text);
    QCOMPARE(parsed.has_value(), valid);
    if (parsed)
        QCOMPARE(*parsed, value);
}

QTEST_APPLESS_MAIN(TestMapScript)
#include "tst_mapscript.moc"
