#include "datagrambudget.h"
#include "netterminalcodec.h"

#include <QTest>

#include <numeric>

// The rules of the UDP and TCP terminals: address and port boxes, send bytes,
// how many of the datagrams waiting one read takes.
class TestNetTerminalCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void port_data();
    void port();
    void address_data();
    void address();
    void sendBytes_data();
    void sendBytes();
    void datagramsPerRead_data();
    void datagramsPerRead();
};

void TestNetTerminalCodec::port_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 0: refused
    QTest::newRow("plain") << "1000" << 1000;
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("blanks around") << " 80 " << 80;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("just too high") << "65536" << 0;
    QTest::newRow("would wrap to 4464") << "70000" << 0;
    QTest::newRow("five nines") << "99999" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("hex is not decimal") << "0x10" << 0;
}

void TestNetTerminalCodec::port()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(NetTerminalCodec::port(text).value_or(0)), expected);
}

void TestNetTerminalCodec::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isAddress");
    QTest::addColumn<bool>("isHost");
    QTest::newRow("IPv4") << "127.0.0.1" << true << true;
    QTest::newRow("IPv6") << "::1" << true << true;
    QTest::newRow("octet out of range") << "300.1.1.1" << false << false;
    QTest::newRow("host name") << "localhost" << false << true;
    QTest::newRow("dotted host name") << "not-an-ip.example" << false << true;
    QTest::newRow("word") << "not-an-ip" << false << true;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("blank") << " " << false << false;
    QTest::newRow("forbidden character") << "bad host!" << false << false;
    QTest::newRow("leading hyphen") << "-dash.example" << false << false;
}

void TestNetTerminalCodec::address()
{
    QFETCH(QString, text);
    QFETCH(bool, isAddress);
    QFETCH(bool, isHost);
    QCOMPARE(NetTerminalCodec::isAddress(text), isAddress);
    QCOMPARE(NetTerminalCodec::isHost(text), isHost);
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

void TestNetTerminalCodec::datagramsPerRead_data()
{
    QTest::addColumn<int>("datagrams"); // at most, within 100 bytes
    QTest::addColumn<QList<qint64>>("waiting");
    QTest::addColumn<int>("taken");
    QTest::newRow("one above the bytes is taken alone") << 10 << QList<qint64>{500, 1} << 1;
    QTest::newRow("filling the bytes exactly") << 10 << QList<qint64>{40, 60, 1} << 2;
    QTest::newRow("stops before passing the bytes") << 10 << QList<qint64>{40, 61, 1} << 1;
    QTest::newRow("empty ones up to the count") << 3 << QList<qint64>{0, 0, 0, 0} << 3;
}

void TestNetTerminalCodec::datagramsPerRead()
{
    QFETCH(int, datagrams);
    QFETCH(QList<qint64>, waiting);
    QFETCH(int, taken);
    DatagramBudget read(100, datagrams);
    for (const qint64 size : waiting) {
        if (!read.admits(size))
            break;
        read.take(size);
    }
    QCOMPARE(read.datagrams(), taken);
    QCOMPARE(read.bytes(), std::accumulate(waiting.cbegin(), waiting.cbegin() + taken, qint64(0)));
}

QTEST_GUILESS_MAIN(TestNetTerminalCodec)
#include "tst_netterminalcodec.moc"
