#include "unicodeescape.h"

#include <QTest>

// Text to hex UTF-16 groups and back, with and without the "\U" prefix.
class TestUnicodeEscape : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bothWays_data();
    void bothWays();
    void decode_data();
    void decode();
    void everyCodePoint();
};

void TestUnicodeEscape::bothWays_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("prefixed");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("empty, prefixed") << "" << true << "";
    QTest::newRow("A and U+4E2D") << QStringLiteral("A\u4E2D") << false << "00414E2D";
    QTest::newRow("prefixed") << QStringLiteral("A\u4E2D") << true << "\\U0041\\U4E2D";
    QTest::newRow("four digits each")
        << QStringLiteral("\n\u00FF\u0410") << false << "000A00FF0410";
    QTest::newRow("upper-case letters") << QStringLiteral("\uABCD") << false << "ABCD";
    QTest::newRow("surrogate pair") << QStringLiteral("x\U0001F600") << false << "0078D83DDE00";
    QTest::newRow("surrogate pair, prefixed")
        << QStringLiteral("\U0001F600") << true << "\\UD83D\\UDE00";
}

void TestUnicodeEscape::bothWays()
{
    QFETCH(QString, text);
    QFETCH(bool, prefixed);
    QFETCH(QString, escaped);
    QCOMPARE(UnicodeEscape::encode(text, prefixed), escaped);
    QCOMPARE(UnicodeEscape::decode(escaped, prefixed), text);
}

void TestUnicodeEscape::decode_data()
{
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<bool>("prefixed");
    QTest::addColumn<QString>("text");
    const QString zero(QChar(0));
    QTest::newRow("lower-case digits") << "4e2d00e9" << false << QStringLiteral("\u4E2D\u00E9");
    QTest::newRow("lower-case prefix") << "\\u4e2d\\U0041" << true << QStringLiteral("\u4E2DA");
    QTest::newRow("partial group dropped") << "4E2D4" << false << QStringLiteral("\u4E2D");
    QTest::newRow("prefix not removed") << "\\U4E2D" << false << zero;
    QTest::newRow("non-hex group") << "00G141" << false << zero;
    QTest::newRow("non-hex group, then on") << "XYZW0041" << false << zero + QLatin1Char('A');
    // A group reads as an integer in base 16 does: a sign, a "0x" and
    // blanks around the digits are allowed, a negative number is refused.
    QTest::newRow("negative group") << "-0010041" << false << zero + QLatin1Char('A');
    QTest::newRow("negative after a blank") << " -41" << false << zero;
    QTest::newRow("plus sign") << "+041" << false << QStringLiteral("A");
    QTest::newRow("blank before") << " 041" << false << QStringLiteral("A");
    QTest::newRow("blank after") << "041 " << false << QStringLiteral("A");
    QTest::newRow("tab before") << "\t041" << false << QStringLiteral("A");
    QTest::newRow("0x") << "0x41" << false << QStringLiteral("A");
    QTest::newRow("0X, lower-case digit") << "0Xa0" << false << QStringLiteral("\u00A0");
    QTest::newRow("blank inside") << "4 1 " << false << zero;
    QTest::newRow("sign alone") << "+   " << false << zero;
    QTest::newRow("prefixed, between groups only") << "00\\U41" << true << QStringLiteral("A");
}

void TestUnicodeEscape::decode()
{
    QFETCH(QString, escaped);
    QFETCH(bool, prefixed);
    QFETCH(QString, text);
    QCOMPARE(UnicodeEscape::decode(escaped, prefixed), text);
}

// Every code point, as one text of over two million units, converts in
// full both ways.
void TestUnicodeEscape::everyCodePoint()
{
    QString text;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (!QChar::isSurrogate(c))
            text += QString::fromUcs4(&c, 1);
    }
    for (const bool prefixed : {false, true}) {
        const QString escaped = UnicodeEscape::encode(text, prefixed);
        QCOMPARE(escaped.size(), text.size() * (prefixed ? 6 : 4));
        QCOMPARE(UnicodeEscape::decode(escaped, prefixed), text);
    }
}

QTEST_APPLESS_MAIN(TestUnicodeEscape)
#include "tst_unicodeescape.moc"
