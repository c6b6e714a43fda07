#include "base64text.h"
#include "clipboardowner.h"
#include "longtextedit.h"
#include "mainwindow.h"
#include "promptrecorder.h"
#include "textdifference.h"
#include "unicodeescape.h"
#include "workerpool.h"
#include "windowprobe.h"
#include "x11connection.h"
#include "x11peer.h"
#include "x11selection.h"
#include "yurbtestmain.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <optional>

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
// (the keys after a paste go on while it goes in), "drop:text" (text dragged
// from elsewhere and dropped at the box's start), "click:" and "dclick:" (a
// click and a double click at the box's start), "commit:text" (an input
// method's) and "set:text" (the program sets the box's text).
void run(LongTextEdit *box, const QStringList &script)
{
    const QPoint start(1, 1);
    bool wait = true;
    for (const QString &step : script) {
        const QString argument = step.section(u':', 1);
        if (step == QLatin1String("keep:")) {
            wait = false;
        } else if (step.startsWith(QLatin1String("type:"))) {
            QTest::keyClicks(box, argument);
        } else if (step == QLatin1String("click:")) {
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, start);
        } else if (step == QLatin1String("dclick:")) {
            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, start);
        } else if (step.startsWith(QLatin1String("commit:"))) {
            QInputMethodEvent commit;
            commit.setCommitString(argument);
            QCoreApplication::sendEvent(box, &commit);
        } else if (step.startsWith(QLatin1String("set:"))) {
            box->setText(argument);
        } else if (step.startsWith(QLatin1String("paste:"))) {
            paste(box,
                  argument.startsWith(u'#') ? QString(argument.mid(1).toInt(), u'p') : argument,
                  wait);
        } else if (step.startsWith(QLatin1String("drop:"))) {
            QMimeData data;
            data.setText(argument);
            // A drop goes where the drag entered and was taken.
            QDragEnterEvent enter(start, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(box->viewport(), &enter);
            QDropEvent drop(start, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(box->viewport(), &drop);
        } else {
            for (int i = qMax(1, step.section(u'*', 1).toInt()); i > 0; --i)
                pressKeys(box, step.section(u'*', 0, 0));
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(!box->isBusy(), 60000);
}

// Opens the box's context menu as a right click does and, once it shows,
// takes the enabled item of that text by Return, or else closes it.
void pickFromMenu(LongTextEdit *box, const QString &item)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, &item] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            poll.stop();
            QAction *found = nullptr;
            for (QAction *action : menu->actions())
                found = action->text() == item && action->isEnabled() ? action : found;
            menu->setActiveAction(found);
            QTest::keyClick(menu, found ? Qt::Key_Return : Qt::Key_Escape);
        }
    });
    poll.start(10);
    const QPoint at(1, 1);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(box->viewport(), &event);
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
    void lineDirection_data();
    void lineDirection();
    void pasteAndConvert_data();
    void pasteAndConvert();
    void largestPaste();
    void pasteFromAnotherProgram();
    void buttonsDuringASilentPaste_data();
    void buttonsDuringASilentPaste();
    void contextMenu_data();
    void contextMenu();
    void pasteAsOffered_data();
    void pasteAsOffered();
    void tooLongRefusedAsItComes();
    void reader_data();
    void reader();
    void readerByReplyType_data();
    void readerByReplyType();
    void readByAnotherProgram_data();
    void readByAnotherProgram();
    void ownerTargets_data();
    void ownerTargets();
    void sharedWithOtherWidgets();
    void accessibleText();
    void accessibleRanges_data();
    void accessibleRanges();
    void editsTold_data();
    void editsTold();
    void moveWhileEdited_data();
    void moveWhileEdited();
    void inputMethod();
    void themeBorder();

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
    // Events during a long paste act in the order they came, where they
    // pointed when they came.
    const QString pasted(300'000, u'p');
    QTest::newRow("a click during a paste goes before the keys after it")
        << publish << QStringLiteral("ab") << 2
        << QStringList{"keep:", "paste:#300000", "click:", "type:Z"} << "Zab" + pasted;
    QTest::newRow("a double click during a paste selects the word it was on")
        << publish << QStringLiteral("one two") << 7
        << QStringList{"keep:", "paste:#300000", "dclick:", "type:Z"} << "Z two" + pasted;
    QTest::newRow("a drop during a paste lands in order")
        << publish << QStringLiteral("ab") << 2
        << QStringList{"keep:", "paste:#300000", "type:x", "drop:D", "type:Z"}
        << "DZab" + pasted + u'x';
    QTest::newRow("an input method's commit after a click during a paste")
        << publish << QStringLiteral("ab") << 2
        << QStringList{"keep:", "paste:#300000", "click:", "commit:C"} << "Cab" + pasted;
    QTest::newRow("a text set during a paste drops it and the keys held for it")
        << publish << QString() << 0
        << QStringList{"keep:", "paste:#300000", "type:x", "set:set", "paste:#300000"}
        << pasted + "set";

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
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("join");
    QTest::addColumn<int>("rowsAway");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("keys");

    // A line of 12,000 characters of one width (a unit repeated: alef joins
    // no letter after it), its pieces joining near 4096 and 8192, each
    // piece's last row short. The cursor starts rowsAway rows from the first
    // row after the join-th join (0: the text's start; from its end when
    // before it), at a column counted from the row's start, or from its end
    // when negative. "Click" clicks past the row's end.
    for (const auto &[script, unit] : {std::pair{"Latin", u"x"},
                                       {"Hebrew", u"\u05D0"},
                                       {"Arabic", u"\u0627"},
                                       {"Latin with marks", u"aa\u0301"},
                                       {"Hebrew with points", u"\u05D1\u05B8"}}) {
        const auto row = [&script = script, &unit = unit](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(script, name)))
                   << QString::fromUtf16(unit);
        };
        row("Up past a join from beyond the short row") << 1 << 2 << -2 << QStringList{"Up*6"};
        row("Down onto the short row and on") << 1 << -3 << -1 << QStringList{"Down*6"};
        row("Down from the start of a row") << 1 << -3 << 0 << QStringList{"Down*4"};
        row("Up and Down across both joins")
            << 2 << 2 << -3 << QStringList{"Up*8", "Down*8", "Up*3"};
        row("End on the short row, then Up and Down")
            << 1 << 0 << 3 << QStringList{"Up", "End", "Up", "Down", "Down"};
        row("Home on the short row") << 1 << 2 << -1 << QStringList{"Up*3", "Home", "Down"};
        row("End before a join, then Down and Up")
            << 2 << -1 << 0 << QStringList{"End", "Down*2", "Up*2"};
        row("End on a row that wraps, then Down and Up")
            << 1 << 1 << 0 << QStringList{"End", "Down", "Up*2"};
        row("Every row down from the start and up from the end")
            << 0 << 0 << 0 << QStringList{"Down*all", "End", "Up*all"};
        row("Clicks past a short row and a row that wraps")
            << 1 << -1 << 0 << QStringList{"Click", "Up", "Click", "Down"};
    }
}

// Up, Down, Home, End and clicks by rows, a row being what the box shows:
// the last, short row of a piece is a row like any other, in either
// direction. The expectation is counted from the characters (graphemes) a
// row holds alone.
void TestLongTextBoxes::rowMoves()
{
    QFETCH(QString, unit);
    QFETCH(int, join);
    QFETCH(int, rowsAway);
    QFETCH(int, column);
    QFETCH(QStringList, keys);

    const QString text = unit.repeated(12'000 / unit.size());
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(text);
    input->setFocus();
    // The cursor's places, and which start the pieces: each as long as it
    // can be up to 4096 characters.
    QList<int> places;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = 0; at >= 0; at = graphemes.toNextBoundary())
        places.append(int(at));
    QList<int> joins{0};
    for (int i = 1; i < places.size(); ++i) {
        if (places[i] - places[joins.last()] > 4096 && places.last() - places[joins.last()] > 4096)
            joins.append(i - 1);
    }
    joins.append(int(places.size()) - 1);
    const int perRow = int(places.indexOf(int(input->rowAround(0).second)));
    QVERIFY(perRow > 1 && joins[1] % perRow != 0);
    // The rows as starts and ends, and the expected row and column, in places.
    QList<std::pair<int, int>> rows;
    for (int piece = 0; piece + 1 < int(joins.size()); ++piece) {
        for (int at = joins[piece]; at < joins[piece + 1]; at += perRow)
            rows.append({at, qMin(joins[piece + 1], at + perRow)});
    }
    int row = 0;
    while (rows[row].first != joins[join])
        ++row;
    row = (row + rowsAway + int(rows.size())) % int(rows.size());
    const int rowLength = rows[row].second - rows[row].first;
    column = column < 0 ? rowLength + column : column;
    const int start = rows[row].first + column;
    bool columnKept = false;
    input->setCursorPosition(places[start]);
    for (const QString &step : std::as_const(keys)) {
        const QString times = step.section(u'*', 1);
        for (int i = times == QLatin1String("all") ? int(rows.size()) : qMax(1, times.toInt());
             i > 0; --i) {
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
            if (key == QLatin1String("Click"))
                QTest::mouseClick(
                    input->viewport(), Qt::LeftButton, {},
                    QPoint(text.isRightToLeft() ? 1 : input->viewport()->width() - 2,
                           input->positionRect(places[rows[row].first]).center().y()));
            else
                pressKeys(input, key);
            const int expected = rows[row].first + qMin(column, rows[row].second - rows[row].first);
            QCOMPARE(input->cursorPosition(), places[expected]);
            // The caret shows on the expected row, its end included.
            const QRect caret = input->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            QCOMPARE(caret.y(), input->positionRect(places[rows[row].first])
                                    .translated(input->viewport()->pos())
                                    .y());
        }
    }
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
    const QByteArray bytes = text.toUtf8();
    {
        const ClipboardOwner owner(bytes);
        QVERIFY2(owner.held(), "xclip is missing: run scripts/install-deps.sh");
        input->setFocus();
        pressKeys(input, QStringLiteral("Ctrl+V"));
        QTRY_VERIFY_WITH_TIMEOUT(!input->isBusy(), 60000);
    }
    const QString expected = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QVERIFY2(input->text() == expected, qPrintable(textDifference(input->text(), expected)));

    ClipboardOwner silent(bytes);
    QVERIFY(silent.held());
    silent.stopAnswering();
    pressKeys(input, QStringLiteral("Ctrl+V"));
    QTRY_VERIFY_WITH_TIMEOUT(!input->isBusy(), 30000);
    QCOMPARE(input->notice(), QStringLiteral("Nothing pasted: the program that holds the "
                                             "clipboard stopped answering."));
    QCOMPARE(input->length(), expected.size());
}

void TestLongTextBoxes::buttonsDuringASilentPaste_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Encode") << "base64_source_textBrowser"
                            << "base64_encode_pushButton"
                            << "base64_to_textBrowser" << Base64Text::encode("beforek");
    QTest::newRow("to Unicode") << "UnicodetextEdit"
                                << "StoUpushButton"
                                << "UnicodetextBrowser" << UnicodeEscape::encode("beforek", false);
}

// Ctrl+V from a program that holds the clipboard and never answers, then a
// key and the button that reads the box: the window answers at once, the
// button waits disabled, and once the paste is given up the box says so,
// holds its text with the key, and the button acts on it.
void TestLongTextBoxes::buttonsDuringASilentPaste()
{
    QFETCH(QString, input);
    QFETCH(QString, button);
    QFETCH(QString, output);
    QFETCH(QString, expected);

    ClipboardOwner silent(QByteArray("pasted"));
    QVERIFY2(silent.held(), "xclip is missing: run scripts/install-deps.sh");
    silent.stopAnswering();
    LongTextEdit *box = this->box(input);
    box->setText(QStringLiteral("before"));
    box->setFocus();
    box->setCursorPosition(6);
    pressKeys(box, QStringLiteral("Ctrl+V"));
    QTest::keyClicks(box, QStringLiteral("k"));
    auto *pressed = child<QPushButton>(*m_window, qPrintable(button));
    QVERIFY(box->isBusy());
    QVERIFY(!pressed->isEnabled());
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(this->box(output)->text(), QString());
    QCOMPARE(box->text(), QStringLiteral("before"));

    QTRY_VERIFY_WITH_TIMEOUT(!box->isBusy(), 30000);
    QCOMPARE(box->notice(), QStringLiteral("Nothing pasted: the program that holds the "
                                           "clipboard stopped answering."));
    QCOMPARE(box->text(), QStringLiteral("beforek"));
    QVERIFY(pressed->isEnabled());
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(this->box(output)->text(), expected);
}

void TestLongTextBoxes::contextMenu_data()
{
    QTest::addColumn<QByteArray>("offered");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("notice");

    // What another program offers, in the form `target` names; where it
    // offers nothing, a long text of the program's own is pasted first.
    QTest::newRow("Paste from a program that stopped answering")
        << QByteArray("pasted") << "UTF8_STRING" << true << "&Paste"
        << "beforez"
        << "Nothing pasted: the program that holds the clipboard stopped answering.";
    QTest::newRow("Paste of an image") << QByteArray("\x89PNG") << "image/png" << false << "&Paste"
                                       << "beforez"
                                       << "Nothing pasted: the clipboard holds no text.";
    QTest::newRow("Select All during a paste") << QByteArray() << QString() << false << "Select All"
                                               << "z" << QString();
}

// The context menu asks no other program, on the window's thread, whether
// it holds text: Paste is offered, and the box says what came of it. Its
// actions during a paste act after it, in order with the keys (a "z" typed
// after it). The program's workers are kept busy until then, so that a
// paste is still coming.
void TestLongTextBoxes::contextMenu()
{
    QFETCH(QByteArray, offered);
    QFETCH(QString, target);
    QFETCH(bool, silent);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    QFETCH(QString, notice);

    std::optional<ClipboardOwner> owner;
    if (!offered.isEmpty())
        QVERIFY(owner.emplace(offered, QStringLiteral("clipboard"), target).held());
    if (silent)
        owner->stopAnswering();
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(QStringLiteral("before"));
    input->setFocus();
    input->setCursorPosition(6);
    QThreadPool *workers = WorkerPool::instance();
    const auto go = std::make_shared<QSemaphore>();
    const auto release = qScopeGuard([&] { go->release(workers->maxThreadCount()); });
    for (int i = workers->maxThreadCount(); i > 0; --i)
        workers->start([go] { go->acquire(); });
    QTRY_COMPARE(workers->activeThreadCount(), workers->maxThreadCount());
    if (offered.isEmpty())
        paste(input, QString(300'000, u'p'), false);
    pickFromMenu(input, item);
    QTest::keyClicks(input, QStringLiteral("z"));
    go->release(workers->maxThreadCount());
    QTRY_VERIFY_WITH_TIMEOUT(!input->isBusy(), 30000);
    QCOMPARE(input->text(), expected);
    QCOMPARE(input->notice(), notice);
}

// Another program offers its selection in one form: text is taken as that
// form says, UTF-8 or Latin-1 (STRING), by Ctrl+V or a middle click; what is
// no text (an image) pastes nothing.
void TestLongTextBoxes::pasteAsOffered_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    const QString latin = QStringLiteral("caf\u00E9 \u00BD");
    QTest::newRow("STRING, Ctrl+V") << "clipboard"
                                    << "STRING" << latin.toLatin1() << latin;
    QTest::newRow("STRING, middle click") << "primary"
                                          << "STRING" << latin.toLatin1() << latin;
    const QString utf8 = QStringLiteral("caf\u00E9 \u4E2D\u6587");
    QTest::newRow("text/plain;charset=utf-8, Ctrl+V")
        << "clipboard"
        << "text/plain;charset=utf-8" << utf8.toUtf8() << utf8;
    QTest::newRow("image/png, Ctrl+V") << "clipboard"
                                       << "image/png" << png.data() << QString();
    QTest::newRow("image/png, middle click") << "primary"
                                             << "image/png" << png.data() << QString();
}

void TestLongTextBoxes::pasteAsOffered()
{
    QFETCH(QString, selection);
    QFETCH(QString, target);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);

    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    const ClipboardOwner owner(bytes, selection, target);
    QVERIFY(owner.held());
    input->setFocus();
    if (selection == QLatin1String("primary"))
        QTest::mouseClick(input->viewport(), Qt::MiddleButton, {}, QPoint(10, 10));
    else
        pressKeys(input, QStringLiteral("Ctrl+V"));
    QTRY_VERIFY_WITH_TIMEOUT(!input->isBusy(), 30000);
    QCOMPARE(input->text(), expected);
    QCOMPARE(input->notice(), QString());
}

// Another program offers more than a box holds: it is refused with the
// length it would have made, the box left as it was.
void TestLongTextBoxes::tooLongRefusedAsItComes()
{
    constexpr qsizetype length = 600'000'006;
    QTemporaryFile file;
    QVERIFY(file.open());
    const QByteArray block(1 << 20, 'a');
    for (qsizetype written = 0; written < length; written += block.size())
        file.write(block.constData(), qMin(block.size(), length - written));
    file.close();
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(QStringLiteral("kept"));
    const ClipboardOwner owner(file.fileName());
    QVERIFY(owner.held());
    input->setFocus();
    pressKeys(input, QStringLiteral("Ctrl+End"));
    pressKeys(input, QStringLiteral("Ctrl+V"));
    QTRY_VERIFY_WITH_TIMEOUT(!input->isBusy(), 240000);
    const QLocale locale;
    QCOMPARE(input->notice(),
             QStringLiteral("Not taken: the text would be %1 characters long, more than the %2 "
                            "this box holds.")
                 .arg(locale.toString(length + 4), locale.toString(LongText::maximumLength)));
    QCOMPARE(input->text(), QStringLiteral("kept"));
}

// The reader by itself: a display that cannot be reached is told as such,
// not as a silent owner; a text over the most asked for is counted, never
// kept, and one that comes in parts of no announced length, once it has
// passed what is kept of such a text, is counted and asked for again where
// it fits.
void TestLongTextBoxes::reader_data()
{
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("longest");
    QTest::addColumn<X11Selection::Text::Outcome>("outcome");
    QTest::addColumn<qsizetype>("length");

    using Outcome = X11Selection::Text::Outcome;
    const QByteArray accents = QString(10, QChar(0xE9)).toUtf8();
    const QByteArray parts(9 << 20, 'a');
    QTest::newRow("a display not reached") << QByteArray("127.0.0.1:5999") << accents
                                           << qsizetype(20) << Outcome::Unreached << qsizetype(0);
    QTest::newRow("fits") << QByteArray() << accents << qsizetype(10) << Outcome::Taken
                          << qsizetype(10);
    QTest::newRow("one character over")
        << QByteArray() << accents << qsizetype(9) << Outcome::TooLong << qsizetype(10);
    QTest::newRow("parts that fit once counted")
        << QByteArray() << parts << parts.size() << Outcome::Taken << parts.size();
    QTest::newRow("parts one over")
        << QByteArray() << parts << parts.size() - 1 << Outcome::TooLong << parts.size();
}

void TestLongTextBoxes::reader()
{
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, longest);
    QFETCH(X11Selection::Text::Outcome, outcome);
    QFETCH(qsizetype, length);

    const ClipboardOwner owner(bytes);
    QVERIFY2(owner.held(), "xclip is missing: run scripts/install-deps.sh");
    const std::atomic_bool abandoned = false;
    const X11Selection::Text read = X11Selection::read(
        display.isEmpty() ? X11Connection::displayName() : display, X11Selection::Which::Clipboard,
        5000, longest, QDeadlineTimer::Forever, abandoned);
    QCOMPARE(read.outcome, outcome);
    QCOMPARE(read.length, length);
    if (outcome == X11Selection::Text::Outcome::Taken)
        QVERIFY(read.text == QString::fromUtf8(bytes));
    else
        QCOMPARE(read.text, QString());
}

// A reply is read by its type whatever form was asked for (ICCCM 2.2: the
// owner picks the property's type), STRING as Latin-1 and UTF8_STRING as
// UTF-8; where UTF8_STRING brings nothing usable, STRING is asked for.
void TestLongTextBoxes::readerByReplyType_data()
{
    QTest::addColumn<QByteArrayList>("answers");

    QTest::newRow("UTF8_STRING answered as STRING")
        << QByteArrayList{"UTF8_STRING STRING caf\xE9", "STRING STRING caf\xE9"};
    QTest::newRow("STRING answered as UTF8_STRING")
        << QByteArrayList{"STRING UTF8_STRING caf\xC3\xA9"};
    QTest::newRow("UTF8_STRING answered as COMPOUND_TEXT, STRING asked")
        << QByteArrayList{"UTF8_STRING COMPOUND_TEXT x", "STRING STRING caf\xE9"};
    QTest::newRow("UTF8_STRING refused, STRING asked")
        << QByteArrayList{"UTF8_STRING None", "STRING STRING caf\xE9"};
}

void TestLongTextBoxes::readerByReplyType()
{
    QFETCH(QByteArrayList, answers);

    X11Peer owner;
    owner.hold(answers);
    const std::atomic_bool abandoned = false;
    const X11Selection::Text read =
        X11Selection::read(X11Connection::displayName(), X11Selection::Which::Clipboard, 5000, 100,
                           QDeadlineTimer::Forever, abandoned);
    QCOMPARE(read.outcome, X11Selection::Text::Outcome::Taken);
    QCOMPARE(read.text, QStringLiteral("caf\u00E9"));
}

// Another program (xclip) reads what a box copied (Ctrl+C, Ctrl+X) or
// selected (the primary selection), in the form it asks for: every
// character of it, megabytes in parts.
void TestLongTextBoxes::readByAnotherProgram_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("expected");

    const QString mixed = mixedText();
    const QString large = mixed.repeated(3);
    QTest::newRow("Ctrl+C, 1.2 M characters")
        << mixed << QStringList{"Ctrl+A", "Ctrl+C"} << "clipboard"
        << "UTF8_STRING" << mixed.toUtf8();
    QTest::newRow("Ctrl+C, 7 MB") << large << QStringList{"Ctrl+A", "Ctrl+C"} << "clipboard"
                                  << "UTF8_STRING" << large.toUtf8();
    QTest::newRow("Ctrl+A, the primary selection, 7 MB")
        << large << QStringList{"Ctrl+A"} << "primary"
        << "UTF8_STRING" << large.toUtf8();
    QTest::newRow("Shift+End, the primary selection")
        << "ab\ncd" << QStringList{"Shift+End"} << "primary"
        << "UTF8_STRING" << QByteArray("ab");
    QTest::newRow("Ctrl+X, as text/plain;charset=utf-8")
        << QStringLiteral("\u4E2D\n\U0001F600") << QStringList{"Ctrl+A", "Ctrl+X"} << "clipboard"
        << "text/plain;charset=utf-8" << QByteArray("\xE4\xB8\xAD\n\xF0\x9F\x98\x80");
    QTest::newRow("Ctrl+C, as STRING (Latin-1)")
        << QStringLiteral("caf\u00E9 \u00BD") << QStringList{"Ctrl+A", "Ctrl+C"} << "clipboard"
        << "STRING" << QByteArray("caf\xE9 \xBD");
}

void TestLongTextBoxes::readByAnotherProgram()
{
    QFETCH(QString, text);
    QFETCH(QStringList, script);
    QFETCH(QString, selection);
    QFETCH(QString, target);
    QFETCH(QByteArray, expected);

    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(text);
    QTRY_VERIFY(!input->isBusy());
    input->setFocus();
    input->setCursorPosition(0);
    run(input, script);
    QProcess reader;
    reader.start(QStringLiteral("xclip"), {"-o", "-selection", selection, "-t", target});
    QByteArray read;
    QTRY_VERIFY_WITH_TIMEOUT(
        (read += reader.readAllStandardOutput(), reader.state() == QProcess::NotRunning), 30000);
    read += reader.readAllStandardOutput();
    QVERIFY2(read == expected,
             qPrintable(textDifference(QString::fromUtf8(read), QString::fromUtf8(expected))));
}

// Another program asks a box's copy for the targets every owner answers
// (ICCCM 2.6.2): TARGETS, TIMESTAMP (the time the selection was taken:
// "INTEGER taken") and MULTIPLE, several at once, each pair not converted
// written back with None, each long text in parts (INCR).
void TestLongTextBoxes::ownerTargets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArrayList>("targets");
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<QByteArrayList>("expected");

    const QString cafe = QStringLiteral("caf\u00E9");
    QTest::newRow("TARGETS") << cafe << QByteArrayList{"TARGETS"} << false
                             << QByteArrayList{"ATOM TARGETS MULTIPLE TIMESTAMP UTF8_STRING "
                                               "text/plain;charset=utf-8 STRING"};
    QTest::newRow("TIMESTAMP") << cafe << QByteArrayList{"TIMESTAMP"} << false
                               << QByteArrayList{"INTEGER taken"};
    QTest::newRow("MULTIPLE") << cafe
                              << QByteArrayList{"UTF8_STRING", "image/png", "STRING", "TIMESTAMP",
                                                "MULTIPLE"}
                              << true
                              << QByteArrayList{"UTF8_STRING caf\xC3\xA9", "None", "STRING caf\xE9",
                                                "INTEGER taken", "None"};
    QTest::newRow("MULTIPLE, a property named twice and the pairs' own")
        << cafe << QByteArrayList{"STRING PEER9", "UTF8_STRING PEER9", "TIMESTAMP PEER"} << true
        << QByteArrayList{"STRING caf\xE9", "None", "None"};
    const QString large(3'000'000, QChar(0xE9));
    QTest::newRow("MULTIPLE, long texts in parts")
        << large << QByteArrayList{"UTF8_STRING", "STRING"} << true
        << QByteArrayList{"UTF8_STRING " + large.toUtf8(), "STRING " + large.toLatin1()};
    // A long text's parts all go through the property the requestor named
    // (ICCCM's INCR); a requestor that asks again into it abandons the parts
    // still to come there, which must not reach the new reply.
    QTest::newRow("asked again into a property whose parts are still coming")
        << large << QByteArrayList{"UTF8_STRING PEER0 abandoned", "STRING PEER0"} << false
        << QByteArrayList{"INCR 3000000", "STRING " + large.toLatin1()};
    QTest::newRow("MULTIPLE, a long text's property named twice")
        << large << QByteArrayList{"STRING PEER9", "UTF8_STRING PEER9"} << true
        << QByteArrayList{"STRING " + large.toLatin1(), "None"};
}

void TestLongTextBoxes::ownerTargets()
{
    QFETCH(QString, text);
    QFETCH(QByteArrayList, targets);
    QFETCH(bool, multiple);
    QFETCH(QByteArrayList, expected);

    X11Peer requestor;
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(text);
    run(input, {"Ctrl+A", "Ctrl+C"});
    const QByteArrayList replies = requestor.ask(targets, multiple);
    for (QByteArray &reply : expected)
        reply.replace("taken", QByteArray::number(requestor.lastChange()));
    QCOMPARE(replies, expected);
}

// The program's other widgets paste what a box copied, a box pastes what
// they copied, and another box pastes the first's copy.
void TestLongTextBoxes::sharedWithOtherWidgets()
{
    const QString text = QStringLiteral("caf\u00E9 \u4E2D\u6587 \U0001F600");
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(text);
    input->setFocus();
    pressKeys(input, QStringLiteral("Ctrl+A"));
    pressKeys(input, QStringLiteral("Ctrl+C"));
    QLineEdit line;
    line.show();
    QVERIFY(QTest::qWaitForWindowExposed(&line));
    pressKeys(&line, QStringLiteral("Ctrl+V"));
    QCOMPARE(line.text(), text);

    LongTextEdit *publish = box(QStringLiteral("mqtt_pub_textEdit"));
    publish->setText(QStringLiteral("<>"));
    publish->setCursorPosition(1);
    publish->setFocus();
    pressKeys(publish, QStringLiteral("Ctrl+V"));
    QCOMPARE(publish->text(), QStringLiteral("<") + text + u'>');

    line.setText(QStringLiteral("from the line"));
    pressKeys(&line, QStringLiteral("Ctrl+A"));
    pressKeys(&line, QStringLiteral("Ctrl+C"));
    input->setFocus();
    pressKeys(input, QStringLiteral("Ctrl+A"));
    pressKeys(input, QStringLiteral("Ctrl+V"));
    QCOMPARE(input->text(), QStringLiteral("from the line"));

    // As the program quits, a box's copy goes to the toolkit's clipboard,
    // which hands it to a clipboard manager.
    pressKeys(input, QStringLiteral("Ctrl+A"));
    pressKeys(input, QStringLiteral("Ctrl+C"));
    QVERIFY(!QGuiApplication::clipboard()->ownsClipboard());
    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    QVERIFY(QGuiApplication::clipboard()->ownsClipboard());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("from the line"));
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

    // A caret placed from outside starts its own column for Down.
    input->setText(QStringLiteral("abcdefghij\nabcdefghij\nabcdefghij"));
    input->setCursorPosition(8);
    pressKeys(input, QStringLiteral("Down"));
    QCOMPARE(input->cursorPosition(), 19);
    text->setCursorPosition(12);
    pressKeys(input, QStringLiteral("Down"));
    QCOMPARE(input->cursorPosition(), 23);
}

// Assistive technologies may send ranges reversed and offsets out of the
// text: each is taken in order, within the text.
void TestLongTextBoxes::accessibleRanges_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    // The text read, the box's text after an edit, or the selection.
    QTest::addColumn<QString>("expected");

    const QString line = base64Line(10'000);
    QTest::newRow("text reversed") << "text" << 5000 << 100 << line.mid(100, 4900);
    QTest::newRow("text before the start") << "text" << -20 << 30 << line.left(30);
    QTest::newRow("text past the end") << "text" << 9990 << 20000 << line.mid(9990);
    QTest::newRow("delete reversed") << "delete" << 5000 << 100 << QString(line).remove(100, 4900);
    QTest::newRow("delete before the start") << "delete" << -5 << 3 << line.mid(3);
    QTest::newRow("replace past the end") << "replace" << 20000 << 9998 << line.left(9998) + u'x';
    QTest::newRow("insert before the start") << "insert" << -1 << -1 << u'x' + line;
    QTest::newRow("select reversed") << "select" << 5000 << 100 << "100 5000 100";
    QTest::newRow("select past the end") << "select" << 20000 << -7 << "0 10000 0";
    QTest::newRow("rect before the start") << "rect" << -1 << 0 << "empty";
    QTest::newRow("rect past the end") << "rect" << 10'001 << 0 << "empty";
    QTest::newRow("rect at the end") << "rect" << 10'000 << 0 << "empty";
    // AT-SPI's convention: an offset of -1 is the text's end.
    QTest::newRow("delete from -1") << "delete" << -1 << 9990 << line.left(9990);
    QTest::newRow("cut to -1") << "cut" << 10 << -1 << line.mid(10) + u'|' + line.left(10);
    QTest::newRow("select to -1") << "select" << 10 << -1 << "10 10000 10000";
    QTest::newRow("attributes at -1") << "attributes" << -1 << 0 << "10000 10000";
    QTest::newRow("scroll to -1, rect at -1") << "end" << -1 << 0 << "shown";
}

void TestLongTextBoxes::accessibleRanges()
{
    QFETCH(QString, call);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, expected);

    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    input->setText(base64Line(10'000));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(input);
    QAccessibleTextInterface *text = accessible->textInterface();
    QAccessibleEditableTextInterface *editable = accessible->editableTextInterface();
    QString got;
    if (call == QLatin1String("text")) {
        got = text->text(start, end);
    } else if (call == QLatin1String("select")) {
        text->setSelection(0, start, end);
        int from = -1;
        int to = -1;
        text->selection(0, &from, &to);
        got = QStringLiteral("%1 %2 %3").arg(from).arg(to).arg(text->cursorPosition());
    } else if (call == QLatin1String("rect")) {
        // The view shows the text's start: the end is out of sight.
        got = text->characterRect(start).isEmpty() ? QStringLiteral("empty")
                                                   : QStringLiteral("shown");
    } else if (call == QLatin1String("attributes")) {
        int from = -1;
        int to = -1;
        text->attributes(start, &from, &to);
        got = QStringLiteral("%1 %2").arg(from).arg(to);
    } else if (call == QLatin1String("end")) {
        text->scrollToSubstring(start, start);
        const QRect rect = text->characterRect(start);
        got = !rect.isEmpty() && rect == text->characterRect(10'000) ? "shown" : "not shown";
    } else {
        // The toolkit's bridge cuts by reading the range, then deleting it.
        if (call == QLatin1String("cut"))
            got = text->text(start, end) + u'|';
        if (call == QLatin1String("delete") || call == QLatin1String("cut"))
            editable->deleteText(start, end);
        else if (call == QLatin1String("insert"))
            editable->insertText(start, QStringLiteral("x"));
        else
            editable->replaceText(start, end, QStringLiteral("x"));
        got += input->text();
    }
    QCOMPARE(got, expected);
}

namespace {
// The edits told to assistive technologies, as the toolkit's AT-SPI bridge
// sends them (object:text-changed with position and length), none that
// tells an empty text.
QStringList toldEdits;
void recordTold(QAccessibleEvent *event)
{
    const auto told = [](const char *kind, int at, const QString &text) {
        if (!text.isEmpty())
            toldEdits << QStringLiteral("%1 %2 %3").arg(kind).arg(at).arg(text.size());
    };
    if (event->type() == QAccessible::TextInserted) {
        const auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
        told("insert", inserted->changePosition(), inserted->textInserted());
    } else if (event->type() == QAccessible::TextRemoved) {
        const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        told("delete", removed->changePosition(), removed->textRemoved());
    }
}
} // namespace

// Every edit, by any road, is told with its position and length, however
// long (its text may be left out). Told from "|" on; "other:" pastes
// another program's 100,000 characters, "press:" converts the box's text.
void TestLongTextBoxes::editsTold_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("told");

    const QString set = "set:" + QString(100'000, u'q');
    const QStringList hello{"set:hello", "Ctrl+End"};
    const QStringList inserted{"insert 5 100000"};
    const QStringList erased{"delete 0 100000"};
    QTest::newRow("typing") << hello + QStringList{"|", "type:ab"}
                            << QStringList{"insert 5 1", "insert 6 1"};
    QTest::newRow("paste of its own copy")
        << QStringList{set, "Ctrl+A", "Ctrl+C", "Ctrl+End", "|", "Ctrl+V"}
        << QStringList{"insert 100000 100000"};
    QTest::newRow("paste from another program") << hello + QStringList{"|", "other:"} << inserted;
    QTest::newRow("text set") << QStringList{"set:hello", "|", set}
                              << QStringList{"delete 0 5", "insert 0 100000"};
    QTest::newRow("conversion's result")
        << QStringList{"set:" + QString(75'000, u'a'), "|", "press:"}
        << QStringList{"insert 0 100000"};
    QTest::newRow("undo, redo") << hello +
                                       QStringList{"paste:#100000", "|", "Ctrl+Z", "Ctrl+Shift+Z"}
                                << QStringList{"delete 5 100000"} + inserted;
    QTest::newRow("drop") << QStringList{"|", "drop:" + set.mid(4)}
                          << QStringList{"insert 0 100000"};
    QTest::newRow("cut") << QStringList{set, "Ctrl+A", "|", "Ctrl+X"} << erased;
    QTest::newRow("delete") << QStringList{set, "Ctrl+A", "|", "Delete"} << erased;
}

void TestLongTextBoxes::editsTold()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, told);

    // The toolkit tells assistive technologies nothing until its AT-SPI
    // bridge is on: the session's accessibility bus started (the test runs
    // under dbus-run-session), with or without a screen reader.
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QProcess::execute(QStringLiteral("dbus-send"), {"--session", "--dest=org.a11y.Bus",
                                                    "/org/a11y/bus", "org.a11y.Bus.GetAddress"});
    QTRY_VERIFY2(QAccessible::isActive(), "No AT-SPI bus: is at-spi2-core installed?");
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    for (const QString &step : script) {
        if (step == QLatin1String("|")) {
            toldEdits.clear();
            QAccessible::installUpdateHandler(&recordTold);
        } else if (step == QLatin1String("press:")) {
            child<QPushButton>(*m_window, "base64_encode_pushButton")->click();
        } else if (step == QLatin1String("other:")) {
            const ClipboardOwner owner(QByteArray(100'000, 'o'));
            run(input, {"Ctrl+V"});
        } else {
            run(input, {step});
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(toldEdits, told);
}

// A text moved out of a box, or within it, by a drag during which the box
// is edited: the move erases the text dragged, wherever the edit put it, or
// nothing once the text is gone (a conversion's result landed there).
void TestLongTextBoxes::moveWhileEdited_data()
{
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QString>("dropOn");
    QTest::addColumn<QString>("moved");
    QTest::addColumn<QString>("dropped");

    const QString result = Base64Text::encode(QStringLiteral("the quick brown fox"));
    QTest::newRow("result landed, dropped onto another box")
        << true << "base64_source_textBrowser" << result << "thabcdefghije quick brown fox";
    QTest::newRow("result landed, dropped within the box")
        << true << "base64_to_textBrowser" << result << result;
    const QString movedWithin = QStringLiteral("xyabcdefghij0123456789");
    QTest::newRow("text inserted before it, dropped within the box")
        << false << "base64_to_textBrowser" << movedWithin << movedWithin;
}

void TestLongTextBoxes::moveWhileEdited()
{
    QFETCH(bool, converted);
    QFETCH(QString, dropOn);
    QFETCH(QString, moved);
    QFETCH(QString, dropped);

    box(QStringLiteral("base64_source_textBrowser"))
        ->setText(QStringLiteral("the quick brown fox"));
    LongTextEdit *output = box(QStringLiteral("base64_to_textBrowser"));
    output->setText(QStringLiteral("0123456789abcdefghij"));
    output->setCursorPosition(10);
    output->setCursorPosition(20, true);
    LongTextEdit *target = box(dropOn);
    const QPoint dropAt = target->positionRect(2).center();
    // The drag runs a loop of its own from its first move: these act in it.
    QTimer::singleShot(0, this, [&] {
        if (converted)
            child<QPushButton>(*m_window, "base64_encode_pushButton")->click();
        else
            output->replaceText(0, 0, QStringLiteral("xy"));
        QTest::mouseMove(target->viewport(), dropAt);
        QTest::mouseRelease(target->viewport(), Qt::LeftButton, {}, dropAt);
    });
    const QPoint grabbed = output->positionRect(15).center();
    QTest::mousePress(output->viewport(), Qt::LeftButton, {}, grabbed);
    QTest::mouseMove(output->viewport(), grabbed + QPoint(40, 0));
    QCOMPARE(output->text(), moved);
    QCOMPARE(target->text(), dropped);
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

// The program's light theme draws the boxes' border as the other text boxes'.
void TestLongTextBoxes::themeBorder()
{
    m_window->setStyleSheets(QStringLiteral(":/qss/style.qss"));
    LongTextEdit *input = box(QStringLiteral("base64_source_textBrowser"));
    const QImage shown = input->grab().toImage();
    qApp->setStyleSheet(QString());
    QCOMPARE(shown.pixelColor(0, shown.height() / 2), QColor(0xc4, 0xd4, 0xda));
}

YURB_TEST_MAIN(TestLongTextBoxes)
#include "tst_longtextboxes.moc"
