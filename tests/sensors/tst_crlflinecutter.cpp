#include "crlflinecutter.h"

#include "chunkingcheck.h"
#include "hexlist.h"

#include <QTest>
#include <QVariant>

// The spectrometer's and time-of-flight board's lines, cut at CR LF.
class TestCrLfLineCutter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void feed_data();
    void feed();
};

void TestCrLfLineCutter::feed_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QTest::newRow("two lines in one chunk, in order")
        << 4096 << QByteArray("F3:2500\r\nF9:100\r\n") << QByteArrayList{"F3:2500", "F9:100"}
        << QByteArrayList{} << false;
    QTest::newRow("a TOF line with its trailing comma")
        << 4096 << QByteArray("100,200,300,\r\n") << QByteArrayList{"100,200,300,"}
        << QByteArrayList{} << false;
    QTest::newRow("LF or CR alone stay in the line, CR before CR LF too")
        << 4096 << QByteArray("a\nb\rc\r\nx\r\r\n") << QByteArrayList{"a\nb\rc", "x\r"}
        << QByteArrayList{} << false;
    QTest::newRow("empty lines and NUL bytes")
        << 4096 << QByteArray("\r\n\0F1:1\r\n", 9) << QByteArrayList{"", QByteArray("\0F1:1", 5)}
        << QByteArrayList{} << false;
    QTest::newRow("a line whose CR LF has not come is held")
        << 4096 << QByteArray("F1:1\r\nF2:750\r") << QByteArrayList{"F1:1"} << QByteArrayList{}
        << true;
    QTest::newRow("a line of exactly the maximum")
        << 4 << QByteArray("abcd\r\nabc\r\n") << QByteArrayList{"abcd", "abc"} << QByteArrayList{}
        << false;
    QTest::newRow("too long: reported once, cutting resumes after its CR LF")
        << 8 << QByteArray("0123456789abcdef\r\nF1:1\r\n") << QByteArrayList{"F1:1"}
        << QByteArrayList{"01234567"} << false;
    QTest::newRow("a CR past the maximum is part of the long line")
        << 4 << QByteArray("abcd\rx\r\nF1\r\n") << QByteArrayList{"F1"} << QByteArrayList{"abcd"}
        << false;
    QTest::newRow("text without line ends is not held beyond the maximum")
        << 8 << QByteArray(100, 'x') << QByteArrayList{} << QByteArrayList{"xxxxxxxx"} << false;
}

void TestCrLfLineCutter::feed()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    CrLfLineCutter cutter(maximum);
    const ParsedChunk<QByteArray> parsed = cutter.feed(stream);
    const auto mismatch = [&](const char *what, const QString &expected, const QString &actual) {
        return qPrintable(QStringLiteral("stream %1: expected %2 %3, got %4")
                              .arg(QString::fromLatin1(stream.toHex(' ')), QLatin1String(what),
                                   expected, actual));
    };
    QVERIFY2(parsed.results == lines, mismatch("lines", hexList(lines), hexList(parsed.results)));
    QVERIFY2(parsed.corrupt == corrupt,
             mismatch("corrupt", hexList(corrupt), hexList(parsed.corrupt)));
    QVERIFY2(cutter.needsMore() == needsMore,
             mismatch("needsMore()", QVariant(needsMore).toString(),
                      QVariant(cutter.needsMore()).toString()));

    verifyChunkingIndependence([maximum] { return CrLfLineCutter(maximum); }, stream);
}

QTEST_GUILESS_MAIN(TestCrLfLineCutter)
#include "tst_crlflinecutter.moc"
