#pragma once

// What both benchmarks share: the streams they send, the stall probe, the
// memory figures, a bounded wait, the serial terminal's port opening and the
// checks of what a receive view shows.

#include "hexformat.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

class MainWindow;
class ThreadSerial;

class QPlainTextEdit;
class QTextDocument;

namespace Bench {

// Megabytes here are 2^20 bytes.
[[nodiscard]] double megabytes(qint64 bytes);
// A figure beside its reference of the same run: value / reference, or 0
// without a reference; as text with two decimals, or "-" without one.
[[nodiscard]] double ratio(double value, double reference);
[[nodiscard]] QString ratioText(double value, double reference);
[[nodiscard]] long currentRssKb();
[[nodiscard]] long peakRssKb();
// Processor time (user and system) this process has used, in seconds.
[[nodiscard]] double cpuSeconds();
// The same for the calling thread alone.
[[nodiscard]] double threadCpuSeconds();

// The processes below this one (the web engine's helpers) and theirs: the
// processor time they have used so far and the memory they hold now.
struct HelperFigures
{
    double cpuSeconds = 0;
    long rssKb = 0;
};
[[nodiscard]] HelperFigures helperFigures();

// Writes all bytes to a pty's master end, waiting while it is full.
void writeAll(int fd, const QByteArray &bytes);

// `size` bytes of 64-byte lines, each with a running number so that lost or
// reordered bytes show, and each ended by `lineEnd` ("\n", "\r", "\r\n", or
// a printable mark for a stream without line ends).
[[nodiscard]] QByteArray numberedLines(qsizetype size, const QByteArray &lineEnd);
// `size` random bytes, the same for a given seed.
[[nodiscard]] QByteArray randomBytes(qsizetype size, quint32 seed);

// The seed of the benchmarks' random streams, the same in every run.
inline constexpr quint32 streamSeed = 20240501;

// A shape of stream that the receive benchmarks feed a terminal.
struct StreamShape
{
    const char *name;
    QString what;
    // Whether a text view's content can be checked: random bytes show as
    // text that the check cannot predict byte for byte.
    bool textChecked;
    std::function<QByteArray(qsizetype size)> make;
};

// 64-byte lines ended by `lineEnd`, random bytes, 64-byte lines ended by a
// lone CR, and one endless line.
[[nodiscard]] std::vector<StreamShape> streamShapes(const QByteArray &lineEnd);
// The shape of that name.
[[nodiscard]] StreamShape streamShape(const QString &name, const QByteArray &lineEnd);

// The first text of many scripts loads a font for each of them, once per
// process. So that this shows on a line of its own, the first case of a
// shape whose text no check predicts (random bytes) is preceded by a first
// megabyte of other random bytes, which FontWarmUp hands out once.
class FontWarmUp
{
public:
    // What the megabyte is, for its line.
    [[nodiscard]] static QString what() { return QStringLiteral("first 1 MB of random bytes"); }
    // The megabyte to run before a case of `shape`, if that case is the first
    // to need it.
    [[nodiscard]] std::optional<QByteArray> streamBefore(const StreamShape &shape);

private:
    bool m_done = false;
};

// What a receive case came to, for a summary.
struct CaseFigures
{
    double megabytesPerSecond = 0;
    std::optional<double> outsideStallMs;
    qint64 ownStallMs = 0;
    bool exact = false;
};

// A case's longest stall measured from outside, in ms; "?" where it was not.
[[nodiscard]] QString outsideStallText(const CaseFigures &figures);

// A rate a summary sets the hex view's against: the column's name, MB/s.
struct RateReference
{
    const char *name;
    double megabytesPerSecond;
};

// A summary's table, a row for each stream shape that a case ran for: its
// text case's figures (`textPrefix` + shape name) beside its hex case's
// (`hexPrefix` + shape name), "-" for a case not run: the rates, hex/text
// and the hex rate over each of `references`, the longest stalls measured
// from outside and by the own timer (text/hex), and whether both were exact.
void printCaseTable(const QMap<QString, CaseFigures> &figures, const QString &textPrefix,
                    const QString &hexPrefix, const std::vector<RateReference> &references = {});

// The cases named on the command line, in the order of `all`; none named
// runs them all, and a name that begins cases (as "hex" begins "hex-lines")
// runs those. Fails on a name that is neither.
[[nodiscard]] std::optional<QStringList> chosenCases(const QStringList &names,
                                                     const QStringList &all);

// Answers every message box of the program at once and prints it, so that
// no modal box can block a run.
void answerPromptsWithOk();

// Waits for the port scan to list `path` in the serial terminal, chooses it
// and presses Open; returns the worker that holds it, or none.
ThreadSerial *openSerialTerminalPort(MainWindow &window, const QString &path);

// Runs the event loop until `done` returns true (checked every `pollMs`
// milliseconds) or `timeoutMs` passes; returns whether `done` came true.
bool runUntil(const std::function<bool()> &done, qint64 timeoutMs, int pollMs = 5);

// The process's resident memory at its peak, sampled every 10 ms on a thread
// of its own, so that a step that keeps the window's thread busy is sampled
// too.
class MemoryPeak
{
public:
    MemoryPeak();
    ~MemoryPeak();
    MemoryPeak(const MemoryPeak &) = delete;
    MemoryPeak &operator=(const MemoryPeak &) = delete;

    [[nodiscard]] long startKb() const { return m_startKb; }
    // The peak so far, now included.
    [[nodiscard]] long peakKb() const;

private:
    const long m_startKb;
    std::atomic<long> m_peakKb;
    std::atomic<bool> m_stop = false;
    std::thread m_sampler;
};

// The longest gap between the ticks of a 10 ms precise timer on the GUI
// thread: how long the window was unable to handle any event.
class StallProbe : public QObject
{
public:
    StallProbe();
    [[nodiscard]] qint64 longestMs() const { return m_longestMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestMs = 0;
};

// What one receive view should show of a stream, line breaks and time stamps
// taken out: for the text view the stream's text with every CR and LF
// dropped (CR LF and a lone CR are line ends there), for the hex view every
// byte as its style writes it.
class ViewCheck
{
public:
    enum class Kind { Text, Hex };

    ViewCheck(QPlainTextEdit *view, const QByteArray &stream, Kind kind,
              HexFormat::Style hexStyle = HexFormat::Style::Compact);

    [[nodiscard]] QPlainTextEdit *view() const { return m_view; }
    [[nodiscard]] QString viewName() const;
    // The view's content ends with what the stream's last bytes show as.
    [[nodiscard]] bool endShown() const;
    // Whether the view's whole content is a contiguous suffix of what the
    // whole stream shows as, and a line that says so, or where it is not.
    struct Verdict
    {
        bool exact;
        QString text;
    };
    [[nodiscard]] Verdict suffixVerdict() const;

private:
    [[nodiscard]] QString expected(QByteArrayView bytes) const;
    [[nodiscard]] QString expectedEnd() const;
    [[nodiscard]] QString expectedCovering(qsizetype chars) const;
    // The last `chars` characters (or all) the view shows, without stamps
    // and line breaks.
    [[nodiscard]] QString shownTail(qsizetype chars) const;

    QPlainTextEdit *m_view;
    const QByteArray &m_stream;
    Kind m_kind;
    HexFormat::Style m_hexStyle;
    QString m_expectedEnd;
};

// What the checks of a run's views came to: a line for each view, and
// whether every view holds an exact suffix of what the stream shows as.
// After a run that gave up no view is checked, and none counts as exact.
struct ViewVerdicts
{
    QStringList lines;
    bool exact = true;
};
[[nodiscard]] ViewVerdicts suffixVerdicts(const std::vector<ViewCheck> &checks, bool gaveUp);

// Marks each numbered item (datagram, message) whose line is written into a
// view, whatever the view drops later: the text each edit of the document
// adds is handed to `numbersIn`, which gives the numbers it shows.
class ShownNumbers : public QObject
{
public:
    using NumberFinder = std::function<QList<int>(QStringView addedText)>;

    ShownNumbers(QTextDocument *document, int count, NumberFinder numbersIn);
    [[nodiscard]] int distinct() const { return m_distinct; }
    [[nodiscard]] bool isShown(int number) const { return m_seen.at(size_t(number)); }

private:
    void read(int from, int removed, int added);

    QTextDocument *m_document;
    NumberFinder m_numbersIn;
    std::vector<bool> m_seen;
    int m_distinct = 0;
};

} // namespace Bench
