#include "bytecounter.h"
#include "receivedecoder.h"
#include "receiveformat.h"

#include <QTest>
#include <QTime>

// What the receive views get for received bytes: the hex dump, the time
// stamp, the stream decoding and the byte counter.
class TestReceiveText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexDump_data();
    void hexDump();
    void timeStamp();
    void decodingIgnoresChunking_data();
    void decodingIgnoresChunking();
    void decoderResetDropsPartialCharacter();
    void counter_data();
    void counter();
};

void TestReceiveText::hexDump_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("dump");

    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("letters") << QByteArray("AB") << "0x41,0x42,";
    QTest::newRow("line feed breaks the line") << QByteArray("A\nB") << "0x41,0x0a,\n0x42,";
    QTest::newRow("carriage return kept") << QByteArray("\r\n") << "0x0d,0x0a,\n";
    QTest::newRow("high bytes unsigned, lower case")
        << QByteArray("\x00\x7f\x80\xff", 4) << "0x00,0x7f,0x80,0xff,";
}

void TestReceiveText::hexDump()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, dump);
    QCOMPARE(ReceiveFormat::hexDump(bytes), dump);
}

void TestReceiveText::timeStamp()
{
    QCOMPARE(ReceiveFormat::timeStamp(QTime(9, 5, 7, 42)), QStringLiteral("[09:05:07.042]"));
    QCOMPARE(ReceiveFormat::timeStamp(QTime(23, 59, 59, 999)), QStringLiteral("[23:59:59.999]"));
}

void TestReceiveText::decodingIgnoresChunking_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII with CR LF") << QByteArray("OK\r\nREADY\r\n") << "OK\nREADY\n";
    QTest::newRow("two- to four-byte characters")
        << QByteArray("\xc3\xa9 \xe6\xb8\xa9 \xf0\x9f\x98\x80") << QString::fromUtf8("é 温 😀");
    QTest::newRow("invalid byte gives one replacement") << QByteArray("a\xff"
                                                                      "b")
                                                        << QStringLiteral("a\uFFFDb");
}

// Fed whole, one byte at a time or in sevens, the stream gives the same text:
// a character split between two reads comes out whole.
void TestReceiveText::decodingIgnoresChunking()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, text);
    for (const int chunk : {int(stream.size()), 1, 2, 7}) {
        ReceiveDecoder decoder;
        QString decoded;
        for (qsizetype i = 0; i < stream.size(); i += chunk)
            decoded += decoder.decode(stream.mid(i, chunk));
        QVERIFY2(
            decoded == text,
            qPrintable(
                QStringLiteral("chunks of %1: expected %2, got %3").arg(chunk).arg(text, decoded)));
    }
}

void TestReceiveText::decoderResetDropsPartialCharacter()
{
    ReceiveDecoder decoder;
    QCOMPARE(decoder.decode(QByteArray("x\xe6\xb8")), QStringLiteral("x"));
    decoder.reset();
    QCOMPARE(decoder.decode(QByteArray("y")), QStringLiteral("y"));
}

void TestReceiveText::counter_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<int>("result");

    QTest::newRow("adds") << 10 << qint64(300) << 310;
    QTest::newRow("reaches the cap") << 99000 << qint64(999) << 99999;
    QTest::newRow("passes the cap") << 99990 << qint64(300) << 99999;
    QTest::newRow("stays at the cap") << 99999 << qint64(1) << 99999;
    QTest::newRow("huge chunk") << 0 << qint64(5'000'000'000) << 99999;
    QTest::newRow("nothing written") << 42 << qint64(-1) << 42;
}

void TestReceiveText::counter()
{
    QFETCH(int, shown);
    QFETCH(qint64, bytes);
    QFETCH(int, result);
    QCOMPARE(ByteCounter::added(shown, bytes), result);
}

QTEST_GUILESS_MAIN(TestReceiveText)
#include "tst_receivetext.moc"
