#include "bytecounter.h"
#include "hexformat.h"
#include "receivedecoder.h"
#include "receivelines.h"
#include "writerate.h"

#include <QTest>
#include <QTime>

using Encoding = ReceiveDecoder::Encoding;
using Style = HexFormat::Style;
// Chunks given to the display lines: the stamp (empty for none), then the text.
using Chunks = QList<QStringList>;

// What the receive views make of received bytes: the hex dumps, the time
// stamp, the stream decoding, the display lines, the write rate and the byte
// counter.
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
    void displayLines_data();
    void displayLines();
    void slicesTakeTheSameLines_data();
    void slicesTakeTheSameLines();
    void writeRate_data();
    void writeRate();
    void counter_data();
    void counter();
};

void TestReceiveText::hexDump_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Style>("style");
    QTest::addColumn<bool>("stamped");
    QTest::addColumn<QString>("dump");

    QTest::newRow("compact, empty") << QByteArray() << Style::Compact << false << "";
    QTest::newRow("compact, line feed breaks the line")
        << QByteArray("A\nB") << Style::Compact << false << "0x41,0x0a,\n0x42,";
    QTest::newRow("compact, high bytes unsigned, lower case")
        << QByteArray("\x00\x7f\x80\xff\r", 5) << Style::Compact << true
        << "0x00,0x7f,0x80,0xff,0x0d,";
    QTest::newRow("spaced, unstamped chunk ends its line")
        << QByteArray("AB\r\n") << Style::Spaced << false << "0x41, 0x42, 0x0D, 0x0A, \n";
    QTest::newRow("spaced, stamped chunk, upper case")
        << QByteArray::fromHex("00abff") << Style::Spaced << true << "0x00, 0xAB, 0xFF, ";
    QTest::newRow("spaced, empty") << QByteArray() << Style::Spaced << false << "";
}

void TestReceiveText::hexDump()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Style, style);
    QFETCH(bool, stamped);
    QFETCH(QString, dump);
    QCOMPARE(HexFormat::chunk(bytes, style, stamped), dump);
}

void TestReceiveText::timeStamp()
{
    QCOMPARE(ReceiveLines::timeStamp(QTime(9, 5, 7, 42)), QStringLiteral("[09:05:07.042]"));
    QCOMPARE(ReceiveLines::timeStamp(QTime(23, 59, 59, 999)), QStringLiteral("[23:59:59.999]"));
}

void TestReceiveText::decodingIgnoresChunking_data()
{
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("text");

    QTest::newRow("CR LF is one line end")
        << Encoding::Utf8 << QByteArray("OK\r\nREADY\r\n") << "OK\nREADY\n";
    QTest::newRow("CR alone ends a line")
        << Encoding::Utf8 << QByteArray("a\rb\r\r\nc") << "a\nb\n\nc";
    QTest::newRow("two- to four-byte characters")
        << Encoding::Utf8 << QByteArray("\xc3\xa9 \xe6\xb8\xa9 \xf0\x9f\x98\x80")
        << QString::fromUtf8("é 温 😀");
    QTest::newRow("invalid byte gives one replacement") << Encoding::Utf8
                                                        << QByteArray("a\xff"
                                                                      "b")
                                                        << QStringLiteral("a\uFFFDb");
    QTest::newRow("an unfinished character keeps the byte after it")
        << Encoding::Utf8 << QByteArray("a\xe2\x82Hq\xf0\x9f\x98!")
        << QStringLiteral("a\uFFFD\uFFFDHq\uFFFD\uFFFD\uFFFD!");
    QTest::newRow("a document's paragraph ends are line ends") << Encoding::Utf8
                                                               << QByteArray("a\xe2\x80\xa9"
                                                                             "b\xef\xb7\x90"
                                                                             "c\xef\xb7\x91\r\n")
                                                               << "a\nb\nc\n\n";
    QTest::newRow("a byte order mark is dropped where the stream begins only")
        << Encoding::Utf8
        << QByteArray("\xef\xbb\xbf"
                      "a\xef\xbb\xbf"
                      "b")
        << QStringLiteral("a\uFEFFb");
    QTest::newRow("UTF-8 peer") << Encoding::Utf8OrGbk << QByteArray::fromHex("e4b8ade69687410d")
                                << QStringLiteral("中文A\n");
    QTest::newRow("GBK peer") << Encoding::Utf8OrGbk << QByteArray::fromHex("c4e3bac3410d0a")
                              << QStringLiteral("你好A\n");
}

// Fed whole, one byte at a time or in twos and sevens, the stream gives the
// same text: a character or a CR LF split between two reads comes out whole.
void TestReceiveText::decodingIgnoresChunking()
{
    QFETCH(Encoding, encoding);
    QFETCH(QByteArray, stream);
    QFETCH(QString, text);
    for (const int chunk : {int(stream.size()), 1, 2, 7}) {
        ReceiveDecoder decoder(encoding);
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
    for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf8OrGbk}) {
        ReceiveDecoder decoder(encoding);
        QCOMPARE(decoder.decode(QByteArray("x\xe6\xb8\r")).left(1), QStringLiteral("x"));
        QCOMPARE(decoder.decode(QByteArray("\xe6\xb8")), QString());
        decoder.reset();
        QCOMPARE(decoder.decode(QByteArray("\ny")), QStringLiteral("\ny"));
    }
}

void TestReceiveText::displayLines_data()
{
    QTest::addColumn<int>("cap");
    QTest::addColumn<int>("maximumLines");
    QTest::addColumn<Chunks>("chunks");
    // The lines taken, a continuation line written "+" and its text.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("replacesView");

    QTest::newRow("line feeds end lines")
        << 10 << 5 << Chunks{{"", "a\nb"}, {"", "c\n"}} << QStringList{"a", "bc", ""} << false;
    QTest::newRow("a stamp starts a line, except the first")
        << 10 << 5 << Chunks{{"S", "1"}, {"", "x"}, {"S", "2\n3"}} << QStringList{"S1x", "S2", "3"}
        << false;
    QTest::newRow("long lines are cut at the cap")
        << 4 << 5 << Chunks{{"", "abcdefghij\nkl"}} << QStringList{"abcd", "+efgh", "+ij", "kl"}
        << false;
    QTest::newRow("the stamp is not counted") << 4 << 5 << Chunks{{"STAMP", "abcd"}, {"", "e"}}
                                              << QStringList{"STAMPabcd", "+e"} << false;
    QTest::newRow("a cut never splits a surrogate pair")
        << 3 << 5 << Chunks{{"", QString::fromUtf8("ab😀c")}}
        << QStringList{"ab", QString::fromUtf8("+😀c")} << false;
    QTest::newRow("exactly the limit")
        << 4 << 3 << Chunks{{"", "1\n2\n3"}} << QStringList{"1", "2", "3"} << false;
    QTest::newRow("only the newest lines are kept")
        << 4 << 3 << Chunks{{"", "1\n2"}, {"", "\n3\n4"}, {"", "\n5"}} << QStringList{"3", "4", "5"}
        << true;
}

void TestReceiveText::displayLines()
{
    QFETCH(int, cap);
    QFETCH(int, maximumLines);
    QFETCH(Chunks, chunks);
    QFETCH(QStringList, lines);
    QFETCH(bool, replacesView);

    ReceiveLines receiveLines(cap, maximumLines);
    for (const QStringList &chunk : chunks)
        receiveLines.append(chunk.at(1), chunk.at(0));
    const ReceiveLines::Batch batch = receiveLines.take();
    QStringList taken;
    for (const ReceiveLines::Line &line : batch.lines)
        taken.append((line.continuation ? QStringLiteral("+") : QString()) + line.text);
    QVERIFY2(taken == lines,
             qPrintable(QStringLiteral("expected [%1], got [%2]")
                            .arg(lines.join(QLatin1Char('|')), taken.join(QLatin1Char('|')))));
    QCOMPARE(batch.replacesView, replacesView);
    // A new view's first line is its empty first block.
    QCOMPARE(batch.continuesLastLine, !replacesView);
    QVERIFY(!receiveLines.hasPending());
}

void TestReceiveText::slicesTakeTheSameLines_data()
{
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<int>("sliceChars");
    QTest::newRow("lines") << Chunks{{"", "aaaa\nbbbb\ncccc\ndd"}} << 9;
    QTest::newRow("a slice holds at least one line") << Chunks{{"", "aaaa\nbbbb\ncc"}} << 1;
    QTest::newRow("stamped chunks") << Chunks{{"S", "1"}, {"S", "22\n3"}, {"", "4"}} << 3;
    QTest::newRow("cut lines") << Chunks{{"", "abcdefghijklmnopq"}} << 8;
    QTest::newRow("more than the view holds") << Chunks{{"", "1\n2\n3\n4\n5\n6\n7"}} << 2;
}

// Taken in slices, pending lines come out as they do in one batch: the first
// slice continues or replaces the view as the batch would, every later one
// starts on a line of its own. The pending characters drop by what each
// slice took.
void TestReceiveText::slicesTakeTheSameLines()
{
    QFETCH(Chunks, chunks);
    QFETCH(int, sliceChars);
    ReceiveLines whole(4, 5);
    ReceiveLines sliced(4, 5);
    for (ReceiveLines *lines : {&whole, &sliced}) {
        lines->append(QStringLiteral("shown"));
        (void)lines->take();
        for (const QStringList &chunk : chunks)
            lines->append(chunk.at(1), chunk.at(0));
    }
    const ReceiveLines::Batch batch = whole.take();
    std::deque<ReceiveLines::Line> taken;
    for (bool first = true; sliced.hasPending(); first = false) {
        const qsizetype pendingChars = sliced.pendingChars();
        const ReceiveLines::Batch slice = sliced.take(sliceChars);
        QVERIFY(!slice.lines.empty());
        // What a write is measured by: the characters the slice took.
        qsizetype chars = 0;
        for (const ReceiveLines::Line &line : slice.lines)
            chars += line.text.size();
        QCOMPARE(pendingChars - sliced.pendingChars(), chars);
        QCOMPARE(slice.continuesLastLine, first && batch.continuesLastLine);
        QCOMPARE(slice.replacesView, first && batch.replacesView);
        taken.insert(taken.end(), slice.lines.cbegin(), slice.lines.cend());
    }
    QCOMPARE(taken.size(), batch.lines.size());
    for (size_t i = 0; i < taken.size(); ++i) {
        QCOMPARE(taken[i].text, batch.lines[i].text);
        QCOMPARE(taken[i].stampLength, batch.lines[i].stampLength);
        QCOMPARE(taken[i].continuation, batch.lines[i].continuation);
    }
}

void TestReceiveText::writeRate_data()
{
    // Writes measured one after another: size, then nanoseconds.
    QTest::addColumn<QList<qint64>>("writes");
    QTest::addColumn<qsizetype>("batch");
    QTest::newRow("first batch until measured") << QList<qint64>{} << qsizetype(200);
    QTest::newRow("too small to tell") << QList<qint64>{9, 1} << qsizetype(200);
    QTest::newRow("no time taken") << QList<qint64>{100, 0} << qsizetype(200);
    QTest::newRow("rate times budget") << QList<qint64>{100, 100} << qsizetype(1000);
    QTest::newRow("slower counts at once") << QList<qint64>{100, 100, 100, 200} << qsizetype(500);
    QTest::newRow("faster counts a tenth") << QList<qint64>{100, 100, 300, 100} << qsizetype(1200);
    QTest::newRow("smallest batch") << QList<qint64>{10, 1000} << qsizetype(50);
    QTest::newRow("largest batch") << QList<qint64>{100, 1} << qsizetype(5000);
}

void TestReceiveText::writeRate()
{
    QFETCH(QList<qint64>, writes);
    QFETCH(qsizetype, batch);
    WriteRate rate(1000, 10, 50, 200, 5000);
    for (qsizetype i = 0; i + 1 < writes.size(); i += 2)
        rate.measure(writes.at(i), writes.at(i + 1));
    QCOMPARE(rate.batch(), batch);
}

void TestReceiveText::counter_data()
{
    // Bytes added to the counter, or taken back (counted, then not sent).
    QTest::addColumn<int>("shown");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<bool>("takenBack");
    QTest::addColumn<int>("result");
    QTest::newRow("adds") << 10 << qint64(300) << false << 310;
    QTest::newRow("reaches the cap") << 99000 << qint64(999) << false << 99999;
    QTest::newRow("passes the cap") << 99990 << qint64(300) << false << 99999;
    QTest::newRow("stays at the cap") << 99999 << qint64(1) << false << 99999;
    QTest::newRow("huge chunk") << 0 << qint64(5'000'000'000) << false << 99999;
    QTest::newRow("nothing written") << 42 << qint64(-1) << false << 42;
    QTest::newRow("taken back") << 310 << qint64(300) << true << 10;
    QTest::newRow("taken back whole") << 310 << qint64(310) << true << 0;
    QTest::newRow("taken back at the cap") << 99999 << qint64(300) << true << 99999;
}

void TestReceiveText::counter()
{
    QFETCH(int, shown);
    QFETCH(qint64, bytes);
    QFETCH(bool, takenBack);
    QFETCH(int, result);
    QCOMPARE(takenBack ? ByteCounter::taken(shown, bytes) : ByteCounter::added(shown, bytes),
             result);
}

QTEST_GUILESS_MAIN(TestReceiveText)
#include "tst_receivetext.moc"
