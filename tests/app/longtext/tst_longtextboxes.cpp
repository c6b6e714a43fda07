#include "base64text.h"
#include "clipboardowner.h"
#include "longtextedit.h"
#include "mainwindow.h"
#include "promptrecorder.h"
#include "textdifference.h"
#include "unicodeescape.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLocale>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

namespace {
// A line of Base64 letters, longer than several shown pieces.
QString base64Line(qsizetype length)
{
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    QString line;
    for (qsizetype i = 0; i < length; ++i)
        line += alphabet.at(i * 7 % alphabet.size());
    return line;
}

// Longer than what the boxes convert within a turn: a line of CJK and ASCII
// with surrogate pairs, between short lines.
QString mixedText()
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

void pressKeys(QWidget *box, const QString &keys)
{
    const QKeyCombination key = QKeySequence(keys)[0];
    QTest::keyClick(box, key.key(), key.keyboardModifiers());
}

// Ctrl+V with the focus in the box, until the text is in unless the keys
// after it are to go on meanwhile.
void paste(LongTextEdit *box, const QString &text, bool wait = true)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    pressKeys(box, QStringLiteral("Ctrl+V"));
    if (wait)
        QTRY_VERIFY_WITH_TIMEOUT(!box->isBusy(), 60000);
}

// Ctrl+A and Ctrl+C: the text the user copies.
QString copied(LongTextEdit *box)
{
    box->setFocus();
    pressKeys(box, QStringLiteral("Ctrl+A"));
    pressKeys(box, QStringLiteral("Ctrl+C"));
    return QGuiApplication::clipboard()->text();
}

// Runs a script of keys: "Ctrl+Z", "Shift+Right*12" (pressed twelve times),
// "type:text", "paste:text", "paste:#5000" (that many characters), "keep:"
// (the keys after a paste go on while it goes in) and "drop:text" (text
// dragged from elsewhere and dropped at the cursor).
void run(LongTextEdit *box, const QStringList &script)
{
    bool wait = true;
    for (const QString &step : script) {
        const QString argument = step.section(u':', 1);
        if (step == QLatin1String("keep:")) {
            wait = false;
        } else if (step.startsWith(QLatin1String("type:"))) {
            QTest::keyClicks(box, argument);
        } else if (step.startsWith(QLatin1String("paste:"))) {
            paste(box,
                  argument.startsWith(u'#') ? QString(argument.mid(1).toInt(), u'p') : argument,
                  wait);
        } else if (step.startsWith(QLatin1String("drop:"))) {
            QMimeData data;
            data.setText(argument);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(box->viewport(), &drop);
        } else {
            for (int i = qMax(1, step.section(u'*', 1).toInt()); i > 0; --i)
                pressKeys(box, step.section(u'*', 0, 0));
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(!box->isBusy(), 60000);
}
} // namespace

// The long-text boxes driven by keys: every key at a join of two shown
// pieces of a long line acts on characters, a read-only box never changes,
// one Ctrl+Z takes back one edit, a text of any size the boxes take goes in
// and out whole, and what is copied is exactly the text after every edit.
class TestLongTextBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void rowMoves_data();
    void rowMoves();
    void clickPastAShortRow();
    void lineDirection_data();
    void lineDirection();
    void pasteAndConvert_data();
    void pasteAndConvert();
    void largestPaste();
    void pasteFromAnotherProgram();
    void copyReadByAnotherProgram();
    void accessibleText();
    void inputMethod();

private:
    LongTextEdit *box(const QString &name);

    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestLongTextBoxes::init()
{
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

void TestLongTextBoxes::cleanup()
{
    m_window.reset();
    m_prompts.reset();
}

LongTextEdit *TestLongTextBoxes::box(const QString &name)
{
    auto *box = child<LongTextEdit>(*m_window, qPrintable(name));
    auto *tabs = child<QTabWidget>(*m_window, "tabWidget");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->isAncestorOf(box))
            tabs->setCurrentIndex(tab);
    }
    return box;
}

void TestLongTextBoxes::keys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("expected");

    // Shown pieces of a long line join every 4096 characters.
    const QString line = base64Line(60'015);
    const QString input = QStringLiteral("base64_source_textBrowser");
    const QString result = QStringLiteral("UnicodetextBrowser");
    const QString publish = QStringLiteral("mqtt_pub_textEdit");
    QTest::newRow("Backspace at a join")
        << input << line << 4096 << QStringList{"Backspace"} << QString(line).remove(4095, 1);
    QTest::newRow("Delete at a join, reached from the left")
        << input << line << 8190 << QStringList{"Right*2", "Delete"}
        << QString(line).remove(8192, 1);
    QTest::newRow("Backspace at a join after edits")
        << input << line << 4000 << QStringList{"type:xyz", "Right*96", "Backspace", "Delete"}
        << QString(line).insert(4000, QStringLiteral("xyz")).remove(4098, 2);
    QTest::newRow("Enter at a join")
        << input << line << 4096 << QStringList{"Return"} << QString(line).insert(4096, u'\n');
    QTest::newRow("typing over a selection across a join")
        << input << line << 4090 << QStringList{"Shift+Right*12", "type:xy"}
        << QString(line).replace(4090, 12, QStringLiteral("xy"));
    QTest::newRow("cut across a join, pasted at the end")
        << input << line << 4090 << QStringList{"Shift+Right*12", "Ctrl+X", "Ctrl+End", "Ctrl+V"}
        << QString(line).remove(4090, 12) + line.mid(4090, 12);
    QTest::newRow("word erased across a join")
        << input << QString(4100, u'w') + u' ' + QString(4000, u'v') << 4101
        << QStringList{"Ctrl+Backspace"} << QString(4000, u'v');

    const QString hex = UnicodeEscape::encode(QString(6000, QChar(0x4E2D)), false);
    QTest::newRow("a read-only result never changes")
        << result << hex << 4096
        << QStringList{"Return",        "Backspace", "Delete", "type:x",      "Ctrl+V",
                       "Shift+Right*3", "Ctrl+X",    "Ctrl+Z", "drop:dropped"}
        << hex;

    QTest::newRow("one Ctrl+Z takes back a long paste")
        << publish << QString() << 0 << QStringList{"paste:-short-", "paste:#5000", "Ctrl+Z"}
        << "-short-";
    QTest::newRow("one Ctrl+Z takes back a long paste after a Delete")
        << publish << QString() << 0
        << QStringList{"type:abcd", "Shift+Left", "Delete", "paste:#5000", "Ctrl+Z"} << "abc";
    QTest::newRow("Ctrl+Shift+Z makes it again")
        << publish << QString() << 0
        << QStringList{"type:abcd", "Shift+Left", "Delete", "paste:#5000", "Ctrl+Z", "Ctrl+Shift+Z"}
        << QStringLiteral("abc") + QString(5000, u'p');
    QTest::newRow("typing is one step")
        << publish << QString() << 0 << QStringList{"type:ab", "Return", "type:cd", "Ctrl+Z"}
        << "ab\n";
    QTest::newRow("keys pressed while a long paste goes in follow it")
        << publish << QStringLiteral("ab") << 1
        << QStringList{"keep:", "paste:#200000", "type:xy", "Left", "Backspace"}
        << QStringLiteral("a") + QString(200'000, u'p') + QStringLiteral("yb");

    // The keys of a text editor; "type:|" marks where the cursor ended.
    const QString words = QString(4100, u'w') + QStringLiteral(" vv");
    QTest::newRow("Ctrl+Right over a word across a join")
        << input << words << 0 << QStringList{"Ctrl+Right", "type:|"}
        << QString(words).insert(4101, u'|');
    QTest::newRow("Ctrl+Left over a word across a join")
        << input << words << 4101 << QStringList{"Ctrl+Left", "type:|"} << u'|' + words;
    QTest::newRow("Ctrl+Delete") << input << QStringLiteral("one two") << 0
                                 << QStringList{"Ctrl+Delete"} << "two";
    QTest::newRow("Right past a line break")
        << input << "ab\ncd" << 2 << QStringList{"Right", "type:|"} << "ab\n|cd";
    QTest::newRow("Left past a surrogate pair")
        << input << QStringLiteral("a\U0001F600b") << 3 << QStringList{"Left", "type:|"}
        << QStringLiteral("a|\U0001F600b");
    QTest::newRow("Delete takes a letter with its mark")
        << input << QStringLiteral("ae\u0301b") << 1 << QStringList{"Delete"} << "ab";
    QTest::newRow("Backspace takes the mark alone")
        << input << QStringLiteral("ae\u0301b") << 3 << QStringList{"Backspace"} << "aeb";
    QTest::newRow("Home and End of a row")
        << input << "abc\ndef" << 5 << QStringList{"Home", "type:<", "End", "type:>"}
        << "abc\n<def>";
    QTest::newRow("Up and Down keep the column")
        << input << "abcdef\nab\nabcdef" << 4 << QStringList{"Down", "Down", "type:|"}
        << "abcdef\nab\nabcd|ef";
    QTest::newRow("Right without Shift ends a selection at its far side")
        << input << "abcdef" << 1 << QStringList{"Shift+Right*3", "Right", "type:|"} << "abcd|ef";
    QTest::newRow("Shift+Up on the first row selects to the start")
        << input << "abc" << 2 << QStringList{"Shift+Up", "type:X"} << "Xc";
    QTest::newRow("Ctrl+Shift+End selects to the end")
        << input << "abc\ndef" << 1 << QStringList{"Ctrl+Shift+End", "type:X"} << "aX";
    QTest::newRow("Tab types a tab") << input << "ab" << 1 << QStringList{"Tab"} << "a\tb";
    QString lines;
    for (int i = 0; i < 300; ++i)
        lines += QStringLiteral("line %1\n").arg(i);
    QTest::newRow("Page Down and Page Up come back")
        << input << lines << 0 << QStringList{"PgDown", "PgDown", "PgUp", "PgUp", "type:|"}
        << u'|' + lines;
}

void TestLongTextBoxes::keys()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QStringList, script);
    QFETCH(QString, expected);

    LongTextEdit *edited = box(name);
    edited->setText(text);
    edited->setFocus();
    edited->setCursorPosition(cursor);
    run(edited, script);
    QVERIFY2(edited->text() == expected, qPrintable(textDifference(edited->text(), expected)));
    QVERIFY2(copied(edited) == expected, qPrintable(textDifference(copied(edited), expected)));
}

void TestLongTextBoxes::rowMoves_data()
{
    QTest::addColumn<int>("join");
    QTest::addColumn<int>("rowsAway");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("keys");

    // A line of 12,000 letters of one width, its pieces joining at 4096 and
    // 8192, each piece's last row short. The cursor starts rowsAway rows
    // from the first row after a join, at a column counted from the row's
    // start, or from its end when negative.
    QTest::newRow("Up past a join from beyond the short row")
        << 4096 << 2 << -2 << QStringList{"Up*6"};
    QTest::newRow("Down onto the short row and on") << 4096 << -3 << -1 << QStringList{"Down*6"};
    QTest::newRow("Down from the start of a row") << 4096 << -3 << 0 << QStringList{"Down*4"};
    QTest::newRow("Up and Down across both joins")
        << 8192 << 2 << -3 << QStringList{"Up*8", "Down*8", "Up*3"};
    QTest::newRow("End on the short row, then Up and Down")
        << 4096 << 0 << 3 << QStringList{"Up", "End", "Up", "Down", "Down"};
    QTest::newRow("Home on the short row")
        << 4096 << 2 << -1 << QStringList{"Up*3", "Home", "Down"};
}

// Up, Down, Home and End by rows, a row being what the box shows: the last,
// short row of a piece is a row like any other. The expectation is counted
// from the row length alone.
void TestLongTextBoxes::rowMoves()
{
    QFETCH(int, join);
    QFETCH(int, rowsAway);
    QFETCH(int, column);
    QFETCH(QStringList, keys);

    constexpr int length = 12'000;
    constexpr int joins[] = {0, 4096, 8192, length};
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(QString(length, u'x'));
    input->setFocus();
    const qsizetype perRow = input->rowAround(0).second;
    QVERIFY(perRow > 1 && 4096 % perRow != 0);
    // The rows as starts and ends, and the expected row and column.
    QList<std::pair<int, int>> rows;
    for (int piece = 0; piece + 1 < int(std::size(joins)); ++piece) {
        for (int at = joins[piece]; at < joins[piece + 1]; at += int(perRow))
            rows.append({at, qMin(joins[piece + 1], at + int(perRow))});
    }
    int row = 0;
    while (rows[row].first != join)
        ++row;
    row += rowsAway;
    const int rowLength = rows[row].second - rows[row].first;
    column = column < 0 ? rowLength + column : column;
    const int start = rows[row].first + column;
    bool columnKept = false;
    input->setCursorPosition(start);
    for (const QString &step : std::as_const(keys)) {
        for (int i = qMax(1, step.section(u'*', 1).toInt()); i > 0; --i) {
            const QString key = step.section(u'*', 0, 0);
            const int position = rows[row].first + qMin(column, rows[row].second - rows[row].first);
            if (!columnKept && (key == QLatin1String("Up") || key == QLatin1String("Down")))
                column = position - rows[row].first;
            columnKept = key == QLatin1String("Up") || key == QLatin1String("Down");
            if (key == QLatin1String("Up"))
                row = qMax(0, row - 1);
            else if (key == QLatin1String("Down"))
                row = qMin(int(rows.size()) - 1, row + 1);
            else
                column = key == QLatin1String("Home") ? 0 : rows[row].second - rows[row].first;
            pressKeys(input, key);
            const int expected = rows[row].first + qMin(column, rows[row].second - rows[row].first);
            QCOMPARE(input->cursorPosition(), expected);
            // The caret shows on the expected row, its end included.
            const QRect caret = input->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            const QRect rowStart =
                input->positionRect(rows[row].first).translated(input->viewport()->pos());
            QCOMPARE(caret.y(), rowStart.y());
        }
    }
}

// A click right of a piece's last, short row puts the cursor at that row's
// end, and the caret shows there, not at the start of the next row.
void TestLongTextBoxes::clickPastAShortRow()
{
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(QString(12'000, u'x'));
    input->setFocus();
    input->setCursorPosition(4095);
    const QRect row = input->positionRect(4095);
    QTest::mouseClick(input->viewport(), Qt::LeftButton, {},
                      QPoint(input->viewport()->width() - 10, row.center().y()));
    QCOMPARE(input->cursorPosition(), 4096);
    const QRect caret = input->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QCOMPARE(caret.y(), row.translated(input->viewport()->pos()).y());
}

void TestLongTextBoxes::lineDirection_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("fromTheLeft");

    QTest::newRow("Latin first") << QStringList{} << true;
    QTest::newRow("Arabic first once the Latin is erased")
        << QStringList{"Ctrl+Home", "Shift+Right*6", "Delete", "Ctrl+End"} << false;
}

// One direction a line, from its first strong character: a line that
// starts in Latin letters and goes on in Arabic and a Latin word past a join
// of pieces reads from the left on every row, the word after the Arabic to
// its right; erase the Latin start and the whole line reads from the right.
void TestLongTextBoxes::lineDirection()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, fromTheLeft);

    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(QStringLiteral("Note: ") + QString(10000, QChar(0x0628)) +
                   QStringLiteral(" xyz"));
    input->setFocus();
    pressKeys(input, QStringLiteral("Ctrl+End"));
    run(input, keys);
    // The row of the Latin word, Arabic before it in the line's last piece.
    const qsizetype word = input->length() - 3;
    const qsizetype from = input->rowAround(word).first;
    QVERIFY(from > 8192 && from < word - 1);
    QCOMPARE(input->positionRect(word).x() > input->positionRect(from).x(), fromTheLeft);
}

void TestLongTextBoxes::pasteAndConvert_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("expected");

    const QString text = mixedText();
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
}

void TestLongTextBoxes::pasteAndConvert()
{
    QFETCH(QString, input);
    QFETCH(QString, pasted);
    QFETCH(QString, button);
    QFETCH(QString, output);
    QFETCH(QString, expected);

    paste(box(input), pasted);
    QVERIFY2(copied(box(input)) == pasted, qPrintable(textDifference(copied(box(input)), pasted)));
    auto *pressed = child<QPushButton>(*m_window, qPrintable(button));
    pressed->click();
    QTRY_VERIFY_WITH_TIMEOUT(pressed->isEnabled(), 30000);
    QVERIFY2(copied(box(output)) == expected,
             qPrintable(textDifference(copied(box(output)), expected)));
    QVERIFY(m_prompts->messages.isEmpty());
}

// A paste this long, laid out in a box this narrow, was taller than a text
// document's layout can count, and held the window for good once it idled.
// It goes in by Ctrl+V, the window idles, the text's end is reached and
// edited, and it is copied out whole. Pasted into the Unicode input, its
// escapes would be more than a box holds, which the result box says in its
// place.
void TestLongTextBoxes::largestPaste()
{
    QString text(150'000'000, u'a');
    text[1000] = QChar(0x4E2D);
    text[50'000'000] = u'\n';
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    paste(input, text);
    QTest::qWait(12'000);
    run(input, {"Ctrl+End", "type:!"});
    text += u'!';
    QVERIFY2(copied(input) == text, qPrintable(textDifference(copied(input), text)));

    LongTextEdit *unicodeInput = box(QStringLiteral("UnicodetextEdit"));
    unicodeInput->setFocus();
    pressKeys(unicodeInput, QStringLiteral("Ctrl+V"));
    QCOMPARE(unicodeInput->length(), text.size());
    QGuiApplication::clipboard()->clear();
    auto *toHex = child<QPushButton>(*m_window, "StoUpushButton");
    toHex->click();
    QTRY_VERIFY_WITH_TIMEOUT(toHex->isEnabled(), 60000);
    LongTextEdit *result = box(QStringLiteral("UnicodetextBrowser"));
    QCOMPARE(result->length(), 0);
    const QLocale locale;
    QCOMPARE(result->notice(),
             QStringLiteral("Not converted: the result would be %1 characters "
                            "long, more than the %2 a box holds.")
                 .arg(locale.toString(600'000'004), locale.toString(LongText::maximumLength)));
}

// Another program holds the clipboard, in UTF-8 with CR LF line ends: Ctrl+V
// takes its text whole, each CR LF a line break. One that stops answering
// is given up on, and the box says so.
void TestLongTextBoxes::pasteFromAnotherProgram()
{
    const QString text = mixedText().repeated(2).replace(u'\n', QStringLiteral("\r\n"));
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(text.toUtf8());
    file.close();
    {
        const ClipboardOwner owner(file.fileName());
        QVERIFY2(owner.held(), "xclip is missing: run scripts/install-deps.sh");
        input->setFocus();
        pressKeys(input, QStringLiteral("Ctrl+V"));
        QTRY_VERIFY_WITH_TIMEOUT(!input->isBusy(), 60000);
    }
    const QString expected = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QVERIFY2(input->text() == expected, qPrintable(textDifference(input->text(), expected)));

    ClipboardOwner silent(file.fileName());
    QVERIFY(silent.held());
    silent.stopAnswering();
    pressKeys(input, QStringLiteral("Ctrl+V"));
    QTRY_VERIFY_WITH_TIMEOUT(!input->isBusy(), 30000);
    QCOMPARE(input->notice(), QStringLiteral("Nothing pasted: the program that holds the "
                                             "clipboard stopped answering."));
    QCOMPARE(input->length(), expected.size());
}

// A long copy read by another program, as UTF-8: every character of it.
void TestLongTextBoxes::copyReadByAnotherProgram()
{
    const QString text = mixedText();
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(text);
    QTRY_VERIFY(!input->isBusy());
    QVERIFY2(copied(input) == text, qPrintable(textDifference(copied(input), text)));
    QProcess reader;
    reader.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
    QByteArray read;
    QTRY_VERIFY_WITH_TIMEOUT(
        (read += reader.readAllStandardOutput(), reader.state() == QProcess::NotRunning), 30000);
    read += reader.readAllStandardOutput();
    QVERIFY2(QString::fromUtf8(read) == text,
             qPrintable(textDifference(QString::fromUtf8(read), text)));
}

// Assistive technologies read and place the cursor by text positions, a
// join of shown pieces being none, and a read-only box offers no editing.
void TestLongTextBoxes::accessibleText()
{
    const QString line = base64Line(10'000);
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(line);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(input);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QAccessibleTextInterface *text = accessible->textInterface();
    QCOMPARE(text->characterCount(), 10'000);
    QCOMPARE(text->text(4090, 4100), line.mid(4090, 10));
    text->setCursorPosition(4096);
    input->setFocus();
    pressKeys(input, QStringLiteral("Return"));
    QCOMPARE(input->text(), QString(line).insert(4096, u'\n'));
    accessible->editableTextInterface()->deleteText(4096, 4097);
    QCOMPARE(input->text(), line);
    QCOMPARE(QAccessible::queryAccessibleInterface(box(QStringLiteral("UnicodetextBrowser")))
                 ->editableTextInterface(),
             nullptr);
}

// Text an input method composes takes the selection's place but is not the
// box's text until committed; the whole input is one step to undo.
void TestLongTextBoxes::inputMethod()
{
    LongTextEdit *input = box(QStringLiteral("UnicodetextEdit"));
    input->setText(QStringLiteral("ab cd"));
    input->setFocus();
    input->setCursorPosition(3);
    input->setCursorPosition(5, true);
    QInputMethodEvent composing(QStringLiteral("zhong"), {});
    QCoreApplication::sendEvent(input, &composing);
    QCOMPARE(input->text(), QStringLiteral("ab "));
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("\u4E2D\u6587"));
    QCoreApplication::sendEvent(input, &committed);
    QCOMPARE(input->text(), QStringLiteral("ab \u4E2D\u6587"));
    QCOMPARE(input->inputMethodQuery(Qt::ImSurroundingText).toString(), input->text());
    pressKeys(input, QStringLiteral("Ctrl+Z"));
    QCOMPARE(input->text(), QStringLiteral("ab cd"));
}

YURB_TEST_MAIN(TestLongTextBoxes)
#include "tst_longtextboxes.moc"
