#include "benchsupport.h"

#include "mainwindow.h"
#include "prompt.h"
#include "threadserial.h"
#include "windowprobe.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <limits>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

namespace Bench {

namespace {
// Stream bytes whose view must be at the end of a view for its end to count
// as shown: more than one line, so a repeated line cannot pass for the last.
constexpr qsizetype endBytes = 256;
// Decoding text from the middle of a stream may read its first characters
// otherwise than the whole stream does; after this many characters it has
// caught up.
constexpr qsizetype resyncChars = 8;
constexpr qsizetype stampLength = 14;

// "[hh:mm:ss.zzz]", the stamp a receive view puts before a chunk.
bool startsWithStamp(QStringView text)
{
    if (text.size() < stampLength || text.at(0) != QLatin1Char('[') ||
        text.at(stampLength - 1) != QLatin1Char(']'))
        return false;
    for (qsizetype i = 1; i < stampLength - 1; ++i) {
        const QChar c = text.at(i);
        const bool separator = i == 3 || i == 6 || i == 9;
        if (separator ? c != QLatin1Char(i == 9 ? '.' : ':') : !c.isDigit())
            return false;
    }
    return true;
}

QString withoutStamp(const QString &block)
{
    return startsWithStamp(block) ? block.sliced(stampLength) : block;
}

// Processor time (user and system) of the process or the thread `who`.
double usedSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval &time) {
        return time.tv_sec + time.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
} // namespace

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

double ratio(double value, double reference)
{
    return reference > 0 ? value / reference : 0;
}

QString ratioText(double value, double reference)
{
    return reference > 0 ? QString::number(value / reference, 'f', 2) : QStringLiteral("-");
}

long currentRssKb()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double cpuSeconds()
{
    return usedSeconds(RUSAGE_SELF);
}

double threadCpuSeconds()
{
    return usedSeconds(RUSAGE_THREAD);
}

HelperFigures helperFigures()
{
    struct Process
    {
        QByteArray pid;
        QByteArray parent;
        double ticks;
        long pages;
    };
    QList<Process> processes;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        entry.toInt(&number);
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // After the command name in parentheses: state, parent, ...
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() >= 22)
            processes.append({entry.toLatin1(), fields.at(1),
                              fields.at(11).toDouble() + fields.at(12).toDouble(),
                              fields.at(21).toLong()});
    }
    // The helpers, then the helpers' own helpers.
    QList<QByteArray> parents{QByteArray::number(getpid())};
    double ticks = 0;
    long pages = 0;
    for (int level = 0; level < 2; ++level) {
        QList<QByteArray> below;
        for (const Process &process : std::as_const(processes)) {
            if (parents.contains(process.parent)) {
                below.append(process.pid);
                ticks += process.ticks;
                pages += process.pages;
            }
        }
        parents = below;
    }
    return {ticks / double(sysconf(_SC_CLK_TCK)), pages * (sysconf(_SC_PAGESIZE) / 1024)};
}

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd ready{fd, POLLOUT, 0};
            ::poll(&ready, 1, 100);
        }
    }
}

QByteArray numberedLines(qsizetype size, const QByteArray &lineEnd)
{
    constexpr qsizetype lineBytes = 64;
    QByteArray stream;
    stream.reserve(size + lineBytes);
    for (qint64 n = 0; stream.size() < size; ++n) {
        QByteArray line = "line " + QByteArray::number(n).rightJustified(10, '0') + ' ';
        line += QByteArray(lineBytes - line.size() - lineEnd.size(), 'x');
        stream += line + lineEnd;
    }
    stream.truncate(size - size % lineBytes);
    return stream;
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    for (qsizetype i = size - size % 4; i < size; ++i)
        bytes[i] = char(generator.generate());
    return bytes;
}

std::vector<StreamShape> streamShapes(const QByteArray &lineEnd)
{
    const QString lines =
        lineEnd == "\n" ? QStringLiteral("64-byte lines") : QStringLiteral("64-byte CR LF lines");
    return {
        {"lines", lines, true,
         [lineEnd](qsizetype size) {
             return numberedLines(size, lineEnd);
         }},
        {"binary", QStringLiteral("random bytes"), false,
         [](qsizetype size) {
             return randomBytes(size, streamSeed);
         }},
        {"cr", QStringLiteral("64-byte lines ended by CR"), true,
         [](qsizetype size) {
             return numberedLines(size, "\r");
         }},
        {"endless", QStringLiteral("one endless line"), true,
         [](qsizetype size) {
             return numberedLines(size, "|");
         }},
    };
}

StreamShape streamShape(const QString &name, const QByteArray &lineEnd)
{
    for (StreamShape &shape : streamShapes(lineEnd)) {
        if (name == QLatin1String(shape.name))
            return shape;
    }
    qFatal("no stream shape named %s", qPrintable(name));
}

std::optional<QByteArray> FontWarmUp::streamBefore(const StreamShape &shape)
{
    if (shape.textChecked || m_done)
        return std::nullopt;
    m_done = true;
    return randomBytes(1024 * 1024, streamSeed + 1);
}

QString outsideStallText(const CaseFigures &figures)
{
    return figures.outsideStallMs ? QString::number(*figures.outsideStallMs, 'f', 1)
                                  : QStringLiteral("?");
}

void printCaseTable(const QMap<QString, CaseFigures> &figures, const QString &textPrefix,
                    const QString &hexPrefix, const std::vector<RateReference> &references)
{
    std::printf("  %-8s %10s %10s %9s", "shape", "text MB/s", "hex MB/s", "hex/text");
    for (const RateReference &reference : references)
        std::printf(" %9s", reference.name);
    std::printf(" %15s %15s %7s\n", "outside ms t/h", "own timer t/h", "exact");
    const auto find = [&figures](const QString &name) -> std::optional<CaseFigures> {
        return figures.contains(name) ? std::optional(figures.value(name)) : std::nullopt;
    };
    // The shapes' names are the same whatever their line end.
    for (const StreamShape &shape : streamShapes("\n")) {
        const std::optional<CaseFigures> text = find(textPrefix + shape.name);
        const std::optional<CaseFigures> hex = find(hexPrefix + shape.name);
        if (!text && !hex)
            continue;
        const auto rate = [](const std::optional<CaseFigures> &one) {
            return one ? QString::number(one->megabytesPerSecond, 'f', 2) : QStringLiteral("-");
        };
        const auto ratio = [&hex](double reference) {
            return hex && reference > 0
                       ? QString::number(hex->megabytesPerSecond / reference, 'f', 2)
                       : QStringLiteral("-");
        };
        const auto outside = [](const std::optional<CaseFigures> &one) {
            return one ? outsideStallText(*one) : QStringLiteral("-");
        };
        const auto own = [](const std::optional<CaseFigures> &one) {
            return one ? QString::number(one->ownStallMs) : QStringLiteral("-");
        };
        const bool exact = (!text || text->exact) && (!hex || hex->exact);
        std::printf("  %-8s %10s %10s %9s", shape.name, qPrintable(rate(text)),
                    qPrintable(rate(hex)), qPrintable(ratio(text ? text->megabytesPerSecond : 0)));
        for (const RateReference &reference : references)
            std::printf(" %9s", qPrintable(ratio(reference.megabytesPerSecond)));
        std::printf(" %15s %15s %7s\n", qPrintable(outside(text) + QLatin1Char('/') + outside(hex)),
                    qPrintable(own(text) + QLatin1Char('/') + own(hex)), exact ? "yes" : "NO");
    }
}

std::optional<QStringList> chosenCases(const QStringList &names, const QStringList &all)
{
    const auto matches = [](const QString &name, const QString &caseName) {
        return caseName == name || caseName.startsWith(name + QLatin1Char('-'));
    };
    for (const QString &name : names) {
        if (std::none_of(all.cbegin(), all.cend(),
                         [&](const QString &caseName) { return matches(name, caseName); }))
            return std::nullopt;
    }
    QStringList chosen;
    for (const QString &caseName : all) {
        if (names.isEmpty() || std::any_of(names.cbegin(), names.cend(), [&](const QString &name) {
                return matches(name, caseName);
            }))
            chosen.append(caseName);
    }
    return chosen;
}

void answerPromptsWithOk()
{
    Prompt::setMessageHandler([](const Prompt::Message &message) {
        std::printf("message box answered: %s\n", qPrintable(message.text));
        return QMessageBox::Ok;
    });
}

ThreadSerial *openSerialTerminalPort(MainWindow &window, const QString &path)
{
    auto *ports = child<QComboBox>(window, "portNameComboBox");
    if (!runUntil([&] { return ports->findText(path) >= 0; }, 5000))
        return nullptr;
    ports->setCurrentIndex(ports->findText(path));
    child<QPushButton>(window, "opencompushButton")->click();
    // Closed workers of earlier opens may still wait for deletion.
    for (ThreadSerial *candidate : window.findChildren<ThreadSerial *>()) {
        if (candidate->opened && candidate->serialPort->isOpen())
            return candidate;
    }
    return nullptr;
}

bool runUntil(const std::function<bool()> &done, qint64 timeoutMs, int pollMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    if (!done()) {
        poll.start(pollMs);
        loop.exec();
    }
    return done();
}

MemoryPeak::MemoryPeak()
    : m_startKb(currentRssKb())
    , m_peakKb(m_startKb)
    , m_sampler([this] {
        while (!m_stop) {
            m_peakKb = std::max(m_peakKb.load(), currentRssKb());
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    })
{}

MemoryPeak::~MemoryPeak()
{
    m_stop = true;
    m_sampler.join();
}

long MemoryPeak::peakKb() const
{
    return std::max(m_peakKb.load(), currentRssKb());
}

StallProbe::StallProbe()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this,
            [this] { m_longestMs = qMax(m_longestMs, m_sinceTick.restart()); });
    m_sinceTick.start();
    m_timer.start();
}

ViewCheck::ViewCheck(QPlainTextEdit *view, const QByteArray &stream, Kind kind,
                     HexFormat::Style hexStyle)
    : m_view(view)
    , m_stream(stream)
    , m_kind(kind)
    , m_hexStyle(hexStyle)
    , m_expectedEnd(expectedEnd())
{}

QString ViewCheck::viewName() const
{
    return m_kind == Kind::Text ? QStringLiteral("text view") : QStringLiteral("hex view");
}

// Written here byte by byte, apart from the program's own formatting, so a
// fault there shows.
QString ViewCheck::expected(QByteArrayView bytes) const
{
    if (m_kind == Kind::Text) {
        // A character the stream leaves unfinished is not shown yet.
        QString text = QStringDecoder(QStringDecoder::Utf8).decode(bytes);
        // Line ends, and what a document takes as the end of a paragraph.
        for (const char16_t lineEnd : {u'\r', u'\n', u'\u2029', u'\ufdd0', u'\ufdd1'})
            text.remove(QChar(lineEnd));
        return text;
    }
    const bool compact = m_hexStyle == HexFormat::Style::Compact;
    const char *const digits = compact ? "0123456789abcdef" : "0123456789ABCDEF";
    QString dump;
    dump.reserve(bytes.size() * (compact ? 5 : 6));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        dump += QLatin1StringView("0x");
        dump += QLatin1Char(digits[byte >> 4]);
        dump += QLatin1Char(digits[byte & 0x0f]);
        dump += compact ? QLatin1StringView(",") : QLatin1StringView(", ");
    }
    return dump;
}

QString ViewCheck::shownTail(qsizetype chars) const
{
    QStringList blocks;
    qsizetype collected = 0;
    for (QTextBlock block = m_view->document()->lastBlock(); block.isValid() && collected < chars;
         block = block.previous()) {
        blocks.prepend(withoutStamp(block.text()));
        collected += blocks.front().size();
    }
    const QString shown = blocks.join(QString());
    return shown.size() > chars ? shown.last(chars) : shown;
}

bool ViewCheck::endShown() const
{
    return shownTail(m_expectedEnd.size()) == m_expectedEnd;
}

// What the stream's last `endBytes` bytes show as, as far as it is sure.
QString ViewCheck::expectedEnd() const
{
    const QByteArrayView end = QByteArrayView(m_stream).last(qMin(endBytes, m_stream.size()));
    return expectedCovering(expected(end).size() - resyncChars);
}

// The last `chars` characters that the stream shows as (or all), read from
// enough of its last bytes.
QString ViewCheck::expectedCovering(qsizetype chars) const
{
    for (qsizetype bytes = chars + endBytes;; bytes *= 2) {
        const qsizetype take = qMin(bytes, m_stream.size());
        QString whole = expected(QByteArrayView(m_stream).last(take));
        if (whole.size() >= chars + resyncChars || take == m_stream.size())
            return take == m_stream.size() ? whole : whole.last(chars);
    }
}

ViewCheck::Verdict ViewCheck::suffixVerdict() const
{
    const QString shown = shownTail(std::numeric_limits<qsizetype>::max());
    const QString whole = expectedCovering(shown.size());
    if (whole.endsWith(shown))
        return {true, QStringLiteral("%1 holds an exact suffix (%2 characters)")
                          .arg(viewName())
                          .arg(shown.size())};
    qsizetype fromEnd = 0;
    while (fromEnd < shown.size() && fromEnd < whole.size() &&
           shown.at(shown.size() - 1 - fromEnd) == whole.at(whole.size() - 1 - fromEnd))
        ++fromEnd;
    const QString mismatch = fromEnd < shown.size() && fromEnd < whole.size()
                                 ? QStringLiteral("shows \"%1\" where \"%2\" belongs")
                                       .arg(shown.first(shown.size() - fromEnd).right(40),
                                            whole.first(whole.size() - fromEnd).right(40))
                                 : QStringLiteral("holds more than the whole stream shows as");
    return {false, QStringLiteral("%1 VIEW CONTENT WRONG: %2 characters, %3 of them from the "
                                  "end as expected, then it %4")
                       .arg(viewName())
                       .arg(shown.size())
                       .arg(fromEnd)
                       .arg(mismatch)};
}

ViewVerdicts suffixVerdicts(const std::vector<ViewCheck> &checks, bool gaveUp)
{
    ViewVerdicts verdicts;
    verdicts.exact = !gaveUp;
    for (const ViewCheck &check : checks) {
        if (gaveUp) {
            verdicts.lines.append(check.viewName() + QStringLiteral(" not checked: run gave up"));
            continue;
        }
        const ViewCheck::Verdict verdict = check.suffixVerdict();
        verdicts.lines.append(verdict.text);
        verdicts.exact = verdicts.exact && verdict.exact;
    }
    return verdicts;
}

ShownNumbers::ShownNumbers(QTextDocument *document, int count, NumberFinder numbersIn)
    : m_document(document)
    , m_numbersIn(std::move(numbersIn))
    , m_seen(size_t(count), false)
{
    connect(m_document, &QTextDocument::contentsChange, this, &ShownNumbers::read);
}

void ShownNumbers::read(int from, int, int added)
{
    if (added <= 0)
        return;
    QTextCursor cursor(m_document);
    cursor.setPosition(from);
    cursor.setPosition(qMin(from + added, m_document->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    const QString text = cursor.selectedText();
    for (const int number : m_numbersIn(text)) {
        if (number >= 0 && number < int(m_seen.size()) && !m_seen[size_t(number)]) {
            m_seen[size_t(number)] = true;
            ++m_distinct;
        }
    }
}

} // namespace Bench
