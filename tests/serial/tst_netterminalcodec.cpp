#include "netterminalcodec.h"

#include <QTest>

// The byte rules of the UDP and TCP terminals: hex text, port boxes, send bytes.
class TestNetTerminalCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexText_data();
    void hexText();
    void withoutCarriageReturns();
    void port_data();
    void port();
    void sendBytes_data();
    void sendBytes();
};

void TestNetTerminalCodec::hexText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("A B CR LF") << QByteArray("AB\r\n")
                               << QStringLiteral("0x41, 0x42, 0x0D, 0x0A, ");
    QTest::newRow("upper-case digits")
        << QByteArray::fromHex("00abff") << QStringLiteral("0x00, 0xAB, 0xFF, ");
}

void TestNetTerminalCodec::hexText()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    const QString actual = NetTerminalCodec::hexText(data);
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("input %1: expected \"%2\", got \"%3\"")
                            .arg(QString::fromLatin1(data.toHex()), expected, actual)));
}

void TestNetTerminalCodec::withoutCarriageReturns()
{
    QCOMPARE(NetTerminalCodec::withoutCarriageReturns("\rA\r\nB\r"), QByteArray("A\nB"));
}

void TestNetTerminalCodec::port_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "1000" << 1000;
    QTest::newRow("low 16 bits") << "70000" << 4464;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("hex is not decimal") << "0x10" << 0;
}

void TestNetTerminalCodec::port()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(NetTerminalCodec::port(text)), expected);
}

void TestNetTerminalCodec::sendBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("final line feed becomes CR LF") << "hello\n" << false << QByteArray("hello\r\n");
    QTest::newRow("inner line feed stays single") << "a\nb" << false << QByteArray("a\nb");
    QTest::newRow("UTF-8 text") << QStringLiteral("你") << false << QByteArray("\xe4\xbd\xa0");
    QTest::newRow("hex with blanks") << "01 02 ff" << true << QByteArray::fromHex("0102ff");
    QTest::newRow("hex without blanks") << "0102FF" << true << QByteArray::fromHex("0102ff");
    QTest::newRow("hex with final line feed") << "41 42\n" << true << QByteArray("AB");
    QTest::newRow("hex of no digits") << "zz" << true << QByteArray();
}

void TestNetTerminalCodec::sendBytes()
{
    QFETCH(QString, text);
    QFETCH(bool, hex);
    QFETCH(QByteArray, expected);
    const QByteArray actual = NetTerminalCodec::sendBytes(text, hex);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("input \"%1\": expected %2, got %3")
                                                .arg(text, QString::fromLatin1(expected.toHex(' ')),
                                                     QString::fromLatin1(actual.toHex(' ')))));
}

QTEST_GUILESS_MAIN(TestNetTerminalCodec)
#include "tst_netterminalcodec.moc"
