#include "desbits.h"
#include "desblock.h"
#include "deshex.h"
#include "destables.h"

#include <QFile>
#include <QTest>

namespace {
using BlockFunction = void (*)(unsigned char *, unsigned char *, const unsigned char *);

const QString modes[] = {QStringLiteral("DES"), QStringLiteral("2DES"), QStringLiteral("3DES")};
const BlockFunction encrypts[] = {One_DES_IV_Encrypt_Block, Two_DES_IV_Encrypt_Block,
                                  Three_DES_IV_Encrypt_Block};
const BlockFunction decodes[] = {One_DES_IV_Decode_Block, Two_DES_IV_Decode_Block,
                                 Three_DES_IV_Decode_Block};

unsigned char *bytes(QByteArray &data)
{
    return reinterpret_cast<unsigned char *>(data.data());
}

// One block through a block function, everything in upper-case hex; the
// chaining value, when there is one, is updated. A null key stays null.
QByteArray run(BlockFunction function, const QByteArray &key, const QByteArray &block,
               QByteArray *iv = nullptr)
{
    QByteArray k = QByteArray::fromHex(key);
    QByteArray b = QByteArray::fromHex(block);
    QByteArray v = iv ? QByteArray::fromHex(*iv) : QByteArray();
    function(iv ? bytes(v) : nullptr, bytes(b), key.isNull() ? nullptr : bytes(k));
    if (iv)
        *iv = v.toHex().toUpper();
    return b.toHex().toUpper();
}

QByteArray complement(const QByteArray &hex)
{
    QByteArray data = QByteArray::fromHex(hex);
    for (char &byte : data)
        byte = char(~byte);
    return data.toHex().toUpper();
}

// The key with the low bit of every byte flipped.
QByteArray otherParity(const QByteArray &hex)
{
    QByteArray data = QByteArray::fromHex(hex);
    for (char &byte : data)
        byte = char(byte ^ 1);
    return data.toHex().toUpper();
}
} // namespace

// The cipher against the standard's known answers and the vectors of a
// reference implementation, its algebraic properties, chaining, and the
// helpers with edge cases of their own.
class TestDes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vectors_data();
    void vectors();
    void weakKeys_data();
    void weakKeys();
    void chaining_data();
    void chaining();
    void nullKeyChangesNothing();
    void permuteInPlace();
    void hexDigits_data();
    void hexDigits();
    void hexToChar();
};

// Known answers of the standard's tests, then des_vectors.txt: random keys
// and blocks enciphered once by a reference implementation
// (make_des_vectors.py beside it).
void TestDes::vectors_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("plaintext");
    QTest::addColumn<QByteArray>("ciphertext");
    const auto known = [](const char *name, const char *key, const char *plain,
                          const char *cipher) {
        QTest::newRow(name) << 0 << QByteArray(key) << QByteArray(plain) << QByteArray(cipher);
    };
    known("Now is t", "0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815");
    known("worked example", "133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405");
    known("variable plaintext 1", "0101010101010101", "8000000000000000", "95F8A5E5DD31D900");
    known("variable plaintext 2", "0101010101010101", "4000000000000000", "DD7F121CA5015619");
    known("variable key 1", "8001010101010101", "0000000000000000", "95A8D72813DAA94D");
    known("permutation", "1046913489980131", "0000000000000000", "88D55E54F54C97B4");
    known("substitution", "7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B");
    known("all zero", "0000000000000000", "0000000000000000", "8CA64DE9C1B123A7");
    known("all one", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "7359B2163E4EDC58");
    known("to zero", "0E329232EA6D0D73", "8787878787878787", "0000000000000000");

    QFile file(QStringLiteral(YURB_CONVERTERS_TEST_DATA "/des_vectors.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    int count = 0;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.first().startsWith('#'))
            continue;
        const int mode =
            int(std::find(std::begin(modes), std::end(modes), QString::fromLatin1(fields.at(0))) -
                std::begin(modes));
        QTest::addRow("%s %d", fields.at(0).constData(), ++count)
            << mode << fields.at(1) << fields.at(2) << fields.at(3);
    }
    QCOMPARE(count, 192);
}

// Each vector both ways; complementing key and plaintext complements the
// ciphertext; the parity bits change nothing; K1 in every key slot of the
// triple modes is single DES with K1.
void TestDes::vectors()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, plaintext);
    QFETCH(QByteArray, ciphertext);
    QCOMPARE(run(encrypts[mode], key, plaintext), ciphertext);
    QCOMPARE(run(decodes[mode], key, ciphertext), plaintext);
    QCOMPARE(run(encrypts[mode], complement(key), complement(plaintext)), complement(ciphertext));
    QCOMPARE(run(encrypts[mode], otherParity(key), plaintext), ciphertext);
    const QByteArray k1 = key.left(16);
    const QByteArray single = run(encrypts[0], k1, plaintext);
    QCOMPARE(run(encrypts[1], k1 + k1, plaintext), single);
    QCOMPARE(run(encrypts[2], k1 + k1 + k1, plaintext), single);
}

// Encrypting with the first key and then with the second restores the
// block: the same key for a weak key, the pair's other key for a semi-weak.
void TestDes::weakKeys_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    for (const char *weak :
         {"0101010101010101", "FEFEFEFEFEFEFEFE", "E0E0E0E0F1F1F1F1", "1F1F1F1F0E0E0E0E"})
        QTest::newRow(weak) << QByteArray(weak) << QByteArray(weak);
    QTest::newRow("01FE/FE01") << QByteArray("01FE01FE01FE01FE") << QByteArray("FE01FE01FE01FE01");
    QTest::newRow("1FE0/E01F") << QByteArray("1FE01FE00EF10EF1") << QByteArray("E01FE01FF10EF10E");
}

void TestDes::weakKeys()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    const QByteArray plaintext("0123456789ABCDEF");
    const QByteArray once = run(encrypts[0], first, plaintext);
    QVERIFY(once != plaintext);
    QCOMPARE(run(encrypts[0], second, once), plaintext);
}

void TestDes::chaining_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("DES") << 0 << QByteArray("133457799BBCDFF1");
    QTest::newRow("2DES") << 1 << QByteArray("0123456789ABCDEF23456789ABCDEF01");
    QTest::newRow("3DES") << 2 << QByteArray("0123456789ABCDEF23456789ABCDEF01456789ABCDEF0123");
}

// Blocks in a row through one chaining value: each ciphertext is the plain
// encryption of the block XOR the previous ciphertext (first the start
// value), the value then holds that ciphertext; decoding in a row restores
// the blocks and leaves the value at the ciphertext decoded.
void TestDes::chaining()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, key);
    const QList<QByteArray> plain{"4E6F772069732074", "68652074696D6520", "666F7220616C6C20"};
    const QByteArray start("1234567890ABCDEF");
    QByteArray iv = start;
    QList<QByteArray> cipher;
    for (const QByteArray &block : plain) {
        QByteArray xored = QByteArray::fromHex(block);
        const QByteArray previous = QByteArray::fromHex(iv);
        for (int i = 0; i < 8; ++i)
            xored[i] = char(xored[i] ^ previous[i]);
        const QByteArray expected = run(encrypts[mode], key, xored.toHex());
        cipher.append(run(encrypts[mode], key, block, &iv));
        QCOMPARE(cipher.last(), expected);
        QCOMPARE(iv, expected);
    }
    iv = start;
    for (int i = 0; i < plain.size(); ++i) {
        QCOMPARE(run(decodes[mode], key, cipher.at(i), &iv), plain.at(i));
        QCOMPARE(iv, cipher.at(i));
    }
}

void TestDes::nullKeyChangesNothing()
{
    for (int mode = 0; mode < 3; ++mode) {
        for (BlockFunction function : {encrypts[mode], decodes[mode]}) {
            QByteArray iv("0909090909090909");
            QCOMPARE(run(function, QByteArray(), "0102030405060708", &iv),
                     QByteArray("0102030405060708"));
            QCOMPARE(iv, QByteArray("0909090909090909"));
        }
    }
}

// Permuting an array into itself gives what permuting into another gives,
// and the inverse permutation in place restores it.
void TestDes::permuteInPlace()
{
    const unsigned char block[8] = {'N', 'o', 'w', ' ', 'i', 's', ' ', 't'};
    unsigned char in[64];
    ByteToBit(in, block, 8);
    unsigned char apart[64];
    TablePermute(apart, in, IP_Table, 64);
    unsigned char inPlace[64];
    BitsCopy(inPlace, in, 64);
    TablePermute(inPlace, inPlace, IP_Table, 64);
    const auto text = [](const unsigned char *bits) {
        QByteArray digits(64, '0');
        for (int i = 0; i < 64; ++i)
            digits[i] = char('0' + bits[i]);
        return digits;
    };
    QCOMPARE(text(inPlace), text(apart));
    TablePermute(inPlace, inPlace, IPR_Table, 64);
    QCOMPARE(text(inPlace), text(in));
}

// CharToHex writes the values up to a character that is no hex digit;
// HexToChar turns count / 2 bytes back into digits.
void TestDes::hexDigits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QByteArray>("values");
    QTest::newRow("all digits") << QByteArray("0123456789abcdefABCDEF") << true
                                << QByteArray("000102030405060708090A0B0C0D0E0F0A0B0C0D0E0F");
    QTest::newRow("G third") << QByteArray("12G4") << false << QByteArray("0102");
    QTest::newRow("none") << QByteArray() << true << QByteArray();
}

void TestDes::hexDigits()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, converted);
    QFETCH(QByteArray, values);
    QByteArray out(text.size(), char(0x55));
    QCOMPARE(CharToHex(reinterpret_cast<const unsigned char *>(text.constData()), bytes(out),
                       int(text.size())),
             converted);
    QCOMPARE(out.left(values.size() / 2).toHex().toUpper(), values);
}

void TestDes::hexToChar()
{
    QByteArray packed = QByteArray::fromHex("0123456789ABCDEF");
    QByteArray digits(17, '\0');
    QVERIFY(HexToChar(digits.data(), bytes(packed), 16));
    QCOMPARE(digits.constData(), "0123456789ABCDEF");
    digits.fill('\0');
    QVERIFY(HexToChar(digits.data(), bytes(packed), 1));
    QCOMPARE(digits.constData(), "");
}

QTEST_APPLESS_MAIN(TestDes)
#include "tst_des.moc"
