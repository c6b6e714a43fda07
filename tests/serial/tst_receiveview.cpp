#include "receiveview.h"
#include "yurbtestmain.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

// The receive views over real documents: the line limit across batches,
// long lines cut into display lines and joined again for export, a hidden
// hex view that shows on demand what it would have shown all along, views
// that come out of a flood as a steady stream leaves them, and their text as
// a screen reader reads it.
class TestReceiveView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTheNewestBlocks_data();
    void keepsTheNewestBlocks();
    void longLinesAreCutAndJoinedAgain();
    void hiddenHexViewShowsTheSameLater_data();
    void hiddenHexViewShowsTheSameLater();
    void chunkBetweenTheTwoWritesIsShown();
    void floodEndsWithTheNewestLines_data();
    void floodEndsWithTheNewestLines();
    void textReadableThroughAccessibility_data();
    void textReadableThroughAccessibility();
};

using Batches = QList<QStringList>;

static QString shownText(const QPlainTextEdit &edit)
{
    static const QRegularExpression stamp(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]"));
    return edit.toPlainText().replace(stamp, QStringLiteral("[T]"));
}

void TestReceiveView::keepsTheNewestBlocks_data()
{
    QTest::addColumn<Batches>("batches");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<QString>("shown");

    // Each inner list is one batch of chunks written to the views together.
    QTest::newRow("under the limit") << Batches{{"a\nb"}} << false << "a\nb";
    QTest::newRow("exactly the limit") << Batches{{"a\nb\nc"}} << false << "a\nb\nc";
    QTest::newRow("one batch over the limit")
        << Batches{{"1\n2\n3\n4\n5\n6"}} << false << "4\n5\n6";
    QTest::newRow("last line runs on across batches")
        << Batches{{"a\nb"}, {"c\nd"}, {"e"}} << false << "a\nbc\nde";
    QTest::newRow("old lines dropped across batches")
        << Batches{{"1\n2\n3"}, {"\n4\n5"}} << false << "3\n4\n5";
    QTest::newRow("batch alone fills the view")
        << Batches{{"x\ny"}, {"\n1\n2\n3\n4"}} << false << "2\n3\n4";
    QTest::newRow("CR-only lines") << Batches{{"1\r2\r3\r4"}} << false << "2\n3\n4";
    QTest::newRow("paragraph ends") << Batches{{"1\u20292\ufdd03\ufdd14"}} << false << "2\n3\n4";
    QTest::newRow("stamped chunks")
        << Batches{{"1", "2"}, {"3", "4\n5"}} << true << "[T]3\n[T]4\n5";
    QTest::newRow("stamped chunks in one batch")
        << Batches{{"1", "2", "3", "4"}} << true << "[T]2\n[T]3\n[T]4";
}

void TestReceiveView::keepsTheNewestBlocks()
{
    QFETCH(Batches, batches);
    QFETCH(bool, timeStamp);
    QFETCH(QString, shown);

    constexpr int limit = 3;
    QPlainTextEdit text;
    QPlainTextEdit hex;
    ReceiveView view(&text, &hex);
    view.setUp(limit);
    for (const QStringList &batch : batches) {
        for (const QString &chunk : batch)
            view.appendBytes(chunk.toUtf8(), timeStamp);
        view.flush();
    }
    const QString actual = shownText(text);
    QVERIFY2(actual == shown,
             qPrintable(QStringLiteral("expected \"%1\", shown \"%2\"").arg(shown, actual)));
    QCOMPARE(text.blockCount(), int(shown.count(QLatin1Char('\n')) + 1));
    QVERIFY(hex.blockCount() <= limit);
    QCOMPARE(text.maximumBlockCount(), limit);
}

// An endless line becomes display lines of bounded length; exported, it is
// one line again.
void TestReceiveView::longLinesAreCutAndJoinedAgain()
{
    QPlainTextEdit text;
    QPlainTextEdit hex;
    ReceiveView view(&text, &hex);
    const QByteArray endless = QByteArray(2500, 'x') + "\nnext";
    view.appendBytes(endless.left(1000), false);
    view.flush();
    view.appendBytes(endless.mid(1000), false);
    QCOMPARE(view.plainText(), QString::fromLatin1(endless));
    QCOMPARE(text.blockCount(), 4);
    for (QTextBlock block = text.document()->firstBlock(); block.isValid(); block = block.next())
        QVERIFY2(block.length() <= 1025, qPrintable(QString::number(block.length())));
    // 2504 bytes without a line feed among the first 2500: 64 bytes a line.
    QCOMPARE(hex.blockCount(), 2500 / 64 + 2);
}

void TestReceiveView::hiddenHexViewShowsTheSameLater_data()
{
    QTest::addColumn<HexFormat::Style>("style");
    QTest::addColumn<int>("limit");
    QTest::newRow("compact") << HexFormat::Style::Compact << 10000;
    QTest::newRow("spaced") << HexFormat::Style::Spaced << 10000;
    QTest::newRow("compact, more than the view holds") << HexFormat::Style::Compact << 20;
    QTest::newRow("spaced, more than the view holds") << HexFormat::Style::Spaced << 20;
}

// Random chunks, some stamped, go to a view whose hex view is always shown
// and to one whose hex view is hidden until the end: both end the same.
void TestReceiveView::hiddenHexViewShowsTheSameLater()
{
    QFETCH(HexFormat::Style, style);
    QFETCH(int, limit);
    QPlainTextEdit shownText, shownHex, hiddenText, hiddenHex;
    ReceiveView shown(&shownText, &shownHex, nullptr, style);
    ReceiveView hidden(&hiddenText, &hiddenHex, nullptr, style);
    shown.setUp(limit);
    hidden.setUp(limit);
    hidden.setHexViewShown(false);
    QRandomGenerator random(7);
    for (int i = 0; i < 300; ++i) {
        QByteArray chunk(random.bounded(0, 40), Qt::Uninitialized);
        for (char &byte : chunk)
            byte = char(random.bounded(256));
        const bool stamp = random.bounded(4) == 0;
        shown.appendBytes(chunk, stamp);
        hidden.appendBytes(chunk, stamp);
        if (i == 150)
            shown.flush();
    }
    hidden.setHexViewShown(true);
    shown.flush();
    QVERIFY(!hiddenHex.isHidden());
    QVERIFY(hiddenHex.blockCount() <= limit);
    const QString expected = ::shownText(shownHex);
    const QString actual = ::shownText(hiddenHex);
    if (limit >= 10000)
        QCOMPARE(actual, expected);
    else
        QCOMPARE(actual.section(QLatin1Char('\n'), -3), expected.section(QLatin1Char('\n'), -3));
}

// The text view is written first and the hex view in an event of its own; a
// chunk that arrives between the two is shown all the same, with no further
// data to push it out.
void TestReceiveView::chunkBetweenTheTwoWritesIsShown()
{
    QPlainTextEdit text;
    QPlainTextEdit hex;
    ReceiveView view(&text, &hex);
    bool sent = false;
    connect(text.document(), &QTextDocument::contentsChanged, this, [&view, &sent] {
        if (sent)
            return;
        sent = true;
        QMetaObject::invokeMethod(
            &view, [&view] { view.appendBytes("last", false); }, Qt::QueuedConnection);
    });
    view.appendBytes("first ", false);
    QTRY_COMPARE(text.toPlainText(), QStringLiteral("first last"));
    QTRY_VERIFY(hex.toPlainText().endsWith(QLatin1String("0x74,")));
}

// The views' text as a screen reader gets it, line breaks as line feeds.
static QString accessibleText(QPlainTextEdit &edit)
{
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(&edit);
    if (!view || !view->textInterface())
        return QStringLiteral("(no accessible text)");
    QAccessibleTextInterface *text = view->textInterface();
    return text->text(0, text->characterCount()).replace(QChar::ParagraphSeparator, u'\n');
}

void TestReceiveView::floodEndsWithTheNewestLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<HexFormat::Style>("style");
    const QByteArray line = QByteArray(55, 'x') + '\n';
    QTest::newRow("64-byte lines") << line << false << HexFormat::Style::Compact;
    QTest::newRow("stamped chunks") << line << true << HexFormat::Style::Spaced;
    QTest::newRow("no line end") << QByteArray(56, 'x') << false << HexFormat::Style::Compact;
}

// Far more lines than the views hold come at once, as from a fast port: the
// views are written step by step, each ends with exactly its newest lines,
// and then paints and scrolls as after any other write.
void TestReceiveView::floodEndsWithTheNewestLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, timeStamp);
    QFETCH(HexFormat::Style, style);
    constexpr int limit = 10000;
    QPlainTextEdit text;
    QPlainTextEdit hex;
    text.show();
    hex.show();
    ReceiveView view(&text, &hex, nullptr, style);
    QByteArray stream;
    for (int i = 0; i < 20000; ++i) {
        const QByteArray numbered = QByteArray::number(i).rightJustified(8, '0') + line;
        view.appendBytes(numbered, timeStamp);
        stream += numbered;
    }
    const QString textDump = QString::fromLatin1(stream).remove(QLatin1Char('\n'));
    const QString hexDump = HexFormat::chunk(stream, style, true).remove(QLatin1Char('\n'));
    const auto withoutBreaks = [](const QPlainTextEdit &edit) {
        return shownText(edit).remove(QStringLiteral("[T]")).remove(QLatin1Char('\n'));
    };
    // The last line, its number included, is shown.
    const qsizetype lastLine = line.size() + 8;
    QTRY_VERIFY_WITH_TIMEOUT(
        withoutBreaks(hex).endsWith(hexDump.right(lastLine * HexFormat::charsPerByte(style))) &&
            withoutBreaks(text).endsWith(textDump.right(lastLine - 1)),
        20000);
    QVERIFY(hexDump.endsWith(withoutBreaks(hex)));
    QVERIFY(textDump.endsWith(withoutBreaks(text)));
    QCOMPARE(hex.blockCount(), limit);
    for (QPlainTextEdit *edit : {&text, &hex}) {
        QVERIFY(edit->blockCount() <= limit);
        QTRY_VERIFY(edit->updatesEnabled());
        QVERIFY(!edit->centerOnScroll());
        QCOMPARE(edit->verticalScrollBar()->value(), edit->verticalScrollBar()->maximum());
    }
}

void TestReceiveView::textReadableThroughAccessibility_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lines") << QByteArrayList{"first\nsecond\n", "third"} << false
                           << "first\nsecond\nthird";
    QTest::newRow("stamped chunks")
        << QByteArrayList{"one", "two\nthree"} << true << "[T]one\n[T]two\nthree";
    QTest::newRow("CR-only lines") << QByteArrayList{"a\rb\r", "c"} << false << "a\nb\nc";
    QTest::newRow("line longer than a display line")
        << QByteArrayList{QByteArray(1500, 'y'), "\nlast"} << false
        << QString(1024, u'y') + u'\n' + QString(476, u'y') + QStringLiteral("\nlast");
}

// A screen reader reads both views as they show, every line and stamp,
// however the writes were cut.
void TestReceiveView::textReadableThroughAccessibility()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(bool, timeStamp);
    QFETCH(QString, shown);
    QPlainTextEdit text;
    QPlainTextEdit hex;
    text.show();
    hex.show();
    ReceiveView view(&text, &hex);
    for (const QByteArray &chunk : chunks)
        view.appendBytes(chunk, timeStamp);
    const QString lastHex =
        HexFormat::chunk(chunks.last().right(1), HexFormat::Style::Compact, true);
    QTRY_COMPARE(shownText(text), shown);
    QTRY_VERIFY(hex.toPlainText().endsWith(lastHex));
    static const QRegularExpression stamp(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]"));
    QCOMPARE(accessibleText(text).replace(stamp, QStringLiteral("[T]")), shown);
    QCOMPARE(accessibleText(hex), hex.toPlainText());
}

YURB_TEST_MAIN(TestReceiveView)
#include "tst_receiveview.moc"
