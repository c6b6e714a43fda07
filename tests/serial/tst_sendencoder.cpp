#include "sendencoder.h"

#include <QTest>

class TestSendEncoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexTokens_data();
    void hexTokens();
    void text_data();
    void text();
};

void TestSendEncoder::hexTokens_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("badToken");

    QTest::newRow("three parts, two blanks")
        << "01 02  ff" << true << QByteArray("\x01\x02\xff", 3) << "";
    QTest::newRow("leading and trailing blanks") << " 41 42 " << true << QByteArray("AB") << "";
    QTest::newRow("upper case") << "FF 0A" << true << QByteArray("\xff\n", 2) << "";
    QTest::newRow("odd length keeps low byte") << "1FF" << true << QByteArray("\xff", 1) << "";
    QTest::newRow("single digit") << "7" << true << QByteArray("\x07", 1) << "";
    QTest::newRow("minus one") << "-1" << true << QByteArray("\xff", 1) << "";
    QTest::newRow("zero byte") << "00" << true << QByteArray(1, '\0') << "";
    QTest::newRow("empty text") << "" << true << QByteArray() << "";
    QTest::newRow("not a digit") << "01 0g 02" << false << QByteArray() << "0g";
    QTest::newRow("line break between digits") << "0\n1" << false << QByteArray() << "0\n1";
    QTest::newRow("bad part after good ones") << "01 02 zz" << false << QByteArray() << "zz";
    QTest::newRow("too big for 32 bits") << "1FFFFFFFF" << false << QByteArray() << "1FFFFFFFF";
    QTest::newRow("tab is no separator") << "01\t02" << false << QByteArray() << "01\t02";
}

void TestSendEncoder::hexTokens()
{
    QFETCH(QString, input);
    QFETCH(bool, ok);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, badToken);

    const SendEncoder::Result result = SendEncoder::fromHexTokens(input);
    QVERIFY2((result.error == SendEncoder::Error::None) == ok,
             qPrintable(QStringLiteral("input %1").arg(input)));
    QVERIFY2(result.bytes == bytes,
             qPrintable(QStringLiteral("input %1: expected %2, got %3")
                            .arg(input, bytes.toHex(' '), result.bytes.toHex(' '))));
    QCOMPARE(result.badToken, badToken);
}

void TestSendEncoder::text_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << "AT" << QByteArray("AT");
    QTest::newRow("LF becomes CRLF") << "A\nB" << QByteArray("A\r\nB");
    QTest::newRow("CRLF stays single") << "A\r\nB" << QByteArray("A\r\nB");
    QTest::newRow("lone CR stays") << "A\rB" << QByteArray("A\rB");
    QTest::newRow("trailing LF") << "AT\n" << QByteArray("AT\r\n");
    QTest::newRow("two LFs") << "\n\n" << QByteArray("\r\n\r\n");
    QTest::newRow("UTF-8") << QString::fromUtf8("温度\n")
                           << QByteArray("\xe6\xb8\xa9\xe5\xba\xa6\r\n");
    QTest::newRow("empty") << "" << QByteArray();
}

void TestSendEncoder::text()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, bytes);
    const QByteArray actual = SendEncoder::fromText(input);
    QVERIFY2(
        actual == bytes,
        qPrintable(QStringLiteral("expected %1, got %2").arg(bytes.toHex(' '), actual.toHex(' '))));
}

QTEST_GUILESS_MAIN(TestSendEncoder)
#include "tst_sendencoder.moc"
