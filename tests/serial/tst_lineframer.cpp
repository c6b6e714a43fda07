#include "lineframer.h"

#include "hexlist.h"
#include "parsecheck.h"

#include <QStringList>
#include <QTest>

class TestLineFramer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void feed_data();
    void feed();
};

void TestLineFramer::feed_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QTest::newRow("LF") << 8 << QByteArray("a\nbc\n") << QByteArrayList{"a", "bc"}
                        << QByteArrayList{} << false;
    QTest::newRow("CR LF") << 8 << QByteArray("$GP,1*7F\r\nOK\r\n")
                           << QByteArrayList{"$GP,1*7F", "OK"} << QByteArrayList{} << false;
    QTest::newRow("empty lines") << 8 << QByteArray("\n\r\n\n") << QByteArrayList{"", "", ""}
                                 << QByteArrayList{} << false;
    QTest::newRow("lone CRs kept") << 8 << QByteArray("\ra\rb\r\r\n") << QByteArrayList{"\ra\rb\r"}
                                   << QByteArrayList{} << false;
    QTest::newRow("overlong dropped, framing resumes")
        << 4 << QByteArray("abcdefgh\nok\n") << QByteArrayList{"ok"} << QByteArrayList{"abcd"}
        << false;
    QTest::newRow("maximum with CR LF fits, one more is overlong")
        << 4 << QByteArray("abcd\r\nabcde\r\nxy\r\n") << QByteArrayList{"abcd", "xy"}
        << QByteArrayList{"abcd"} << false;
    QTest::newRow("overlong by an inner CR")
        << 4 << QByteArray("abcd\r\r\nz\n") << QByteArrayList{"z"} << QByteArrayList{"abcd"}
        << false;
    QTest::newRow("overlong lines each reported")
        << 2 << QByteArray("abcd\nefg\r") << QByteArrayList{} << QByteArrayList{"ab", "ef"}
        << false;
    QTest::newRow("unfinished last line held")
        << 8 << QByteArray("a\nbc") << QByteArrayList{"a"} << QByteArrayList{} << true;
    QTest::newRow("CR held at the end")
        << 8 << QByteArray("bc\n\r") << QByteArrayList{"bc"} << QByteArrayList{} << true;
    QTest::newRow("binary with NUL")
        << 4 << QByteArray("\x00\xff\x0d\x01\n\x00\n", 7)
        << QByteArrayList{QByteArray("\x00\xff\x0d\x01", 4), QByteArray(1, '\0')}
        << QByteArrayList{} << false;
    QTest::newRow("nothing") << 8 << QByteArray() << QByteArrayList{} << QByteArrayList{} << false;
}

void TestLineFramer::feed()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    verifyParse([maximum] { return LineFramer(maximum); }, stream, lines, corrupt, needsMore,
                hexList);
}

QTEST_GUILESS_MAIN(TestLineFramer)
#include "tst_lineframer.moc"
