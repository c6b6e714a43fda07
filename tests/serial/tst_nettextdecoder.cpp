#include "nettextdecoder.h"

#include <QTest>

using Chunks = QList<QByteArray>;

// Received bytes to text: GBK or UTF-8, split characters joined per sender.
class TestNetTextDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chunkingDoesNotMatter_data();
    void chunkingDoesNotMatter();
    void anotherSenderStartsAfresh();
    void switchingEncodingStartsAfresh();
    void resetDropsAPartialCharacter();
};

void TestNetTextDecoder::chunkingDoesNotMatter_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QString>("expected");
    QTest::newRow("GBK") << QByteArray::fromHex("c4e3bac3410a") << false
                         << QStringLiteral("你好A\n");
    QTest::newRow("UTF-8") << QByteArray::fromHex("e4bda0e5a5bd410a") << true
                           << QStringLiteral("你好A\n");
}

// Whole, one byte at a time and three at a time give the same text.
void TestNetTextDecoder::chunkingDoesNotMatter()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QFETCH(QString, expected);
    const auto encoding = utf8 ? NetTextDecoder::Encoding::Utf8 : NetTextDecoder::Encoding::Gbk;
    for (const int step : {int(bytes.size()), 1, 3}) {
        NetTextDecoder decoder;
        QString text;
        for (int i = 0; i < bytes.size(); i += step)
            text += decoder.decode(bytes.mid(i, step), encoding, QStringLiteral("peer"));
        QVERIFY2(text == expected, qPrintable(QStringLiteral("step %1: expected \"%2\", got \"%3\"")
                                                  .arg(step)
                                                  .arg(expected, text)));
    }
}

void TestNetTextDecoder::anotherSenderStartsAfresh()
{
    NetTextDecoder decoder;
    QCOMPARE(decoder.decode(QByteArray::fromHex("e4bd"), NetTextDecoder::Encoding::Utf8, "a:1"),
             QString());
    // The held-back bytes of a:1 are not joined with b:2's.
    QCOMPARE(decoder.decode(QByteArray::fromHex("a041"), NetTextDecoder::Encoding::Utf8, "b:2"),
             QStringLiteral("\ufffdA"));
}

void TestNetTextDecoder::switchingEncodingStartsAfresh()
{
    NetTextDecoder decoder;
    QCOMPARE(decoder.decode(QByteArray::fromHex("c4"), NetTextDecoder::Encoding::Gbk, "a:1"),
             QString());
    QCOMPARE(decoder.decode("A", NetTextDecoder::Encoding::Utf8, "a:1"), QStringLiteral("A"));
}

void TestNetTextDecoder::resetDropsAPartialCharacter()
{
    NetTextDecoder decoder;
    QCOMPARE(decoder.decode(QByteArray::fromHex("e4bd"), NetTextDecoder::Encoding::Utf8, "a:1"),
             QString());
    decoder.reset();
    QCOMPARE(decoder.decode(QByteArray::fromHex("e4bda0"), NetTextDecoder::Encoding::Utf8, "a:1"),
             QStringLiteral("你"));
}

QTEST_GUILESS_MAIN(TestNetTextDecoder)
#include "tst_nettextdecoder.moc"
