// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_crypty
//          [blocks, default 20000 [long text MiB, 1 to 512, ..., default 20 100]]
//
// The DES and Base64 calculator and the Unicode converter:
// - blocks per second through each cipher mode, encrypting and decoding;
// - text of 256 KiB, 1 MiB and 4 MiB characters (half ASCII, half CJK)
//   through Base64 and the Unicode escapes each way, with the time per input
//   character, which stays flat when a step is linear in its input;
// - text of 256 KiB and 1 MiB characters through the tabs' buttons on the
//   shown page, until the result is in the output box;
// - 1 MiB of UTF-8 text (ASCII and CJK words on one line) through the Base64
//   buttons each way, beside QByteArray's Base64 of the same bytes in the
//   same run, with the ratio. The goal is under 0.3 s each way.
// Each of these figures is the best of three runs.
// - long texts through the boxes as a user drives them: Latin text and
//   Chinese text, in paragraphs of a line each, of each size in UTF-8, each
//   run beside the same steps at 1 MiB in the same run, with each figure's
//   ratio large / 1 MiB. Keys and the mouse go to the window as the
//   windowing system delivers them, the focus in the box: Ctrl+V into the
//   Base64 input with the clipboard held by another program (xclip), and
//   again held by this one; Ctrl+End, Ctrl+A, Ctrl+C; xclip reading that
//   copy; Ctrl+A with xclip reading the primary selection at once, and
//   Ctrl+C with xclip reading the clipboard at once; Page Down held for 2 s, about 30 repeats a
//   second; the scroll bar's handle dragged to the end; Encode, and Decode of the Base64 copied
//   back into the input; Chinese To Unicode (no prefixes), and Unicode To
//   Chinese of the hex copied back; Ctrl+V into the MQTT publish box from
//   xclip. Each step is measured until it is done, with what it handed to
//   worker threads, and the window has painted it (the held key's and the
//   drag's own pace included): the longest stall seen from outside (the
//   window manager's ping) and by the window's own timer, and the growth of
//   memory at its peak over the step's start (sampled every 10 ms), also
//   over the text's size in UTF-8; with whether the box's text, and what was
//   copied, is exactly what it should be. A result longer than a box holds
//   counts as right when it is refused with a notice. A line marks each step
//   that stalled the window 100 ms or more; the goal is none, and memory
//   within a few times the text.
// - Ctrl+V of a text of 600,000,006 characters held by xclip, more than a
//   box holds, beside 1 MiB: refused with a notice, the window's longest
//   stall and the growth of memory while it streams in.

#include "base64text.h"
#include "benchsupport.h"
#include "clipboardowner.h"
#include "desblock.h"
#include "longtextedit.h"
#include "mainwindow.h"
#include "pingstallprobe.h"
#include "textdifference.h"
#include "unicodeescape.h"
#include "windowbench.h"
#include "workerpool.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QThreadPool>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <malloc.h>
#include <optional>
#include <vector>

namespace {

constexpr int runs = 3;
constexpr qsizetype mebi = 1024 * 1024;

using BlockFunction = void (*)(unsigned char *, unsigned char *, const unsigned char *);

// The shortest of three runs of `step`, in nanoseconds.
qint64 bestOfThree(const std::function<void()> &step)
{
    qint64 best = -1;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        const qint64 spent = timer.nsecsElapsed();
        if (best < 0 || spent < best)
            best = spent;
    }
    return std::max<qint64>(best, 1);
}

double blocksPerSecond(BlockFunction function, int blocks)
{
    unsigned char key[24] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF,
                             0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01,
                             0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23};
    unsigned char block[8] = {'N', 'o', 'w', ' ', 'i', 's', ' ', 't'};
    const qint64 ns = bestOfThree([&] {
        for (int i = 0; i < blocks; ++i)
            function(nullptr, block, key);
    });
    return double(blocks) * 1e9 / double(ns);
}

// Characters alternating between ASCII letters and CJK ideographs.
QString mixedText(qsizetype characters)
{
    QString text;
    text.reserve(characters);
    for (qsizetype i = 0; i < characters; ++i)
        text += i % 2 ? QChar(char16_t(0x4E00 + i % 0x5000)) : QChar(char16_t('a' + i % 26));
    return text;
}

// Words of ASCII letters and of CJK ideographs, spaced, on one line, of
// exactly `bytes` bytes in UTF-8.
QString wordsText(qsizetype bytes)
{
    QString text;
    qsizetype size = 0;
    for (qsizetype word = 0; size < bytes; ++word) {
        const bool cjk = word % 2;
        const qsizetype letters = 2 + word % 5;
        for (qsizetype i = 0; i < letters && size < bytes; ++i) {
            // A CJK character is three bytes; the tail is filled with ASCII.
            if (cjk && bytes - size >= 3) {
                text += QChar(char16_t(0x4E00 + (word * 7 + i) % 0x5000));
                size += 3;
            } else {
                text += QChar(char16_t('a' + (word + i) % 26));
                ++size;
            }
        }
        if (size < bytes) {
            text += QLatin1Char(' ');
            ++size;
        }
    }
    return text;
}

void textStep(const char *name, const QString &input,
              const std::function<QString(const QString &)> &step)
{
    QString output;
    const qint64 ns = bestOfThree([&] { output = step(input); });
    std::printf("  %-28s %9lld chars in  %8.1f ms  %6.2f ns/char\n", name,
                static_cast<long long>(input.size()), ns / 1e6, double(ns) / double(input.size()));
    std::fflush(stdout);
}

// One press of a button on the shown page with the input in place, until the
// result is in the output box (converted on a worker thread and put in a
// slice per turn when long).
qint64 tabStep(const char *name, QWidget *page, LongTextEdit *input, const QString &text,
               QPushButton *button, LongTextEdit *output)
{
    page->window()->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentWidget(page);
    input->setText(text);
    // The buttons wait, disabled, until a long text is in.
    (void)Bench::runUntil([input] { return !input->isBusy(); }, 60'000);
    const qint64 ns = bestOfThree([&] {
        button->click();
        (void)Bench::runUntil([&] { return button->isEnabled() && !output->isBusy(); }, 60'000, 1);
    });
    std::printf("  %-28s %9lld chars in  %8.1f ms  %6.2f ns/char\n", name,
                static_cast<long long>(text.size()), ns / 1e6, double(ns) / double(text.size()));
    std::fflush(stdout);
    return ns;
}

// A same-run reference for a window step of `windowNs`, and the ratio.
void beside(const char *reference, qint64 windowNs, const std::function<void()> &step)
{
    const qint64 ns = bestOfThree(step);
    std::printf("  %-28s %8.1f ms  window / reference %.0f\n", reference, ns / 1e6,
                double(windowNs) / double(ns));
    std::fflush(stdout);
}

// The long texts through the boxes.

constexpr qint64 giveUpMs = 600'000;
// A step that stalls the window this long or longer gets a line of its own.
constexpr double stallMarkMs = 100;

enum class Script { Latin, Chinese };

const char *scriptName(Script script)
{
    return script == Script::Latin ? "Latin" : "Chinese";
}

// Paragraphs, each on a line of its own, of exactly `bytes` bytes in UTF-8
// and the same in every run: Latin words, a few of their letters accented,
// spaced, in sentences; or Chinese sentences of ideographs and full-width
// commas.
QString paragraphs(Script script, qsizetype bytes)
{
    static constexpr char16_t accented[] = u"\u00E9\u00E8\u00E0\u00FC\u00F6\u00E7\u00F1";
    quint32 state = Bench::streamSeed;
    const auto random = [&state](quint32 range) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % range;
    };
    QString text;
    text.reserve(script == Script::Latin ? bytes : bytes / 3 + 1);
    qsizetype size = 0;
    // A character that would go past the size is an ASCII letter instead.
    const auto add = [&](char16_t c) {
        const qsizetype width = c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if (size + width <= bytes) {
            text += QChar(c);
            size += width;
        } else if (size < bytes) {
            text += u'x';
            ++size;
        }
    };
    while (size < bytes) {
        if (script == Script::Latin) {
            for (quint32 word = 40 + random(400); word > 0; --word) {
                for (quint32 letter = 1 + random(9); letter > 0; --letter)
                    add(random(25) ? char16_t(u'a' + random(26))
                                   : accented[random(std::size(accented) - 1)]);
                if (random(12) == 0)
                    add(u'.');
                add(u' ');
            }
        } else {
            for (quint32 character = 100 + random(900); character > 0; --character)
                add(random(12) ? char16_t(0x4E00 + random(0x5000)) : u'\uFF0C');
            add(u'\u3002');
        }
        add(u'\n');
    }
    return text;
}

// Four upper-case hex digits for each UTF-16 unit, as Chinese To Unicode
// gives without prefixes; made here on its own, to check the box by.
QString hexOf(const QString &text)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    QString hex;
    hex.reserve(4 * text.size());
    for (const QChar c : text) {
        for (int shift = 12; shift >= 0; shift -= 4)
            hex += QChar(digits[(c.unicode() >> shift) & 0xF]);
    }
    return hex;
}

// A key pressed and released as the windowing system delivers it: to the
// window, and from there, shortcuts first, to the widget with the focus.
void press(QWidget &window, QKeyCombination key)
{
    QTest::keyClick(window.windowHandle(), key.key(), key.keyboardModifiers());
}

// A left click in the middle of a widget, delivered to its window.
void click(QWidget *widget)
{
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(window, widget->rect().center()));
}

// Shows the tab, and the tab within a tab, that hold `box`, and puts the
// focus in it.
void focus(LongTextEdit *box)
{
    for (QWidget *page = box; page->parentWidget(); page = page->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget()))
            tabs->setCurrentWidget(page);
    }
    box->setFocus();
    QCoreApplication::processEvents();
}

// What one box holds copied into another by the keys: Ctrl+A and Ctrl+C in
// the first, Ctrl+A and Ctrl+V in the second, until it is in.
void copyInto(LongTextEdit *from, LongTextEdit *to)
{
    QWidget &window = *from->window();
    focus(from);
    press(window, Qt::CTRL | Qt::Key_A);
    press(window, Qt::CTRL | Qt::Key_C);
    focus(to);
    press(window, Qt::CTRL | Qt::Key_A);
    press(window, Qt::CTRL | Qt::Key_V);
    (void)Bench::runUntil([to] { return !to->isBusy(); }, giveUpMs);
}

// Page Down held for `heldMs`: the first press, then the repeats a keyboard
// sends while the key is held, about 30 a second, each a release and a
// press marked as repeated, as the windowing system delivers them. Each is
// handled before the next goes, late when the window was busy. Gives where
// the cursor was after each press.
std::vector<qsizetype> holdPageDown(LongTextEdit *box, int heldMs)
{
    constexpr int repeatMs = 33;
    QWindow *window = box->window()->windowHandle();
    const auto send = [window](bool pressed, bool repeated) {
        QTest::simulateEvent(window, pressed, Qt::Key_PageDown, Qt::NoModifier, QString(),
                             repeated);
    };
    std::vector<qsizetype> cursors;
    QElapsedTimer held;
    held.start();
    send(true, false);
    cursors.push_back(box->cursorPosition());
    for (int repeat = 1; repeat * repeatMs < heldMs; ++repeat) {
        (void)Bench::runUntil([&] { return held.elapsed() >= repeat * repeatMs; }, heldMs, 1);
        send(false, true);
        send(true, true);
        cursors.push_back(box->cursorPosition());
    }
    send(false, false);
    return cursors;
}

// Whether each press moved the cursor on, or found it at the text's end.
bool movedEachTime(const std::vector<qsizetype> &cursors, qsizetype length)
{
    qsizetype before = 0;
    for (const qsizetype cursor : cursors) {
        if (cursor <= before && cursor != length)
            return false;
        before = cursor;
    }
    return !cursors.empty();
}

// Where a part of a vertical scroll bar shows, in the bar.
QRect scrollBarPart(const QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// The scroll bar's handle pressed, moved in steps a frame apart to the
// groove's bottom, and released, with the mouse events delivered to the
// window. Each move is handled before the next goes.
void dragToEnd(QScrollBar *bar)
{
    constexpr int moves = 60;
    constexpr int frameMs = 16;
    QWidget *window = bar->window();
    QWindow *handle = window->windowHandle();
    const QPoint from = bar->mapTo(window, scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center());
    const QPoint to(
        from.x(),
        bar->mapTo(window, scrollBarPart(bar, QStyle::SC_ScrollBarGroove).bottomLeft()).y());
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    for (int move = 1; move <= moves; ++move) {
        (void)Bench::runUntil([&] { return clock.elapsed() >= move * frameMs; }, giveUpMs, 1);
        QTest::mouseMove(handle, from + (to - from) * move / moves);
    }
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
}

struct LongFigures
{
    double seconds = 0;
    std::optional<PingStallProbe::Figures> outside;
    qint64 ownStallMs = 0;
    double mbPeak = 0;
    bool finished = false;
};

// Runs `act` and then the event loop until `done` and until the work the
// step handed to worker threads is over (the copy's UTF-8 for other
// programs among it), and until the window has painted what the step left:
// the stalls seen from outside and by the window's own timer, and the
// growth of memory at its peak, from a start with the heap trimmed.
LongFigures measureLong(QWidget &window, const std::function<void()> &act,
                        const std::function<bool()> &done)
{
    malloc_trim(0);
    PingStallProbe outside(&window);
    // The pinger answers before the step starts, so that none of it goes
    // unseen.
    (void)Bench::runUntil([&outside] { return !outside.answers().empty(); }, 1000, 1);
    const Bench::StallProbe own;
    const Bench::MemoryPeak memory;
    QElapsedTimer clock;
    clock.start();
    act();
    LongFigures figures;
    figures.finished = Bench::runUntil(
        [&done] { return done() && WorkerPool::instance()->activeThreadCount() == 0; },
        giveUpMs, 1);
    QCoreApplication::processEvents();
    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.mbPeak = Bench::megabytes(1024 * (memory.peakKb() - memory.startKb()));
    figures.outside = outside.figures();
    figures.ownStallMs = own.longestMs();
    return figures;
}

// Whether a step left what it should: "exact", "refused (notice shown)" for
// a result longer than a box holds, or what is wrong.
struct Verdict
{
    bool right = false;
    QString text;
};

// Whether a box holds `expected` of `expectedLength` characters (made only
// to compare), or, where that is longer than a box holds, refused it with a
// notice.
Verdict holds(LongTextEdit *box, qsizetype expectedLength, const std::function<QString()> &expected)
{
    const bool tooLong = expectedLength > LongText::maximumLength;
    if (!box->notice().isEmpty()) {
        return {tooLong, tooLong ? QStringLiteral("refused (notice shown)")
                                 : QStringLiteral("NOT TAKEN, notice: ") + box->notice()};
    }
    if (tooLong) {
        return {false, QStringLiteral("NOT REFUSED: %1 characters, more than a box holds")
                           .arg(expectedLength)};
    }
    const QString shown = box->text();
    if (shown.size() == expectedLength && shown == expected())
        return {true, QStringLiteral("exact")};
    return {false, QStringLiteral("NOT EXACT: ") + textDifference(shown, expected())};
}

// A verdict with one more condition, and what failed where it does not hold.
Verdict alsoHolds(Verdict verdict, bool condition, const char *failure)
{
    if (!condition) {
        verdict.right = false;
        verdict.text += QStringLiteral(", ") + QLatin1String(failure);
    }
    return verdict;
}

// Whether the end of a box's text is in sight.
bool endShown(LongTextEdit *box)
{
    return !box->positionRect(box->length()).isNull();
}

QString stallText(const std::optional<PingStallProbe::Figures> &outside)
{
    return outside ? QStringLiteral("%1 ms").arg(outside->longestMs, 7, 'f', 1)
                   : QStringLiteral("not measured");
}

// What the long steps of all runs came to.
struct LongSummary
{
    bool right = true;
    QStringList stalls;
};

// The steps at one size, printed as they go, each beside the step of the
// same place in `reference` where one is given; gives their figures.
std::vector<LongFigures> runLong(MainWindow &window, Script script, qsizetype bytes,
                                 const std::vector<LongFigures> *reference, LongSummary &summary)
{
    const QString text = paragraphs(script, bytes);
    const QByteArray utf8 = text.toUtf8();
    QTemporaryFile file;
    if (!file.open() || file.write(utf8) != utf8.size() || !file.flush())
        std::printf("  the text could not be written to %s\n", qPrintable(file.fileName()));
    const auto box = [&window](const char *name) {
        return window.findChild<LongTextEdit *>(QLatin1String(name));
    };
    const auto button = [&window](const char *name) {
        return window.findChild<QPushButton *>(QLatin1String(name));
    };
    LongTextEdit *source = box("base64_source_textBrowser");
    LongTextEdit *target = box("base64_to_textBrowser");
    LongTextEdit *unicodeInput = box("UnicodetextEdit");
    LongTextEdit *unicodeOutput = box("UnicodetextBrowser");
    LongTextEdit *publish = box("mqtt_pub_textEdit");
    QPushButton *encode = button("base64_encode_pushButton");
    QPushButton *decode = button("base64_decode_pushButton");
    QPushButton *toHex = button("StoUpushButton");
    QPushButton *toText = button("UtoSpushButton");
    const long long mib = bytes / mebi;

    std::vector<LongFigures> figures;
    const auto printRow = [&](const char *name, const QString &what) {
        std::printf("  %-30s %4lld MiB  %s\n", name, mib, qPrintable(what));
    };
    const auto step = [&](const char *name, const std::function<void()> &act,
                          const std::function<bool()> &done,
                          const std::function<Verdict()> &check) {
        const LongFigures measured = measureLong(window, act, done);
        const Verdict verdict =
            measured.finished ? check() : Verdict{false, QStringLiteral("GAVE UP")};
        summary.right = summary.right && verdict.right;
        printRow(name, QStringLiteral("%1 s  outside %2  own %3 ms  memory +%4 MB = %5 x UTF-8  %6")
                           .arg(measured.seconds, 7, 'f', 2)
                           .arg(stallText(measured.outside))
                           .arg(measured.ownStallMs, 5)
                           .arg(measured.mbPeak, 7, 'f', 1)
                           .arg(measured.mbPeak / Bench::megabytes(bytes), 5, 'f', 2)
                           .arg(verdict.text));
        if (reference && (*reference)[figures.size()].finished && measured.finished) {
            const LongFigures &small = (*reference)[figures.size()];
            std::printf(
                "  %-30s %4lld/1 MiB: time %s, outside %s, own %s, memory %s\n", "", mib,
                qPrintable(Bench::ratioText(measured.seconds, small.seconds)),
                qPrintable(
                    measured.outside && small.outside
                        ? Bench::ratioText(measured.outside->longestMs, small.outside->longestMs)
                        : QStringLiteral("-")),
                qPrintable(Bench::ratioText(double(measured.ownStallMs), double(small.ownStallMs))),
                qPrintable(Bench::ratioText(measured.mbPeak, small.mbPeak)));
        }
        if (measured.outside && measured.outside->longestMs >= stallMarkMs) {
            const QString stall = QStringLiteral("%1, %2 %3 MiB: the window stalled %4 ms")
                                      .arg(QLatin1String(name), QLatin1String(scriptName(script)))
                                      .arg(mib)
                                      .arg(measured.outside->longestMs, 0, 'f', 1);
            std::printf("  STALL OF 100 MS OR MORE: %s\n", qPrintable(stall));
            summary.stalls << stall;
        }
        figures.push_back(measured);
    };
    // A step that needs what an earlier one refused to make.
    const auto skip = [&](const char *name, const char *why) {
        printRow(name, QStringLiteral("skipped: ") + QLatin1String(why));
        figures.emplace_back();
    };
    const auto holdsText = [&text](LongTextEdit *in) {
        return holds(in, text.size(), [&text] { return text; });
    };
    const auto notBusy = [](LongTextEdit *in) {
        return [in] {
            return !in->isBusy();
        };
    };
    const auto converted = [](QPushButton *pressed, LongTextEdit *into) {
        return [pressed, into] {
            return pressed->isEnabled() && !into->isBusy();
        };
    };
    const auto always = [] {
        return true;
    };
    const auto keys = [&window](QKeyCombination key) {
        return [&window, key] {
            press(window, key);
        };
    };

    for (LongTextEdit *each : {source, target, unicodeInput, unicodeOutput, publish})
        each->clear();
    focus(source);
    {
        const ClipboardOwner owner(file.fileName());
        if (!owner.held())
            std::printf("  xclip did not take the clipboard\n");
        step("Ctrl+V, xclip holds the text", keys(Qt::CTRL | Qt::Key_V), notBusy(source),
             [&] { return holdsText(source); });
    }
    source->clear();
    QGuiApplication::clipboard()->setText(text);
    step("Ctrl+V, this program holds it", keys(Qt::CTRL | Qt::Key_V), notBusy(source),
         [&] { return holdsText(source); });
    QGuiApplication::clipboard()->clear();
    step("Ctrl+End", keys(Qt::CTRL | Qt::Key_End), always, [&] {
        return alsoHolds(alsoHolds(holdsText(source),
                                   source->cursorPosition() == source->length() &&
                                       source->anchorPosition() == source->length(),
                                   "cursor NOT AT THE END"),
                         endShown(source), "end NOT SHOWN");
    });
    step("Ctrl+A", keys(Qt::CTRL | Qt::Key_A), always, [&] {
        return alsoHolds(holdsText(source),
                         source->anchorPosition() == 0 &&
                             source->cursorPosition() == source->length(),
                         "NOT ALL SELECTED");
    });
    step("Ctrl+C", keys(Qt::CTRL | Qt::Key_C), always, [&] {
        return alsoHolds(holdsText(source), QGuiApplication::clipboard()->text() == text,
                         "the copy NOT EXACT");
    });
    // xclip reading a selection into a file, and whether it read the text.
    struct Reading
    {
        QTemporaryFile file;
        QProcess xclip;
    };
    std::optional<Reading> reading;
    const auto startReading = [&reading](const char *selection) {
        reading.emplace();
        (void)reading->file.open();
        reading->xclip.setStandardOutputFile(reading->file.fileName());
        reading->xclip.start(QStringLiteral("xclip"),
                             {"-o", "-selection", QLatin1String(selection)});
    };
    const auto read = [&reading] {
        return reading->xclip.state() == QProcess::NotRunning;
    };
    const auto readExactly = [&] {
        return alsoHolds(holdsText(source), reading->file.readAll() == utf8,
                         "what xclip read NOT EXACT");
    };
    step(
        "xclip -o reads the copy", [&] { startReading("clipboard"); }, read, readExactly);
    // Another program (a clipboard manager, a middle click in a terminal)
    // reads the primary selection as soon as it is made, and the clipboard
    // as soon as it is copied.
    press(window, Qt::CTRL | Qt::Key_Home);
    step(
        "Ctrl+A, xclip reads PRIMARY",
        [&] {
            press(window, Qt::CTRL | Qt::Key_A);
            startReading("primary");
        },
        read, readExactly);
    step(
        "Ctrl+C, xclip reads at once",
        [&] {
            press(window, Qt::CTRL | Qt::Key_C);
            startReading("clipboard");
        },
        read, readExactly);
    press(window, Qt::CTRL | Qt::Key_Home);
    std::vector<qsizetype> cursors;
    step(
        "Page Down held 2 s", [&] { cursors = holdPageDown(source, 2000); }, always,
        [&] {
            return alsoHolds(holdsText(source), movedEachTime(cursors, source->length()),
                             "a press DID NOT MOVE the cursor");
        });
    QScrollBar *bar = source->verticalScrollBar();
    step(
        "scroll bar dragged to the end", [bar] { dragToEnd(bar); }, always,
        [&] {
            return alsoHolds(
                alsoHolds(holdsText(source), bar->value() == bar->maximum(), "bar NOT AT ITS END"),
                endShown(source), "end NOT SHOWN");
        });

    const qsizetype base64Length = (utf8.size() + 2) / 3 * 4;
    step(
        "Encode", [encode] { click(encode); }, converted(encode, target),
        [&] {
            return holds(target, base64Length,
                         [&utf8] { return QString::fromLatin1(utf8.toBase64()); });
        });
    if (target->length() == base64Length) {
        copyInto(target, source);
        step(
            "Decode", [decode] { click(decode); }, converted(decode, target),
            [&] { return holdsText(target); });
    } else {
        skip("Decode", "no Base64 to decode");
    }

    focus(unicodeInput);
    window.findChild<QCheckBox *>(QStringLiteral("UnicodecheckBox"))->setChecked(false);
    unicodeInput->setText(text);
    (void)Bench::runUntil(notBusy(unicodeInput), giveUpMs);
    const qsizetype hexLength = 4 * text.size();
    step(
        "Chinese To Unicode", [toHex] { click(toHex); }, converted(toHex, unicodeOutput),
        [&] { return holds(unicodeOutput, hexLength, [&text] { return hexOf(text); }); });
    if (unicodeOutput->length() == hexLength) {
        copyInto(unicodeOutput, unicodeInput);
        step(
            "Unicode To Chinese", [toText] { click(toText); }, converted(toText, unicodeOutput),
            [&] { return holdsText(unicodeOutput); });
    } else {
        skip("Unicode To Chinese", "no hex to convert back");
    }

    focus(publish);
    {
        const ClipboardOwner owner(file.fileName());
        if (!owner.held())
            std::printf("  xclip did not take the clipboard\n");
        step("Ctrl+V in MQTT, xclip holds it", keys(Qt::CTRL | Qt::Key_V), notBusy(publish),
             [&] { return holdsText(publish); });
    }
    for (LongTextEdit *each : {source, target, unicodeInput, unicodeOutput, publish})
        each->clear();
    QGuiApplication::clipboard()->clear();
    return figures;
}

// For each script, each large size beside 1 MiB in the same run.
bool longTexts(MainWindow &window, const std::vector<int> &largeMebi)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        std::printf("the window did not become active\n");
    LongSummary summary;
    for (const Script script : {Script::Latin, Script::Chinese}) {
        for (const int large : largeMebi) {
            std::printf("long %s text through the boxes, %d MiB beside 1 MiB (goal: no stall of "
                        "100 ms or more)\n",
                        scriptName(script), large);
            const std::vector<LongFigures> small = runLong(window, script, mebi, nullptr, summary);
            (void)runLong(window, script, large * mebi, &small, summary);
        }
    }
    std::printf("long texts: every box held, and every copy was, exactly what it should: %s\n",
                summary.right ? "yes" : "NO");
    std::printf("long texts: steps that stalled the window 100 ms or more: %s\n",
                summary.stalls.isEmpty() ? "none"
                                         : qPrintable(QString::number(summary.stalls.size())));
    for (const QString &stall : std::as_const(summary.stalls))
        std::printf("  %s\n", qPrintable(stall));
    return summary.right;
}

// Ctrl+V of another program's text longer than a box holds, 600,000,006
// characters, beside the same paste of 1 MiB: refused with its notice, the
// growth of memory and the window's longest stall while it streams in.
bool refusedPaste(MainWindow &window)
{
    auto *source = window.findChild<LongTextEdit *>(QStringLiteral("base64_source_textBrowser"));
    focus(source);
    std::printf("Ctrl+V of a text longer than a box holds, beside 1 MiB (goal: no stall of 100 "
                "ms or more, memory within a part)\n");
    bool right = true;
    std::optional<LongFigures> reference;
    for (const qsizetype length : {mebi, qsizetype(600'000'006)}) {
        QTemporaryFile file;
        const QByteArray block(mebi, 'a');
        bool written = file.open();
        for (qsizetype done = 0; written && done < length; done += block.size())
            written = file.write(block.constData(), qMin(block.size(), length - done)) > 0;
        written = written && file.flush();
        source->clear();
        const ClipboardOwner owner(file.fileName());
        if (!written || !owner.held())
            std::printf("  the text could not be written, or xclip did not take the clipboard\n");
        const LongFigures measured = measureLong(
            window, [&window] { press(window, Qt::CTRL | Qt::Key_V); },
            [source] { return !source->isBusy(); });
        const bool tooLong = length > LongText::maximumLength;
        const bool taken = tooLong ? source->length() == 0 && !source->notice().isEmpty()
                                   : source->length() == length;
        right = right && measured.finished && taken;
        std::printf(
            "  %11lld characters  %7.2f s  outside %s  own %5lld ms  memory +%7.1f MB  %s\n",
            static_cast<long long>(length), measured.seconds,
            qPrintable(stallText(measured.outside)), static_cast<long long>(measured.ownStallMs),
            measured.mbPeak, taken ? (tooLong ? "refused (notice shown)" : "exact") : "WRONG");
        if (reference && reference->outside && measured.outside) {
            std::printf("  %11s  / 1 MiB: outside %s, memory %s\n", "",
                        qPrintable(Bench::ratioText(measured.outside->longestMs,
                                                    reference->outside->longestMs)),
                        qPrintable(Bench::ratioText(measured.mbPeak, reference->mbPeak)));
        }
        reference = measured;
    }
    source->clear();
    return right;
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench bench(argc, argv);
    const int blocks = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    std::vector<int> largeMebi;
    for (int i = 2; i < argc; ++i)
        largeMebi.push_back(QByteArray(argv[i]).toInt());
    if (largeMebi.empty())
        largeMebi = {20, 100};
    // Larger, the Latin text itself would be more than a box holds.
    const auto takes = [](int size) {
        return size > 0 && size <= 512;
    };
    if (blocks <= 0 || !std::all_of(largeMebi.cbegin(), largeMebi.cend(), takes)) {
        std::fprintf(stderr, "usage: bench_crypty [blocks, default 20000 [long text MiB, 1 to "
                             "512, ..., default 20 100]]\n");
        return 1;
    }

    std::printf("cipher, %d blocks\n", blocks);
    const struct
    {
        const char *name;
        BlockFunction encrypt;
        BlockFunction decode;
    } modes[] = {{"DES", One_DES_IV_Encrypt_Block, One_DES_IV_Decode_Block},
                 {"2DES", Two_DES_IV_Encrypt_Block, Two_DES_IV_Decode_Block},
                 {"3DES", Three_DES_IV_Encrypt_Block, Three_DES_IV_Decode_Block}};
    for (const auto &mode : modes)
        std::printf("  %-4s  encrypt %9.0f blocks/s  decode %9.0f blocks/s\n", mode.name,
                    blocksPerSecond(mode.encrypt, blocks), blocksPerSecond(mode.decode, blocks));

    for (const qsizetype size : {mebi / 4, mebi, 4 * mebi}) {
        std::printf("text of %lld characters\n", static_cast<long long>(size));
        const QString text = mixedText(size);
        const QString base64 = Base64Text::encode(text);
        const QString hex = UnicodeEscape::encode(text, false);
        const QString prefixed = UnicodeEscape::encode(text, true);
        textStep("Base64 encode", text, Base64Text::encode);
        textStep("Base64 decode", base64, Base64Text::decode);
        textStep("Unicode to hex", text,
                 [](const QString &in) { return UnicodeEscape::encode(in, false); });
        textStep("Unicode to hex, prefixed", text,
                 [](const QString &in) { return UnicodeEscape::encode(in, true); });
        textStep("hex to Unicode", hex,
                 [](const QString &in) { return UnicodeEscape::decode(in, false); });
        textStep("hex to Unicode, prefixed", prefixed,
                 [](const QString &in) { return UnicodeEscape::decode(in, true); });
    }

    MainWindow window;
    window.show();
    const auto button = [&window](const char *name) {
        return window.findChild<QPushButton *>(QLatin1String(name));
    };
    auto *crypty = window.findChild<QWidget *>(QStringLiteral("Crypty"));
    auto *unicode = window.findChild<QWidget *>(QStringLiteral("Unicode"));
    auto *base64Source =
        window.findChild<LongTextEdit *>(QStringLiteral("base64_source_textBrowser"));
    auto *base64Output = window.findChild<LongTextEdit *>(QStringLiteral("base64_to_textBrowser"));
    auto *unicodeInput = window.findChild<LongTextEdit *>(QStringLiteral("UnicodetextEdit"));
    auto *unicodeOutput = window.findChild<LongTextEdit *>(QStringLiteral("UnicodetextBrowser"));
    window.findChild<QCheckBox *>(QStringLiteral("UnicodecheckBox"))->setChecked(true);
    for (const qsizetype size : {mebi / 4, mebi}) {
        std::printf("through the tabs, text of %lld characters\n", static_cast<long long>(size));
        const QString text = mixedText(size);
        tabStep("Base64 Encode", crypty, base64Source, text, button("base64_encode_pushButton"),
                base64Output);
        tabStep("Base64 Decode", crypty, base64Source, Base64Text::encode(text),
                button("base64_decode_pushButton"), base64Output);
        tabStep("Chinese To Unicode, prefixed", unicode, unicodeInput, text,
                button("StoUpushButton"), unicodeOutput);
        tabStep("Unicode To Chinese, prefixed", unicode, unicodeInput,
                UnicodeEscape::encode(text, true), button("UtoSpushButton"), unicodeOutput);
    }

    const QString text = wordsText(mebi);
    const QByteArray bytes = text.toUtf8();
    const QByteArray base64 = bytes.toBase64();
    std::printf("through the Base64 tab, %lld bytes of UTF-8 text (goal: under 300 ms)\n",
                static_cast<long long>(bytes.size()));
    const qint64 encodeNs = tabStep("Base64 Encode", crypty, base64Source, text,
                                    button("base64_encode_pushButton"), base64Output);
    beside("QByteArray::toBase64", encodeNs, [&bytes] { (void)bytes.toBase64(); });
    const qint64 decodeNs =
        tabStep("Base64 Decode", crypty, base64Source, QString::fromLatin1(base64),
                button("base64_decode_pushButton"), base64Output);
    beside("QByteArray::fromBase64", decodeNs, [&base64] { (void)QByteArray::fromBase64(base64); });
    const bool shown = base64Output->text() == text;
    std::printf("  the decoded text shown whole: %s\n", shown ? "yes" : "NO");
    const bool exact = longTexts(window, largeMebi);
    const bool refused = refusedPaste(window);
    return shown && exact && refused ? 0 : 1;
}
