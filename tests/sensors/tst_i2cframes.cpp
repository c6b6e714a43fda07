#include "i2ccommands.h"
#include "i2cframe.h"
#include "i2cframedecoder.h"

#include "chunkingcheck.h"
#include "hexlist.h"

#include <QStringList>
#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The write command to register 0x10 of the write dialog's text; none when
// the text is refused.
QByteArray written(const QString &text)
{
    return I2cCommands::writeRegisters(0x10, I2cCommands::parseWriteData(text).value_or(""));
}

// The count and the first few pieces, each cut short, for failure messages.
QString some(const QByteArrayList &list)
{
    QByteArrayList first;
    for (const QByteArray &piece : list.mid(0, 4))
        first.append(piece.left(16));
    return QStringLiteral("%1: ").arg(list.size()) + hexList(first);
}
} // namespace

// The I2C bridge board's frames: the command bytes the tab test does not
// send, the write dialog's input and the decoder.
class TestI2cFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_data();
    void commands();
    void decode_data();
    void decode();
};

void TestI2cFrames::commands_data()
{
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");

    using namespace I2cCommands;
    const QByteArray most(maxWriteData, '\x5a');
    QTest::newRow("address, low byte") << setAddress(0x17f) << hex("4b58 03 0001 7f 7f");
    QTest::newRow("read, sum wraps") << readRegisters(0xf0, 0x20) << hex("4b58 05 0002 f0 20 10");
    QTest::newRow("write 01 34 AB")
        << written("0x01,0x34,0xAB") << hex("4b58 04 0004 10 01 34 ab f0");
    QTest::newRow("write of the most data a frame carries")
        << written(QStringList(maxWriteData, QStringLiteral("0x5a")).join(QLatin1Char(',')))
        << hex("4b58 04 ffff 10") + most + char((0x10 + maxWriteData * 0x5a) & 0xff);
    QTest::newRow("write of one byte more: none") << writeRegisters(1, most + 'x') << QByteArray();
    for (const char *text :
         {"0x1,0x34", "0X01", "0x01, 0x34", "", "0x01,", ",0x01", "0x0g", "0x012"})
        QTest::addRow("refused: \"%s\"", text)
            << written(QString::fromLatin1(text)) << QByteArray();
    QTest::newRow("refused: not ASCII digits")
        << written(QStringLiteral("0x\u0661\u0662")) << QByteArray();
}

void TestI2cFrames::commands()
{
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QCOMPARE(actual.left(32).toHex(' '), expected.left(32).toHex(' '));
    QCOMPARE(actual, expected);
}

// Frames as their bytes: a frame is its type and payload. The hostile
// streams of 64 KiB give nothing and stay bounded (checked in decode()).
void TestI2cFrames::decode_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    const auto frame = [](quint8 type, const QByteArray &payload) {
        return I2cFrame{type, payload}.encode();
    };
    const QByteArray scan = frame(1, hex("3c48"));
    const QByteArray read = frame(5, hex("aa05"));
    QByteArray ascending(256, '\0');
    for (int n = 0; n < 256; ++n)
        ascending[n] = char(n);
    // A register dump of zeros with "KX" in it: "KX 00 00 00 00" inside
    // reads as a short whole frame.
    QByteArray zeros(256, '\0');
    zeros.replace(100, 2, "KX");
    const QByteArray ffff = hex("4b58 02 ffff"), over = hex("4b58 02 0401");
    const QByteArray longest = hex("4b58 02 0400") + QByteArray(1025, '\x01');
    const QByteArray noMagic("0123456789abcdefK");
    constexpr int size = 64 * 1024;
    using List = QByteArrayList;

    QTest::newRow("two frames in one chunk") << scan + read << List{scan, read} << List{} << false;
    QTest::newRow("junk before a frame dropped unreported")
        << hex("00 ff 4b 11 58") + "abcK" + scan << List{scan} << List{} << false;
    QTest::newRow("bad checksum, then a good frame")
        << hex("4b58 05 0002 aa 05 00") + read << List{read} << List{hex("4b58 05 0002 aa 05 00")}
        << false;
    QTest::newRow("zero length: sum 0, any type")
        << hex("4b58 01 0000 00 4b58 02 0000 00 4b58 05 0000 01")
        << List{hex("4b58 01 0000 00"), hex("4b58 02 0000 00")} << List{hex("4b58 05 0000 01")}
        << false;
    QTest::newRow("full table of 256 registers")
        << frame(2, ascending) << List{frame(2, ascending)} << List{} << false;
    QTest::newRow("\"KX FF FF\" and one byte over the board's most, then a good frame")
        << ffff + hex("0102") + over + scan << List{scan} << List{ffff, over} << false;
    QTest::newRow("a whole frame inside a table still arriving: acted on, the table dropped")
        << frame(2, zeros).left(200) << List{hex("4b58 00 0000 00")} << List{} << false;
    // The cut table "ends" inside the next one with a wrong sum.
    const QByteArray table = frame(2, ascending);
    QTest::newRow("a table cut off at 150 bytes, then a whole table")
        << table.left(150) + table << List{table} << List{table.left(150) + table.left(112)}
        << false;
    const QByteArray endsInMagic = frame(1, hex("0d4b")); // ... 4b, sum 58
    List pairs;
    for (int n = 0; n < 8; ++n)
        pairs << endsInMagic << read;
    QTest::newRow("frames ending in \"KX\", each followed by another")
        << (endsInMagic + read).repeated(8) << pairs << List{} << false;
    QTest::newRow("a false header announcing 512 bytes, then two answers")
        << hex("4b58 02 0200") + scan + read << List{scan, read} << List{} << false;
    QTest::newRow("hostile: no magic, only a last K held")
        << noMagic.repeated(size / noMagic.size()) << List{} << List{} << true;
    // Each "KX" reads as a header announcing 0x584B bytes; the last two
    // have no whole header yet.
    QTest::newRow("hostile: magic upon magic")
        << QByteArray("KX").repeated(size / 2) << List{} << List(size / 2 - 2, "KXKXK") << true;
    QTest::newRow("hostile: frames of the longest length, wrong sums")
        << longest.repeated(size / longest.size()) << List{} << List(size / longest.size(), longest)
        << false;
}

// The stream fed whole, then in any chunking; fed in chunks of 32 bytes the
// held bytes never pass maxHeld().
void TestI2cFrames::decode()
{
    QFETCH(QByteArray, stream);
    QFETCH(QByteArrayList, frames);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    I2cFrameDecoder decoder;
    const ParsedChunk<I2cFrame> parsed = decoder.feed(stream);
    QByteArrayList found;
    for (const I2cFrame &frame : parsed.results)
        found.append(frame.encode());
    const auto text = [](const QByteArrayList &foundFrames, const QByteArrayList &dropped,
                         bool more) {
        return QStringLiteral("frames %1, corrupt %2%3")
            .arg(some(foundFrames), some(dropped),
                 more ? QStringLiteral(", needs more") : QString());
    };
    QVERIFY2(found == frames && parsed.corrupt == corrupt && decoder.needsMore() == needsMore,
             qPrintable(QStringLiteral("stream %1: expected %2; got %3")
                            .arg(QString::fromLatin1(stream.left(40).toHex(' ')),
                                 text(frames, corrupt, needsMore),
                                 text(found, parsed.corrupt, decoder.needsMore()))));

    verifyChunkingIndependence([] { return I2cFrameDecoder(); }, stream);

    I2cFrameDecoder chunked;
    for (qsizetype from = 0; from < stream.size(); from += 32) {
        static_cast<void>(chunked.feed(stream.mid(from, 32)));
        QVERIFY2(chunked.held() <= chunked.maxHeld(),
                 qPrintable(QStringLiteral("held %1 after byte %2").arg(chunked.held()).arg(from)));
    }
}

QTEST_GUILESS_MAIN(TestI2cFrames)
#include "tst_i2cframes.moc"
