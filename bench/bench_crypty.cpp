// Run: xvfb-run -a build/bench/bench_crypty [blocks, default 20000 [MiB, default 20]]
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
// Each figure is the best of three runs.
// - long texts through the boxes, 20 MiB beside 1 MiB in the same run: the
//   text pasted into the Base64 input box, Encode, the Base64 pasted back,
//   Decode; the same text through the Unicode converter both ways; the text
//   pasted into the MQTT publish box. Each step is measured until its box
//   holds the result and has laid it out to its end: the longest stall seen
//   from outside (the window manager's ping) and by the window's own timer,
//   and the growth of memory at its peak from the step's start, also over
//   the text's size in UTF-8 and over the box's text in UTF-16. The goal:
//   under 100 ms at 20 MiB, memory within a few times the text, with what
//   each box gives back and copies exactly the step's result.

#include "base64text.h"
#include "benchsupport.h"
#include "desblock.h"
#include "longtextedit.h"
#include "mainwindow.h"
#include "pingstallprobe.h"
#include "unicodeescape.h"
#include "windowbench.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>

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
    QCoreApplication::processEvents();
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

// What a box gives back to the program and to the clipboard.
QString boxText(LongTextEdit *box)
{
    return box->text();
}

QString copiedText(LongTextEdit *box)
{
    box->selectAll();
    box->copy();
    const QString copied = QGuiApplication::clipboard()->text();
    box->setCursorPosition(0);
    return copied;
}

// One step through the boxes: what it starts, when the press is over, the
// box whose content it changes and what that box should then hold.
struct LongStep
{
    QString name;
    std::function<void()> start;
    std::function<bool()> done;
    LongTextEdit *box;
    QString expected;
};

struct LongFigures
{
    double seconds = 0;
    std::optional<PingStallProbe::Figures> outside;
    qint64 ownStallMs = 0;
    double mbPeak = 0;
    double mbShown = 0;
    bool exact = false;
    bool finished = false;
};

// Whether a box's document is laid out to its end: the layout goes from the
// top down, so its last block is the last one laid out.
bool laidOut(const LongTextEdit *)
{
    return true;
}

// Runs a step and then the event loop until the box holds its text and has
// laid it out, sampling memory every 10 ms: its peak above what the process
// held at the step's start.
LongFigures measureLong(QWidget &window, const LongStep &step)
{
    constexpr qint64 giveUpMs = 600'000;
    LongFigures figures;
    malloc_trim(0);
    const double mbStart = Bench::currentRssKb() / 1024.0;
    double mbPeak = mbStart;
    const auto sample = [&mbPeak] {
        mbPeak = qMax(mbPeak, Bench::currentRssKb() / 1024.0);
    };
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, sample);
    sampler.start(10);
    PingStallProbe outside(&window);
    const Bench::StallProbe own;
    QElapsedTimer clock;
    clock.start();
    step.start();
    figures.finished = Bench::runUntil(
        [&step] { return step.done() && !step.box->isBusy() && laidOut(step.box); }, giveUpMs);
    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.outside = outside.figures();
    figures.ownStallMs = own.longestMs();
    sample();
    figures.mbPeak = mbPeak - mbStart;
    figures.mbShown = Bench::megabytes(2 * qint64(step.box->length()));
    figures.exact = figures.finished && boxText(step.box) == step.expected &&
                    copiedText(step.box) == step.expected;
    // The copy is the check's, not the program's: the next step counts without it.
    QGuiApplication::clipboard()->clear();
    return figures;
}

// The steps of one size: the text of `bytes` UTF-8 bytes through the Base64
// boxes, the Unicode converter and the MQTT publish box, each pasted.
std::vector<LongStep> longSteps(MainWindow &window, qsizetype bytes)
{
    const auto box = [&window](const char *name) {
        return window.findChild<LongTextEdit *>(QLatin1String(name));
    };
    const auto button = [&window](const char *name) {
        return window.findChild<QPushButton *>(QLatin1String(name));
    };
    const auto paste = [](LongTextEdit *into, const QString &text) {
        return [into, text] {
            QGuiApplication::clipboard()->setText(text);
            into->clear();
            into->setFocus();
            into->paste();
        };
    };
    const auto click = [](QPushButton *pressed) {
        return [pressed] {
            pressed->click();
        };
    };
    const auto enabled = [](QPushButton *pressed) {
        return [pressed] {
            return pressed->isEnabled();
        };
    };
    const auto always = [] {
        return true;
    };
    const QString text = wordsText(bytes);
    const QString base64 = Base64Text::encode(text);
    const QString hex = UnicodeEscape::encode(text, false);
    LongTextEdit *source = box("base64_source_textBrowser");
    LongTextEdit *target = box("base64_to_textBrowser");
    LongTextEdit *unicodeInput = box("UnicodetextEdit");
    LongTextEdit *unicodeOutput = box("UnicodetextBrowser");
    QPushButton *encode = button("base64_encode_pushButton");
    QPushButton *decode = button("base64_decode_pushButton");
    QPushButton *toHex = button("StoUpushButton");
    QPushButton *toText = button("UtoSpushButton");
    return {
        {QStringLiteral("paste text"), paste(source, text), always, source, text},
        {QStringLiteral("Encode"), click(encode), enabled(encode), target, base64},
        {QStringLiteral("paste Base64"), paste(source, base64), always, source, base64},
        {QStringLiteral("Decode"), click(decode), enabled(decode), target, text},
        {QStringLiteral("paste text (Unicode)"), paste(unicodeInput, text), always, unicodeInput,
         text},
        {QStringLiteral("Chinese To Unicode"), click(toHex), enabled(toHex), unicodeOutput, hex},
        {QStringLiteral("paste hex"), paste(unicodeInput, hex), always, unicodeInput, hex},
        {QStringLiteral("Unicode To Chinese"), click(toText), enabled(toText), unicodeOutput, text},
        {QStringLiteral("paste text (MQTT)"), paste(box("mqtt_pub_textEdit"), text), always,
         box("mqtt_pub_textEdit"), text},
    };
}

void printLong(const LongStep &step, qsizetype bytes, const LongFigures &figures)
{
    std::printf("  %-22s %6.0f MiB %8.2f s  stall %s, own timer %5lld ms\n"
                "  %-22s memory peak +%4.0f MB (%.1f x the text in UTF-8, %.1f x the box's "
                "UTF-16)  %s\n",
                qPrintable(step.name), Bench::megabytes(bytes), figures.seconds,
                qPrintable(PingStallProbe::describe(figures.outside)),
                static_cast<long long>(figures.ownStallMs), "", figures.mbPeak,
                figures.mbPeak / Bench::megabytes(bytes), figures.mbPeak / figures.mbShown,
                !figures.finished ? "GAVE UP"
                : figures.exact   ? "exact"
                                  : "NOT EXACT");
}

// Each step at `small` and at `large` bytes, one size after the other in
// the same window, and the large figures over the small ones.
bool longTexts(MainWindow &window, qsizetype small, qsizetype large)
{
    std::printf("long texts through the boxes, %.0f MiB beside %.0f MiB (goal: longest stall "
                "under 100 ms)\n",
                Bench::megabytes(large), Bench::megabytes(small));
    window.findChild<QCheckBox *>(QStringLiteral("UnicodecheckBox"))->setChecked(false);
    std::vector<LongFigures> smallFigures;
    bool exact = true;
    for (const qsizetype bytes : {small, large}) {
        const std::vector<LongStep> steps = longSteps(window, bytes);
        for (size_t i = 0; i < steps.size(); ++i) {
            auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
            for (int tab = 0; tab < tabs->count(); ++tab) {
                if (tabs->widget(tab)->isAncestorOf(steps[i].box))
                    tabs->setCurrentIndex(tab);
            }
            const LongFigures figures = measureLong(window, steps[i]);
            printLong(steps[i], bytes, figures);
            exact = exact && figures.exact;
            if (bytes == small) {
                smallFigures.push_back(figures);
                continue;
            }
            const LongFigures &reference = smallFigures[i];
            std::printf("  %-22s %s / %s MiB: time %s, stall outside %s, own timer %s, memory "
                        "peak %s\n",
                        "", qPrintable(QString::number(Bench::megabytes(large))),
                        qPrintable(QString::number(Bench::megabytes(small))),
                        qPrintable(Bench::ratioText(figures.seconds, reference.seconds)),
                        qPrintable(figures.outside && reference.outside
                                       ? Bench::ratioText(figures.outside->longestMs,
                                                          reference.outside->longestMs)
                                       : QStringLiteral("-")),
                        qPrintable(Bench::ratioText(double(figures.ownStallMs),
                                                    double(reference.ownStallMs))),
                        qPrintable(Bench::ratioText(figures.mbPeak, reference.mbPeak)));
        }
        window.findChild<LongTextEdit *>(QStringLiteral("base64_source_textBrowser"))->clear();
        window.findChild<LongTextEdit *>(QStringLiteral("base64_to_textBrowser"))->clear();
        window.findChild<LongTextEdit *>(QStringLiteral("UnicodetextEdit"))->clear();
        window.findChild<LongTextEdit *>(QStringLiteral("UnicodetextBrowser"))->clear();
        window.findChild<LongTextEdit *>(QStringLiteral("mqtt_pub_textEdit"))->clear();
    }
    std::printf("  every box gave back and copied its text exactly: %s\n", exact ? "yes" : "NO");
    return exact;
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench bench(argc, argv);
    const int blocks = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    const int largeMebi = argc > 2 ? QByteArray(argv[2]).toInt() : 20;
    if (blocks <= 0 || largeMebi <= 0) {
        std::fprintf(stderr, "usage: bench_crypty [blocks [long text MiB, default 20]]\n");
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
    const bool shown = boxText(base64Output) == text;
    std::printf("  the decoded text shown whole: %s\n", shown ? "yes" : "NO");
    const bool exact = longTexts(window, mebi, largeMebi * mebi);
    return shown && exact ? 0 : 1;
}
