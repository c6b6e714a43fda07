// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_longtext [MiB, default 100]
//
// The long-text box's text model at size: a box alone in a window holds a
// text of 1 MiB, the reference, and then of the size asked for, each in
// three shapes: lines of 2 characters, lines of 79 characters, and one line.
// For each, in the same run:
// - the memory the box holds for the text (the process's resident memory
//   once the text is in, over what it was before the text was made), also
//   over the text's UTF-8 size;
// - Ctrl+End, Ctrl+Home and the scroll bar's handle moved a third down,
//   each laying out the pieces it shows;
// - a letter, Enter, Backspace and Ctrl+Z at the start, the middle and the
//   end of the text, each a key pressed in the window as the windowing
//   system delivers it;
// - 65 letters typed at 5 ms a key a few screens into the text;
// - Up three times and Down three times across joins of pieces;
// each until the window has painted it, with the longest stall seen from
// outside (a window manager's ping every 10 ms) and by the window's own
// 10 ms timer. Each figure at size is printed beside the 1 MiB one with the
// ratio. A line marks each step that stalled the window 100 ms or more; the
// goal is none, and memory for short lines at most 1.5 times that for
// long ones.

#include "benchsupport.h"
#include "longtextedit.h"
#include "pingstallprobe.h"
#include "windowbench.h"
#include "workerpool.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <malloc.h>
#include <vector>

namespace {

constexpr qsizetype mebi = 1024 * 1024;
constexpr qint64 giveUpMs = 120'000;
constexpr double stallMarkMs = 100;

struct Shape
{
    const char *name;
    // Characters a line, its line break not counted; none for one line.
    qsizetype lineLength;
};

// `bytes` characters of ASCII letters in lines of `lineLength` characters
// and a line break each, or on one line.
QString shapedText(qsizetype bytes, qsizetype lineLength)
{
    QString text(bytes, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes; ++i) {
        const bool lineEnd = lineLength > 0 && i % (lineLength + 1) == lineLength;
        out[i] = lineEnd ? QChar(u'\n') : QChar(char16_t(u'a' + i % 26));
    }
    return text;
}

struct Figures
{
    double ms = 0;
    double outsideMs = -1;
    qint64 ownMs = 0;
    bool finished = false;
};

// Runs `act` and the event loop until `done`, the window painted.
Figures measure(QWidget &window, const std::function<void()> &act,
                const std::function<bool()> &done)
{
    PingStallProbe outside(&window);
    (void)Bench::runUntil([&outside] { return !outside.answers().empty(); }, 1000, 1);
    const Bench::StallProbe own;
    QElapsedTimer clock;
    clock.start();
    act();
    Figures figures;
    figures.finished = Bench::runUntil(
        [&done] { return done() && WorkerPool::instance()->activeThreadCount() == 0; },
        giveUpMs, 1);
    QCoreApplication::processEvents();
    figures.ms = double(clock.nsecsElapsed()) / 1e6;
    if (const auto seen = outside.figures())
        figures.outsideMs = seen->longestMs;
    figures.ownMs = own.longestMs();
    return figures;
}

void press(QWidget &window, QKeyCombination key)
{
    QTest::keyClick(window.windowHandle(), key.key(), key.keyboardModifiers());
}

struct Step
{
    QString name;
    Figures figures;
};

// The text in the box and the steps on it, their figures as they go.
struct ShapeRun
{
    long heldKb = 0;
    std::vector<Step> steps;
};

ShapeRun runShape(QWidget &window, LongTextEdit *box, qsizetype bytes, qsizetype lineLength)
{
    ShapeRun run;
    box->clear();
    malloc_trim(0);
    const long before = Bench::currentRssKb();
    {
        const QString text = shapedText(bytes, lineLength);
        box->setText(text);
        (void)Bench::runUntil([box] { return !box->isBusy(); }, giveUpMs);
    }
    QCoreApplication::processEvents();
    malloc_trim(0);
    run.heldKb = Bench::currentRssKb() - before;

    const auto keys = [&window](std::vector<QKeyCombination> pressed) {
        return [&window, pressed] {
            for (const QKeyCombination key : pressed)
                press(window, key);
        };
    };
    const auto always = [] {
        return true;
    };
    const struct
    {
        const char *name;
        qsizetype position;
    } places[] = {{"start", 0}, {"middle", bytes / 2}, {"end", bytes}};
    const struct
    {
        const char *name;
        QKeyCombination key;
    } edits[] = {{"letter", Qt::Key_X},
                 {"Enter", Qt::Key_Return},
                 {"Backspace", Qt::Key_Backspace},
                 {"Ctrl+Z", Qt::CTRL | Qt::Key_Z}};
    // Jumps to either end lay out the pieces shown there.
    run.steps.push_back(
        {QStringLiteral("Ctrl+End"), measure(window, keys({Qt::CTRL | Qt::Key_End}), always)});
    run.steps.push_back(
        {QStringLiteral("Ctrl+Home"), measure(window, keys({Qt::CTRL | Qt::Key_Home}), always)});
    QScrollBar *bar = box->verticalScrollBar();
    run.steps.push_back({QStringLiteral("scroll bar to 1/3"),
                         measure(
                             window, [bar] { bar->setValue(bar->maximum() / 3); }, always)});
    for (const auto &place : places) {
        box->setCursorPosition(qMin(place.position, box->length()));
        QCoreApplication::processEvents();
        for (const auto &edit : edits) {
            run.steps.push_back({QStringLiteral("%1 at the %2").arg(edit.name, place.name),
                                 measure(window, keys({edit.key}), always)});
        }
    }

    // A few screens in, 65 letters at 5 ms a key, as a fast typist's burst.
    box->setCursorPosition(0);
    for (int page = 0; page < 3; ++page)
        press(window, Qt::Key_PageDown);
    QCoreApplication::processEvents();
    QTimer burst;
    int typed = 0;
    QObject::connect(&burst, &QTimer::timeout, &window, [&] {
        if (typed < 65)
            press(window, Qt::Key(Qt::Key_A + typed++ % 26));
    });
    run.steps.push_back({QStringLiteral("65 keys at 5 ms"), measure(
                                                                window,
                                                                [&burst] {
                                                                    burst.setTimerType(
                                                                        Qt::PreciseTimer);
                                                                    burst.start(5);
                                                                },
                                                                [&typed] { return typed >= 65; })});
    burst.stop();

    // Rows across the joins of pieces in the middle of the text.
    box->setCursorPosition(bytes / 2 / 4096 * 4096 + 5);
    QCoreApplication::processEvents();
    run.steps.push_back({QStringLiteral("Up 3 times"),
                         measure(window, keys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}), always)});
    run.steps.push_back(
        {QStringLiteral("Down 3 times"),
         measure(window, keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}), always)});
    return run;
}

QString stall(double ms)
{
    return ms < 0 ? QStringLiteral("   -") : QString::number(ms, 'f', 1);
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench bench(argc, argv);
    const qsizetype mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    if (mib <= 0 || mib * mebi > LongText::maximumLength) {
        std::fprintf(stderr, "usage: bench_longtext [MiB, 1 to 512, default 100]\n");
        return 1;
    }
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *box = new LongTextEdit(&window);
    layout->addWidget(box);
    window.resize(800, 600);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    box->setFocus();

    const Shape shapes[] = {{"2-character lines", 2}, {"79-character lines", 79}, {"one line", 0}};
    std::vector<long> held;
    QStringList stalls;
    for (const Shape &shape : shapes) {
        const ShapeRun reference = runShape(window, box, mebi, shape.lineLength);
        const ShapeRun large = runShape(window, box, mib * mebi, shape.lineLength);
        held.push_back(large.heldKb);
        std::printf("%s, %lld MiB beside 1 MiB\n", shape.name, static_cast<long long>(mib));
        std::printf("  memory held          %8.1f MB = %4.2f x UTF-8   1 MiB: %6.1f MB   "
                    "ratio %s\n",
                    large.heldKb / 1024.0, large.heldKb / 1024.0 / double(mib),
                    reference.heldKb / 1024.0,
                    qPrintable(Bench::ratioText(double(large.heldKb), double(reference.heldKb))));
        std::printf("  %-22s %9s %11s %7s | %9s %11s %7s | %s\n", "step", "time ms", "outside ms",
                    "own ms", "1 MiB ms", "outside ms", "own ms", "ratio time, outside");
        for (size_t i = 0; i < large.steps.size(); ++i) {
            const Figures &big = large.steps[i].figures;
            const Figures &small = reference.steps[i].figures;
            std::printf("  %-22s %9.1f %11s %7lld | %9.1f %11s %7lld | %s, %s%s\n",
                        qPrintable(large.steps[i].name), big.ms, qPrintable(stall(big.outsideMs)),
                        static_cast<long long>(big.ownMs), small.ms,
                        qPrintable(stall(small.outsideMs)), static_cast<long long>(small.ownMs),
                        qPrintable(Bench::ratioText(big.ms, small.ms)),
                        qPrintable(Bench::ratioText(big.outsideMs, small.outsideMs)),
                        big.finished ? "" : "  GAVE UP");
            const double longest = qMax(big.outsideMs, double(big.ownMs));
            if (longest >= stallMarkMs) {
                stalls << QStringLiteral("%1, %2: %3 ms")
                              .arg(QLatin1String(shape.name), large.steps[i].name)
                              .arg(longest, 0, 'f', 1);
                std::printf("  STALL OF 100 MS OR MORE: %s\n", qPrintable(stalls.constLast()));
            }
        }
    }
    std::printf("memory, 2-character lines over 79-character lines: %s (goal 1.5 or less)\n",
                qPrintable(Bench::ratioText(double(held[0]), double(held[1]))));
    std::printf("stalls of 100 ms or more: %lld\n", static_cast<long long>(stalls.size()));
    return 0;
}
