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

QByteArray ascending(int size)
{
    QByteArray bytes;
    for (int n = 0; n < size; ++n)
        bytes += char(n);
    return bytes;
}

QString framesText(const Frames &frames)
{
    QStringList texts;
    for (const I2cFrame &f : frames)
        texts.append(QStringLiteral("type %1 [%2]")
                         .arg(f.type)
                         .arg(QString::fromLatin1(f.payload.left(16).toHex(' '))));
    return texts.join(QLatin1String(", "));
}

// `count` tokens "0xNN" joined by commas.
QString tokens(int count)
{
    QString text = QStringLiteral("0x5a");
    text.reserve(count * 5);
    for (int n = 1; n < count; ++n)
        text += QLatin1String(",0x5a");
    return text;
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
    void writeInput_data();
    void writeInput();
    void decode_data();
    void decode();
    void hostileStreamsStayBounded_data();
    void hostileStreamsStayBounded();
};

void TestI2cFrames::commands_data()
{
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");

    using namespace I2cCommands;
    QTest::newRow("stop") << stop() << hex("4b58 00 0001 ff ff");
    QTest::newRow("scan") << scan() << hex("4b58 01 0001 ff ff");
    QTest::newRow("start") << start() << hex("4b58 02 0001 ff ff");
    QTest::newRow("address 0x48") << setAddress(0x48) << hex("4b58 03 0001 48 48");
    QTest::newRow("address, low byte") << setAddress(0x17f) << hex("4b58 03 0001 7f 7f");
    QTest::newRow("read 4 from 0x10") << readRegisters(0x10, 4) << hex("4b58 05 0002 10 04 14");
    QTest::newRow("read 0x20 from 0xF0, sum wraps")
        << readRegisters(0xf0, 0x20) << hex("4b58 05 0002 f0 20 10");
    QTest::newRow("read count 0 sent as is") << readRegisters(0, 0) << hex("4b58 05 0002 00 00 00");
    QTest::newRow("write 01 02 to 0x10")
        << writeRegisters(0x10, hex("0102")) << hex("4b58 04 0003 10 01 02 13");
    QTest::newRow("write 01 34 ab to 0x02")
        << writeRegisters(0x02, hex("0134ab")) << hex("4b58 04 0004 02 01 34 ab e2");
    QTest::newRow("write without data: none") << writeRegisters(1, {}) << QByteArray();
    QTest::newRow("write of the most data a frame carries")
        << writeRegisters(1, QByteArray(maxWriteData, '\x01'))
        << hex("4b58 04 ffff 01") + QByteArray(maxWriteData, '\x01') +
               char((maxWriteData + 1) & 0xff);
    QTest::newRow("write of one byte more: none")
        << writeRegisters(1, QByteArray(maxWriteData + 1, '\0')) << QByteArray();
}

void TestI2cFrames::commands()
{
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("expected [%1], got [%2]")
                                                .arg(QLatin1String(expected.left(32).toHex(' ')),
                                                     QLatin1String(actual.left(32).toHex(' ')))));
}

void TestI2cFrames::writeInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("three tokens") << "0x01,0x34,0xab" << true << hex("0134ab");
    QTest::newRow("upper-case digits") << "0xFF,0xAb" << true << hex("ffab");
    for (const char *text : {"0x1,0x34", "0X01", "0x01, 0x34", "", "0x01,", ",0x01", "0x01,,0x02",
                             "0x0g", "0x012", " 0x01", "0x01;0x02", "0x01\n"})
        QTest::addRow("refused: \"%s\"", text)
            << QString::fromLatin1(text) << false << QByteArray();
    QTest::newRow("refused: not ASCII digits")
        << QStringLiteral("0x\u0661\u0662") << false << QByteArray();
    QTest::newRow("the most a frame carries") << tokens(I2cCommands::maxWriteData) << true
                                              << QByteArray(I2cCommands::maxWriteData, '\x5a');
    QTest::newRow("refused: one byte more")
        << tokens(I2cCommands::maxWriteData + 1) << false << QByteArray();
}

void TestI2cFrames::writeInput()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QByteArray, data);
    const std::optional<QByteArray> parsed = I2cCommands::parseWriteData(text);
    QVERIFY2(
        parsed.has_value() == valid,
        qPrintable(
            QStringLiteral("\"%1\": expected %2").arg(text.left(40), valid ? "valid" : "refused")));
    if (parsed)
        QCOMPARE(*parsed, data);
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
    // A register dump of zeros with "KX" in it: "KX 00 00 00 00" inside
    // reads as a short complete frame.
    QByteArray zeros(256, '\0');
    zeros.replace(100, 2, "KX");
    const QByteArray table = frame(2, zeros);

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
        << frame(2, ascending(256)) << Frames{{2, ascending(256)}} << QByteArrayList{} << false;
    QTest::newRow("300-byte table taken whole")
        << frame(2, ascending(300)) << Frames{{2, ascending(300)}} << QByteArrayList{} << false;
    QTest::newRow("\"KX FF FF\" header, then a good frame")
        << hex("4b58 02 ffff 0102") + scan << Frames{scanFrame}
        << QByteArrayList{hex("4b58 02 ffff")} << false;
    QTest::newRow("header of one byte more than the board sends is no frame")
        << hex("4b58 02 0401") + read << Frames{readFrame} << QByteArrayList{hex("4b58 02 0401")}
        << false;
    QTest::newRow("a frame of the longest length is waited for")
        << hex("4b58 02 0400") + read << Frames{} << QByteArrayList{} << true;
    QTest::newRow("\"KX\" and zeros inside a table: the table whole")
        << table + scan << Frames{{2, zeros}, scanFrame} << QByteArrayList{} << false;
    QTest::newRow("\"KX\" and zeros inside an unfinished table: waited for")
        << table.left(200) << Frames{} << QByteArrayList{} << true;
    QTest::newRow("unknown type is a frame too")
        << frame(9, "\x07") << Frames{{9, "\x07"}} << QByteArrayList{} << false;
    QTest::newRow("a frame's last byte K is not held")
        << frame(1, "K") << Frames{{1, "K"}} << QByteArrayList{} << false;
    QTest::newRow("no magic: only a last K is held")
        << QByteArray("abc\0K", 5) << Frames{} << QByteArrayList{} << true;
    QTest::newRow("no magic, no K: nothing held")
        << QByteArray("abc") << Frames{} << QByteArrayList{} << false;
    QTest::newRow("unfinished header held")
        << scan + "KX\x02\x01" << Frames{scanFrame} << QByteArrayList{} << true;
}

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
    QVERIFY2(parsed.results == frames,
             mismatch("frames", framesText(frames), framesText(parsed.results)));
    QVERIFY2(parsed.corrupt == corrupt,
             mismatch("corrupt", hexList(corrupt), hexList(parsed.corrupt)));
    QVERIFY2(decoder.needsMore() == needsMore, mismatch("needsMore()", needsMore ? "true" : "false",
                                                        decoder.needsMore() ? "true" : "false"));

    verifyChunkingIndependence([] { return I2cFrameDecoder(); }, stream);
}

void TestI2cFrames::hostileStreamsStayBounded_data()
{
    QTest::addColumn<QByteArray>("stream"); // fed in chunks of 32 bytes
    QTest::addColumn<int>("corrupt");

    constexpr int megabyte = 1 << 20;
    const QByteArray noMagic("0123456789abcdefK");
    QTest::newRow("no magic") << noMagic.repeated(megabyte / noMagic.size()) << 0;
    QTest::newRow("\"KX FF FF\" headers")
        << hex("4b58 02 ffff").repeated(megabyte / 5) << megabyte / 5;
    // Each "KX" reads as a header announcing 0x584B bytes; the last two
    // have no whole header yet.
    QTest::newRow("magic upon magic")
        << QByteArray("KX").repeated(megabyte / 2) << megabyte / 2 - 2;
    const QByteArray longest = hex("4b58 02 0400") + QByteArray(1025, '\x01');
    QTest::newRow("frames of the longest length, wrong sums")
        << longest.repeated(megabyte / longest.size()) << megabyte / int(longest.size());
}

// The held bytes never pass maxHeld, and no frame comes of such streams.
void TestI2cFrames::hostileStreamsStayBounded()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, corrupt);
    I2cFrameDecoder decoder;
    qsizetype dropped = 0;
    for (qsizetype from = 0; from < stream.size(); from += 32) {
        const ParsedChunk<I2cFrame> parsed = decoder.feed(stream.mid(from, 32));
        QVERIFY2(parsed.results.isEmpty(), qPrintable(framesText(parsed.results)));
        dropped += parsed.corrupt.size();
        QVERIFY2(decoder.held() <= decoder.maxHeld(),
                 qPrintable(QStringLiteral("held %1 after byte %2").arg(decoder.held()).arg(from)));
    }
    QCOMPARE(dropped, qsizetype(corrupt));
}

QTEST_GUILESS_MAIN(TestI2cFrames)
#include "tst_i2cframes.moc"
