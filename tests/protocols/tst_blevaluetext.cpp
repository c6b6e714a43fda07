#include "blevaluetext.h"

#include <QTest>

// The hexadecimal view of a characteristic's bytes and the bytes that the
// write dialog's text stands for.
class TestBleValueText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexList_data();
    void hexList();
    void writeBytes_data();
    void writeBytes();
};

void TestBleValueText::hexList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no bytes") << QByteArray() << "";
    QTest::newRow("one byte") << QByteArray("A") << "0x41";
    QTest::newRow("text AB") << QByteArray("AB") << "0x41, 0x42";
    QTest::newRow("zero and high bytes") << QByteArray::fromHex("00ff0a") << "0x00, 0xff, 0x0a";
    QTest::newRow("UTF-8 e acute as its two bytes") << QByteArray::fromHex("c3a9") << "0xc3, 0xa9";
}

void TestBleValueText::hexList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString actual = BleValueText::hexList(bytes);
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("bytes %1: expected \"%2\", got \"%3\"")
                            .arg(QString::fromLatin1(bytes.toHex()), expected, actual)));
}

void TestBleValueText::writeBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("text as UTF-8") << "AB" << false << QByteArray("AB");
    QTest::newRow("text with e acute")
        << QString::fromUtf8("\xc3\xa9") << false << QByteArray::fromHex("c3a9");
    QTest::newRow("hex pairs") << "4142" << true << QByteArray("AB");
    QTest::newRow("hex with blanks") << "41 42 43" << true << QByteArray("ABC");
    QTest::newRow("0x41: the x is skipped") << "0x41" << true << QByteArray::fromHex("0041");
    QTest::newRow("odd count pairs from the end") << "414" << true << QByteArray::fromHex("0414");
    QTest::newRow("upper-case digits") << "FFa0" << true << QByteArray::fromHex("ffa0");
    QTest::newRow("no digits") << "zz" << true << QByteArray();
    QTest::newRow("empty text") << "" << false << QByteArray();
}

void TestBleValueText::writeBytes()
{
    QFETCH(QString, text);
    QFETCH(bool, hex);
    QFETCH(QByteArray, expected);
    const QByteArray actual = BleValueText::writeBytes(text, hex);
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("text \"%1\" (hex %2): expected %3, got %4")
                            .arg(text, hex ? QStringLiteral("on") : QStringLiteral("off"),
                                 QString::fromLatin1(expected.toHex()),
                                 QString::fromLatin1(actual.toHex()))));
}

QTEST_GUILESS_MAIN(TestBleValueText)
#include "tst_blevaluetext.moc"
