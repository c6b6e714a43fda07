#include "i2ccommands.h"
#include "i2cframe.h"
#include "i2cframedecoder.h"

#include "chunkingcheck.h"
#include "hexlist.h"

#include <QStringList>
#include <QTest>

using Frames = QList<I2cFrame>;

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray frame(quint8 type, const QByteArray &payload)
{
    return I2cFrame{type, payload}.encode();
}

// The write command to register 0x10 of the write dialog's text; none when
// the text is refused.
QByteArray written(const QString &text)
{
    return I2cCommands::writeRegisters(0x10, I2cCommands::parseWriteData(text).value_or(""));
}

// The first few frames, for failure messages.
QString framesText(const Frames &frames)
{
    QStringList texts;
    for (const I2cFrame &f : frames.first(qMin<qsizetype>(frames.size(), 4)))
        texts.append(QStringLiteral("type %1 [%2]")
                         .arg(f.type)
                         .arg(QString::fromLatin1(f.payload.left(16).toHex(' '))));
    return QStringLiteral("%1 frames: ").arg(frames.size()) + texts.join(QLatin1String(", "));
}
} // namespace

// The I2C bridge board's frames: the commands' bytes, the write dialog's
// input and the decoder.
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
    QTest::newRow("stop") << stop() << hex("4b58 00 0001 ff ff");
    QTest::newRow("scan") << scan() << hex("4b58 01 0001 ff ff");
    QTest::newRow("start") << start() << hex("4b58 02 0001 ff ff");
    QTest::newRow("address, low byte") << setAddress(0x17f) << hex("4b58 03 0001 7f 7f");
    QTest::newRow("read, sum wraps") << readRegisters(0xf0, 0x20) << hex("4b58 05 0002 f0 20 10");
    QTest::newRow("read count 0 sent as is") << readRegisters(0, 0) << hex("4b58 05 0002 00 00 00");
    QTest::newRow("write 01 34 AB")
        << written("0x01,0x34,0xAB") << hex("4b58 04 0004 10 01 34 ab f0");
    QTest::newRow("write of the most data a frame carries")
        << written(QStringList(maxWriteData, QStringLiteral("0x5a")).join(QLatin1Char(',')))
        << hex("4b58 04 ffff 10") + most + char((0x10 + maxWriteData * 0x5a) & 0xff);
    QTest::newRow("write of one byte more: none") << writeRegisters(1, most + 'x') << QByteArray();
    for (const char *text : {"0x1,0x34", "0X01", "0x01, 0x34", "", "0x01,", ",0x01", "0x01,,0x02",
                             "0x0g", "0x012", " 0x01", "0x01;0x02", "0x01\n"})
        QTest::addRow("refused: \"%s\"", text)
            << written(QString::fromLatin1(text)) << QByteArray();
    QTest::newRow("refused: not ASCII digits")
        << written(QStringLiteral("0x\u0661\u0662")) << QByteArray();
}

void TestI2cFrames::commands()
{
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("expected [%1], got [%2]")
                                                .arg(QLatin1String(expected.left(32).toHex(' ')),
                                                     QLatin1String(actual.left(32).toHex(' ')))));
}

void TestI2cFrames::decode_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<Frames>("frames");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    const QByteArray scan = frame(1, hex("3c48"));
    const QByteArray read = frame(5, hex("aa05"));
    const I2cFrame scanFrame{1, hex("3c48")};
    const I2cFrame readFrame{5, hex("aa05")};
    QByteArray ascending(256, '\0');
    for (int n = 0; n < 256; ++n)
        ascending[n] = char(n);
    // A register dump of zeros with "KX" in it: "KX 00 00 00 00" inside
    // reads as a short complete frame.
    QByteArray zeros(256, '\0');
    zeros.replace(100, 2, "KX");
    const QByteArray table = frame(2, zeros);
    const QByteArray ffff = hex("4b58 02 ffff");
    const QByteArray longest = hex("4b58 02 0400") + QByteArray(1025, '\x01');

    QTest::newRow("two frames in one chunk")
        << scan + read << Frames{scanFrame, readFrame} << QByteArrayList{} << false;
    QTest::newRow("junk before a frame dropped unreported")
        << hex("00 ff 4b 11 58") + "abcK" + scan << Frames{scanFrame} << QByteArrayList{} << false;
    QTest::newRow("bad checksum, then a good frame")
        << hex("4b58 05 0002 aa 05 00") + read << Frames{readFrame}
        << QByteArrayList{hex("4b58 05 0002 aa 05 00")} << false;
    QTest::newRow("zero length: sum 0, any type")
        << hex("4b58 01 0000 00 4b58 02 0000 00 4b58 05 0000 00 4b58 05 0000 01")
        << Frames{{1, {}}, {2, {}}, {5, {}}} << QByteArrayList{hex("4b58 05 0000 01")} << false;
    QTest::newRow("full table of 256 registers")
        << frame(2, ascending) << Frames{{2, ascending}} << QByteArrayList{} << false;
    QTest::newRow("\"KX FF FF\" header, then a good frame")
        << ffff + hex("0102") + scan << Frames{scanFrame} << QByteArrayList{ffff} << false;
    QTest::newRow("header of one byte more than the board sends is no frame")
        << hex("4b58 02 0401") + read << Frames{readFrame} << QByteArrayList{hex("4b58 02 0401")}
        << false;
    QTest::newRow("\"KX\" and zeros inside a table: the table whole")
        << table + scan << Frames{{2, zeros}, scanFrame} << QByteArrayList{} << false;
    QTest::newRow("\"KX\" and zeros inside an unfinished table: waited for")
        << table.left(200) << Frames{} << QByteArrayList{} << true;
    QTest::newRow("a frame's last byte K is not held")
        << frame(1, "K") << Frames{{1, "K"}} << QByteArrayList{} << false;
    QTest::newRow("no magic: only a last K is held")
        << QByteArray("abc\0K", 5) << Frames{} << QByteArrayList{} << true;
    // Hostile streams of 64 KiB: nothing comes of them, and what the decoder
    // holds stays bounded (checked in decode()).
    constexpr int size = 64 * 1024;
    const QByteArray noMagic("0123456789abcdefK");
    QTest::newRow("hostile: no magic")
        << noMagic.repeated(size / noMagic.size()) << Frames{} << QByteArrayList{} << true;
    QTest::newRow("hostile: \"KX FF FF\" headers")
        << ffff.repeated(size / 5) << Frames{} << QByteArrayList(size / 5, ffff) << false;
    // Each "KX" reads as a header announcing 0x584B bytes; the last two
    // have no whole header yet.
    QTest::newRow("hostile: magic upon magic") << QByteArray("KX").repeated(size / 2) << Frames{}
                                               << QByteArrayList(size / 2 - 2, "KXKXK") << true;
    QTest::newRow("hostile: frames of the longest length, wrong sums")
        << longest.repeated(size / longest.size()) << Frames{}
        << QByteArrayList(size / longest.size(), longest) << false;
}

// The stream fed whole, then in any chunking; fed in chunks of 32 bytes the
// held bytes never pass maxHeld().
void TestI2cFrames::decode()
{
    QFETCH(QByteArray, stream);
    QFETCH(Frames, frames);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    I2cFrameDecoder decoder;
    const ParsedChunk<I2cFrame> parsed = decoder.feed(stream);
    const auto mismatch = [&](const char *what, const QString &expected, const QString &actual) {
        return qPrintable(QStringLiteral("stream %1: expected %2 %3, got %4")
                              .arg(QString::fromLatin1(stream.left(40).toHex(' ')),
                                   QLatin1String(what), expected, actual));
    };
    // The count and the first few pieces, each cut short.
    const auto some = [](const QByteArrayList &list) {
        QByteArrayList first;
        for (const QByteArray &piece : list.mid(0, 4))
            first.append(piece.left(16));
        return QStringLiteral("%1: ").arg(list.size()) + hexList(first);
    };
    QVERIFY2(parsed.results == frames,
             mismatch("frames", framesText(frames), framesText(parsed.results)));
    QVERIFY2(parsed.corrupt == corrupt, mismatch("corrupt", some(corrupt), some(parsed.corrupt)));
    QVERIFY2(decoder.needsMore() == needsMore, mismatch("needsMore()", needsMore ? "true" : "false",
                                                        decoder.needsMore() ? "true" : "false"));

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
