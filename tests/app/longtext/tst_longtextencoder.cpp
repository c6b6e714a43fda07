#include "longtextencoder.h"

#include <QTest>

// A text held as pieces, read by another program a part at a time: each
// part ends between characters, and the parts together are the whole text.
class TestLongTextEncoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parts_data();
    void parts();
};

void TestLongTextEncoder::parts_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<bool>("latin1");
    QTest::addColumn<int>("units");
    QTest::addColumn<QList<QByteArray>>("expected");

    QTest::newRow("a piece across parts")
        << QStringList{"abcdef"} << false << 4 << QList<QByteArray>{"abcd", "ef"};
    QTest::newRow("line breaks between pieces")
        << QStringList{"ab\n", "cd", "\n"} << false << 2 << QList<QByteArray>{"ab", "\nc", "d\n"};
    QTest::newRow("a pair waits for the next part")
        << QStringList{QStringLiteral("a\U0001F600b")} << false << 2
        << QList<QByteArray>{"a", "\xF0\x9F\x98\x80", "b"};
    QTest::newRow("a pair in a part of one unit goes whole")
        << QStringList{QStringLiteral("\U0001F600c")} << false << 1
        << QList<QByteArray>{"\xF0\x9F\x98\x80", "c"};
    QTest::newRow("UTF-8 of CJK, three bytes a unit")
        << QStringList{QStringLiteral("\u4E2D\u6587\n"), QStringLiteral("x")} << false << 100
        << QList<QByteArray>{"\xE4\xB8\xAD\xE6\x96\x87\nx"};
    QTest::newRow("Latin-1, what it has not as '?'")
        << QStringList{QStringLiteral("caf\u00E9 \u00BD\n"), QStringLiteral("\u20AC")} << true
        << 100 << QList<QByteArray>{"caf\xE9 \xBD\n?"};
}

void TestLongTextEncoder::parts()
{
    QFETCH(QStringList, pieces);
    QFETCH(bool, latin1);
    QFETCH(int, units);
    QFETCH(QList<QByteArray>, expected);

    const LongText::Pieces held = pieces;
    LongTextEncoder encoder(held, latin1 ? LongTextEncoder::Encoding::Latin1
                                         : LongTextEncoder::Encoding::Utf8);
    QCOMPARE(encoder.remaining(), LongText::length(held));
    QList<QByteArray> parts;
    for (QByteArray part = encoder.next(units); !part.isEmpty(); part = encoder.next(units))
        parts.append(part);
    QCOMPARE(parts, expected);
    QCOMPARE(encoder.remaining(), 0);
}

QTEST_GUILESS_MAIN(TestLongTextEncoder)
#include "tst_longtextencoder.moc"
