#include "base64text.h"
#include "longlines.h"
#include "longtextbox.h"
#include "longtextfill.h"
#include "mainwindow.h"
#include "promptrecorder.h"
#include "unicodeescape.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <memory>

namespace {
// Longer than one slice the boxes take per turn of the event loop, so each
// road goes the way long texts go: a line of CJK and ASCII with surrogate
// pairs, between short lines.
QString longText()
{
    QString text = QStringLiteral("first line\n");
    for (qsizetype i = 0; text.size() < 1'200'000; ++i) {
        if (i % 1000 == 999)
            text += QStringLiteral("\U0001F600");
        else
            text += i % 2 ? QChar(char16_t(0x4E00 + i % 0x5000)) : QChar(char16_t('a' + i % 26));
    }
    return text + QStringLiteral("\n\nlast line");
}

QString copied(QTextEdit *box)
{
    box->selectAll();
    box->copy();
    box->moveCursor(QTextCursor::Start);
    return QGuiApplication::clipboard()->text();
}

// Where two texts part, for a failure message that does not print megabytes.
QByteArray difference(const QString &actual, const QString &expected)
{
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return QStringLiteral("%1 characters, %2 expected, apart from %3")
        .arg(actual.size())
        .arg(expected.size())
        .arg(at)
        .toUtf8();
}

// The layout goes from the top down, so the last block is the last laid out.
bool laidOut(const QTextEdit *box)
{
    return box->document()->lastBlock().layout()->lineCount() > 0;
}

int longestBlock(const QTextEdit *box)
{
    int longest = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        longest = qMax(longest, block.length() - 1);
    return longest;
}
} // namespace

// A long text pasted into the boxes that take megabytes on one line and
// converted: each box shows it in blocks it lays out quickly, and gives the
// program and the clipboard back exactly its text.
class TestLongTextBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pasteAndConvert_data();
    void pasteAndConvert();
    void showInParts();
    void lineBreakTyped();

private:
    void paste(QTextEdit *box, const QString &text);
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestLongTextBoxes::init()
{
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
}

void TestLongTextBoxes::cleanup()
{
    m_window.reset();
    m_prompts.reset();
}

void TestLongTextBoxes::paste(QTextEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    box->paste();
    QTRY_VERIFY2_WITH_TIMEOUT(copied(box) == text, difference(copied(box), text), 30000);
    QCOMPARE(LongTextBox::text(box), text);
    QVERIFY2(longestBlock(box) <= LongLines::pieceLength,
             qPrintable(QString::number(longestBlock(box))));
}

void TestLongTextBoxes::pasteAndConvert_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("expected");

    const QString text = longText();
    const QString base64 = Base64Text::encode(text);
    const QString hex = UnicodeEscape::encode(text, false);
    QTest::newRow("Base64 encode")
        << "base64_source_textBrowser" << text << "base64_encode_pushButton"
        << "base64_to_textBrowser" << base64;
    QTest::newRow("Base64 decode")
        << "base64_source_textBrowser" << base64 << "base64_decode_pushButton"
        << "base64_to_textBrowser" << text;
    QTest::newRow("to Unicode") << "UnicodetextEdit" << text << "StoUpushButton"
                                << "UnicodetextBrowser" << hex;
    QTest::newRow("from Unicode") << "UnicodetextEdit" << hex << "UtoSpushButton"
                                  << "UnicodetextBrowser" << text;
    QTest::newRow("MQTT publish box")
        << "mqtt_pub_textEdit" << text << QString() << QString() << text;
}

void TestLongTextBoxes::pasteAndConvert()
{
    QFETCH(QString, input);
    QFETCH(QString, pasted);
    QFETCH(QString, button);
    QFETCH(QString, output);
    QFETCH(QString, expected);

    m_window->show();
    paste(child<QTextEdit>(*m_window, qPrintable(input)), pasted);
    if (QTest::currentTestFailed() || button.isEmpty())
        return;
    child<QPushButton>(*m_window, qPrintable(button))->click();
    auto *shown = child<QTextEdit>(*m_window, qPrintable(output));
    QTRY_VERIFY2_WITH_TIMEOUT(copied(shown) == expected, difference(copied(shown), expected),
                              30000);
    QCOMPARE(LongTextBox::text(shown), expected);
    QVERIFY2(longestBlock(shown) <= LongLines::pieceLength,
             qPrintable(QString::number(longestBlock(shown))));
    QVERIFY(m_prompts->messages.isEmpty());
}

// A text shown in parts reads whole, as it will once in, while it goes in a
// slice per turn, and the box shows it from its start.
void TestLongTextBoxes::showInParts()
{
    m_window->show();
    // A box lays its text out while it is shown.
    child<QTabWidget>(*m_window, "tabWidget")
        ->setCurrentWidget(child<QWidget>(*m_window, "Unicode"));
    auto *box = child<QTextEdit>(*m_window, "UnicodetextBrowser");
    const QString line(LongLines::pieceLength + 5, QLatin1Char('x'));
    const QString slice(LongTextFill::sliceLength, QLatin1Char('y'));
    LongTextBox::show(box, {slice + QChar(QChar::Nbsp) + line, QStringLiteral("\r\n") + slice,
                            QStringLiteral("a\u2028b")});
    const QString expected = slice + u' ' + line + u'\n' + slice + QStringLiteral("a\nb");
    QVERIFY(LongTextBox::isFilling(box));
    QCOMPARE(LongTextBox::text(box), expected);
    QTRY_VERIFY(!LongTextBox::isFilling(box));
    QCOMPARE(LongTextBox::text(box), expected);
    QTRY_VERIFY(laidOut(box));
    QCOMPARE(box->textCursor().position(), 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
}

// A line break typed where a long line is cut for display is one more
// character of the text, there.
void TestLongTextBoxes::lineBreakTyped()
{
    m_window->show();
    auto *box = child<QTextEdit>(*m_window, "mqtt_pub_textEdit");
    const QString text(3 * LongLines::pieceLength, QLatin1Char('x'));
    paste(box, text);
    if (QTest::currentTestFailed())
        return;
    const int at = LongLines::pieceLength + 10;
    QTextCursor cursor(box->document());
    // Past the first piece, the added break is one position of the box.
    cursor.setPosition(at + (box->document()->blockCount() > 1 ? 1 : 0));
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(LongTextBox::text(box), QString(text).insert(at, u'\n'));
}

YURB_TEST_MAIN(TestLongTextBoxes)
#include "tst_longtextboxes.moc"
