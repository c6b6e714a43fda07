#include "desbits.h"
#include "desblock.h"
#include "deshex.h"
#include "destables.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <array>

namespace {
using Block = std::array<unsigned char, 8>;
using BlockFunction = void (*)(unsigned char *, unsigned char *, const unsigned char *);

// By mode name, the encrypt and the decode function.
std::pair<BlockFunction, BlockFunction> functions(const QString &mode)
{
    if (mode == QLatin1String("2DES"))
        return {Two_DES_IV_Encrypt_Block, Two_DES_IV_Decode_Block};
    if (mode == QLatin1String("3DES"))
        return {Three_DES_IV_Encrypt_Block, Three_DES_IV_Decode_Block};
    return {One_DES_IV_Encrypt_Block, One_DES_IV_Decode_Block};
}

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray hex(const unsigned char *data, int count)
{
    return QByteArray(reinterpret_cast<const char *>(data), count).toHex().toUpper();
}

QByteArray hex(const Block &block)
{
    return hex(block.data(), 8);
}

// Bits as "0" and "1" characters.
QByteArray bitText(const unsigned char *bits, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += char('0' + bits[i]);
    return text;
}

QByteArray complement(QByteArray data)
{
    for (char &byte : data)
        byte = char(~byte);
    return data;
}

// One block through a function without a chaining value, as hex.
QByteArray run(BlockFunction function, const QByteArray &key, const QByteArray &data)
{
    Block block{};
    std::copy(data.cbegin(), data.cend(), block.begin());
    function(nullptr, block.data(), reinterpret_cast<const unsigned char *>(key.constData()));
    return hex(block);
}

// Columns mode, key, plaintext, ciphertext (hex).
void addVectorColumns()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("plaintext");
    QTest::addColumn<QByteArray>("ciphertext");
}
} // namespace

// The cipher against the standard's known answers and vectors of a reference
// implementation, its algebraic properties, and the helpers it is built of.
class TestDes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownAnswers_data();
    void knownAnswers();
    void referenceVectors_data();
    void referenceVectors();
    void complementation_data() { referenceVectors_data(); }
    void complementation();
    void parityBitsIgnored_data() { referenceVectors_data(); }
    void parityBitsIgnored();
    void equalKeysReduceToSingleDes_data() { referenceVectors_data(); }
    void equalKeysReduceToSingleDes();
    void weakKeys_data();
    void weakKeys();
    void chaining_data();
    void chaining();
    void nullKeyChangesNothing();
    void tables();
    void permuteInPlace();
    void bitHelpers();
    void hexDigits_data();
    void hexDigits();
    void hexToChar();
};

void TestDes::knownAnswers_data()
{
    addVectorColumns();
    const auto row = [](const char *name, const char *key, const char *plain, const char *cipher) {
        QTest::newRow(name) << "DES" << bytes(key) << bytes(plain) << bytes(cipher);
    };
    row("Now is t", "0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815");
    row("worked example", "133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405");
    row("variable plaintext, bit 1", "0101010101010101", "8000000000000000", "95F8A5E5DD31D900");
    row("variable plaintext, bit 2", "0101010101010101", "4000000000000000", "DD7F121CA5015619");
    row("variable key, bit 1", "8001010101010101", "0000000000000000", "95A8D72813DAA94D");
    row("permutation", "1046913489980131", "0000000000000000", "88D55E54F54C97B4");
    row("substitution", "7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B");
    row("all zero", "0000000000000000", "0000000000000000", "8CA64DE9C1B123A7");
    row("all one", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "7359B2163E4EDC58");
    row("to zero", "0E329232EA6D0D73", "8787878787878787", "0000000000000000");
}

void TestDes::knownAnswers()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, plaintext);
    QFETCH(QByteArray, ciphertext);
    const auto [encrypt, decode] = functions(mode);
    QCOMPARE(run(encrypt, key, plaintext), ciphertext.toHex().toUpper());
    QCOMPARE(run(decode, key, ciphertext), plaintext.toHex().toUpper());
}

// des_vectors.txt: random keys and blocks, enciphered once by a reference
// implementation (make_des_vectors.py beside it).
void TestDes::referenceVectors_data()
{
    addVectorColumns();
    QFile file(QStringLiteral(YURB_CONVERTERS_TEST_DATA "/des_vectors.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    int count = 0;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() != 4 || fields.first().startsWith('#'))
            continue;
        QTest::addRow("%s %d", fields.at(0).constData(), ++count)
            << QString::fromLatin1(fields.at(0)) << QByteArray::fromHex(fields.at(1))
            << QByteArray::fromHex(fields.at(2)) << QByteArray::fromHex(fields.at(3));
    }
    QCOMPARE(count, 192);
}

void TestDes::referenceVectors()
{
    knownAnswers();
}

// Complementing the key and the plaintext complements the ciphertext.
void TestDes::complementation()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, plaintext);
    QFETCH(QByteArray, ciphertext);
    QCOMPARE(run(functions(mode).first, complement(key), complement(plaintext)),
             complement(ciphertext).toHex().toUpper());
}

void TestDes::parityBitsIgnored()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, ciphertext);
    QFETCH(QByteArray, plaintext);
    for (char &byte : key)
        byte = char(byte ^ 1);
    QCOMPARE(run(functions(mode).first, key, plaintext), ciphertext.toHex().toUpper());
}

void TestDes::equalKeysReduceToSingleDes()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, plaintext);
    const QByteArray k1 = key.left(8);
    const QByteArray single = run(One_DES_IV_Encrypt_Block, k1, plaintext);
    QCOMPARE(run(Two_DES_IV_Encrypt_Block, k1 + k1, plaintext), single);
    QCOMPARE(run(Three_DES_IV_Encrypt_Block, k1 + k1 + k1, plaintext), single);
}

// Encrypting with the first key and again with the second gives the
// plaintext back: the same key for a weak key, the pair's other key for a
// semi-weak one.
void TestDes::weakKeys_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    for (const char *weak :
         {"0101010101010101", "FEFEFEFEFEFEFEFE", "E0E0E0E0F1F1F1F1", "1F1F1F1F0E0E0E0E"})
        QTest::newRow(weak) << bytes(weak) << bytes(weak);
    QTest::newRow("semi-weak 01FE") << bytes("01FE01FE01FE01FE") << bytes("FE01FE01FE01FE01");
    QTest::newRow("semi-weak 1FE0") << bytes("1FE01FE00EF10EF1") << bytes("E01FE01FF10EF10E");
}

void TestDes::weakKeys()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    const QByteArray plaintext = bytes("0123456789ABCDEF");
    const QByteArray once = QByteArray::fromHex(run(One_DES_IV_Encrypt_Block, first, plaintext));
    QVERIFY(once != plaintext);
    QCOMPARE(run(One_DES_IV_Encrypt_Block, second, once), plaintext.toHex().toUpper());
}

void TestDes::chaining_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("DES") << "DES" << bytes("133457799BBCDFF1");
    QTest::newRow("2DES") << "2DES" << bytes("0123456789ABCDEF23456789ABCDEF01");
    QTest::newRow("3DES") << "3DES" << bytes("0123456789ABCDEF23456789ABCDEF01456789ABCDEF0123");
}

// Three blocks in a row through one chaining value: each ciphertext is the
// plain encryption of the block XOR the previous ciphertext, the value ends
// as the last ciphertext, and decoding in a row restores the blocks.
void TestDes::chaining()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, key);
    const auto [encrypt, decode] = functions(mode);
    const auto *k = reinterpret_cast<const unsigned char *>(key.constData());
    const std::array<Block, 3> plain{Block{'N', 'o', 'w', ' ', 'i', 's', ' ', 't'},
                                     Block{'h', 'e', ' ', 't', 'i', 'm', 'e', ' '},
                                     Block{'f', 'o', 'r', ' ', 'a', 'l', 'l', ' '}};
    const Block start{0x12, 0x34, 0x56, 0x78, 0x90, 0xAB, 0xCD, 0xEF};
    Block iv = start;
    std::array<Block, 3> cipher = plain;
    Block previous = start;
    for (Block &block : cipher) {
        Block expected = block;
        Xor(expected.data(), previous.data(), 8);
        encrypt(nullptr, expected.data(), k);
        encrypt(iv.data(), block.data(), k);
        QCOMPARE(hex(block), hex(expected));
        QCOMPARE(hex(iv), hex(block));
        previous = block;
    }
    iv = start;
    for (int i = 0; i < 3; ++i) {
        Block block = cipher.at(i);
        decode(iv.data(), block.data(), k);
        QCOMPARE(hex(block), hex(plain.at(i)));
        QCOMPARE(hex(iv), hex(cipher.at(i)));
    }
}

void TestDes::nullKeyChangesNothing()
{
    const Block start{1, 2, 3, 4, 5, 6, 7, 8};
    for (BlockFunction function :
         {One_DES_IV_Encrypt_Block, One_DES_IV_Decode_Block, Two_DES_IV_Encrypt_Block,
          Two_DES_IV_Decode_Block, Three_DES_IV_Encrypt_Block, Three_DES_IV_Decode_Block}) {
        Block block = start;
        Block iv{9, 9, 9, 9, 9, 9, 9, 9};
        function(iv.data(), block.data(), nullptr);
        QCOMPARE(hex(block), hex(start));
        QCOMPARE(hex(iv), QByteArray("0909090909090909"));
    }
}

// IP and its inverse undo each other; PC1 leaves out exactly the parity bits.
void TestDes::tables()
{
    for (int i = 0; i < 64; ++i)
        QCOMPARE(int(IPR_Table[IP_Table[i] - 1]), i + 1);
    for (const unsigned char position : PC1_Table)
        QVERIFY2(position % 8 != 0, qPrintable(QString::number(position)));
}

// Permuting an array into itself gives what permuting into another array
// gives.
void TestDes::permuteInPlace()
{
    std::array<unsigned char, 64> in{};
    for (int i = 0; i < 64; ++i)
        in[i] = (i * 7 + i / 3) % 2;
    std::array<unsigned char, 64> apart{};
    TablePermute(apart.data(), in.data(), IP_Table, 64);
    std::array<unsigned char, 64> inPlace = in;
    TablePermute(inPlace.data(), inPlace.data(), IP_Table, 64);
    QCOMPARE(bitText(inPlace.data(), 64), bitText(apart.data(), 64));
    TablePermute(inPlace.data(), inPlace.data(), IPR_Table, 64);
    QCOMPARE(bitText(inPlace.data(), 64), bitText(in.data(), 64));
}

void TestDes::bitHelpers()
{
    const unsigned char packed[2] = {0x81, 0x3C};
    unsigned char bits[16];
    ByteToBit(bits, packed, 2);
    QCOMPARE(bitText(bits, 16), QByteArray("1000000100111100"));
    unsigned char back[2] = {0xFF, 0xFF};
    BitToByte(back, bits, 2);
    QCOMPARE(hex(back, 2), QByteArray("813C"));
    LoopMove(bits, 8, 2);
    QCOMPARE(bitText(bits, 16), QByteArray("0000011000111100"));
}

void TestDes::hexDigits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QByteArray>("values");
    QTest::newRow("all digits") << QByteArray("0123456789abcdefABCDEF") << true
                                << bytes("000102030405060708090A0B0C0D0E0F0A0B0C0D0E0F");
    QTest::newRow("G third") << QByteArray("12G4") << false << bytes("0102");
    QTest::newRow("none") << QByteArray() << true << QByteArray();
}

void TestDes::hexDigits()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, converted);
    QFETCH(QByteArray, values);
    QByteArray out(text.size(), char(0x55));
    QCOMPARE(CharToHex(reinterpret_cast<const unsigned char *>(text.constData()),
                       reinterpret_cast<unsigned char *>(out.data()), int(text.size())),
             converted);
    QCOMPARE(out.left(values.size()), values);
}

void TestDes::hexToChar()
{
    const QByteArray in = bytes("0123456789ABCDEF");
    const auto *data = reinterpret_cast<const unsigned char *>(in.constData());
    char out[17] = {};
    QVERIFY(HexToChar(out, data, 16));
    QCOMPARE(QByteArray(out), QByteArray("0123456789ABCDEF"));
    char none[3] = {};
    QVERIFY(HexToChar(none, data, 1));
    QCOMPARE(QByteArray(none), QByteArray());
}

QTEST_APPLESS_MAIN(TestDes)
#include "tst_des.moc"
