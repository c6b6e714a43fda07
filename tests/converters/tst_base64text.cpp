#include "base64text.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstring>

namespace {
const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// A reference coder written from RFC 4648 bit by bit: the UTF-8 bits in
// groups of six, "=" padding to a multiple of four.
QString referenceEncode(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QString out;
    for (qsizetype bit = 0; bit < bytes.size() * 8; bit += 6) {
        int value = 0;
        for (qsizetype b = bit; b < bit + 6; ++b) {
            const bool set = b < bytes.size() * 8 && (uchar(bytes.at(b / 8)) >> (7 - b % 8)) & 1;
            value = value * 2 + int(set);
        }
        out += QLatin1Char(alphabet[value]);
    }
    while (out.size() % 4 != 0)
        out += QLatin1Char('=');
    return out;
}

// The reference decoder: alphabet characters only, whole bytes only.
QString referenceDecode(const QString &base64)
{
    QByteArray bytes;
    int buffer = 0;
    int bits = 0;
    for (const QChar c : base64) {
        const char *found = c.unicode() < 128 && c.unicode() > 0
                                ? std::strchr(alphabet, char(c.unicode()))
                                : nullptr;
        if (!found)
            continue;
        buffer = (buffer << 6 | int(found - alphabet)) & 0xFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += char(buffer >> bits);
        }
    }
    return QString::fromUtf8(bytes);
}
} // namespace

// Base64 of text both ways, against RFC 4648's examples and a reference
// coder.
class TestBase64Text : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void randomText();
};

void TestBase64Text::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("base64");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("f") << "f"
                       << "Zg==";
    QTest::newRow("fo") << "fo"
                        << "Zm8=";
    QTest::newRow("foo") << "foo"
                         << "Zm9v";
    QTest::newRow("foob") << "foob"
                          << "Zm9vYg==";
    QTest::newRow("fooba") << "fooba"
                           << "Zm9vYmE=";
    QTest::newRow("foobar") << "foobar"
                            << "Zm9vYmFy";
    QTest::newRow("Chinese") << QStringLiteral("中文") << "5Lit5paH";
    QTest::newRow("long, no line breaks") << QString(100, QLatin1Char('a')) << QString();
    // Encoded a piece at a time: a group's bytes and a surrogate pair across
    // the end of a piece, and pieces that end in a lone surrogate.
    const qsizetype piece = Base64Text::pieceLength;
    QString cjk;
    for (qsizetype i = 0; i < 2 * piece + 7; ++i)
        cjk += QChar(char16_t(0x4E00 + i % 0x5000));
    QTest::newRow("pieces of CJK") << QString(QLatin1Char('a') + cjk) << QString();
    QTest::newRow("pair across pieces")
        << QString(piece - 1, QLatin1Char('a')) + QStringLiteral("\U0001F600b") << QString();
    QTest::newRow("lone surrogates at piece ends")
        << QString(piece - 1, QLatin1Char('a')) + QChar(0xD800) + QString(piece - 1, u'b') +
               QChar(0xDC00) + u'c'
        << QString();
}

void TestBase64Text::encode()
{
    QFETCH(QString, text);
    QFETCH(QString, base64);
    const QString expected = base64.isEmpty() ? referenceEncode(text) : base64;
    QCOMPARE(Base64Text::encode(text), expected);
    // A lone surrogate reads back as the replacement character UTF-8 makes it.
    QCOMPARE(Base64Text::decode(expected), QString::fromUtf8(text.toUtf8()));
}

void TestBase64Text::decode_data()
{
    QTest::addColumn<QString>("base64");
    QTest::addColumn<QString>("text");
    QTest::newRow("line breaks and blanks skipped") << "Zm9v\nYm Fy"
                                                    << "foobar";
    QTest::newRow("other characters skipped") << "Z*m9v!Y~g"
                                              << "foob";
    QTest::newRow("no padding") << "Zm9vYg"
                                << "foob";
    QTest::newRow("nothing of the alphabet") << "!!=="
                                             << "";
    QTest::newRow("not UTF-8") << "/w==" << QStringLiteral("\uFFFD");
}

void TestBase64Text::decode()
{
    QFETCH(QString, base64);
    QFETCH(QString, text);
    QCOMPARE(Base64Text::decode(base64), text);
    QCOMPARE(referenceDecode(base64), text);
}

void TestBase64Text::randomText()
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 200; ++round) {
        QString text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(random.bounded(0x20, 0xD7FF)));
        const QString base64 = Base64Text::encode(text);
        QVERIFY2(base64 == referenceEncode(text), qPrintable(text));
        QVERIFY2(Base64Text::decode(base64) == text, qPrintable(base64));
        QVERIFY2(referenceDecode(base64) == text, qPrintable(base64));
    }
}

QTEST_APPLESS_MAIN(TestBase64Text)
#include "tst_base64text.moc"
