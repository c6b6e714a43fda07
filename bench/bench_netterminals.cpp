// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_netterminals [arguments]
//
// Arguments: [datagrams [datagrams/s [megabytes]]] [case...]
//
// Feeds the UDP and TCP terminals of the shown window from loopback peers on
// other threads and prints what the views showed, how fast (MB = 2^20
// bytes), the longest stall of the window measured from outside
// (window-manager pings, see wmpinger) and by a timer on the GUI thread, and
// the memory used. A summary puts the TCP figures side by side.
//
// Cases (default: all; "tcp" runs every tcp-* case, "tcp-text" and
// "tcp-hex" those of one view):
//   udp               numbered datagrams, one line each, paced (default
//                     100000 at 20000/s), hex view hidden
//   udp-flood-1400    junk datagrams (random bytes, fixed seed) of 1400 bytes
//                     sent as fast as a peer can for 6 s, hex view hidden
//   udp-flood-64k     the same with datagrams of 64 KB (65507 bytes, the
//                     largest over IPv4); its stalls are set beside the
//                     1400-byte flood's of the same run
//   tcp-text-lines    a stream of 64-byte CR LF lines (default 20 MB) from a
//                     local server, the terminal as its client, hex view hidden
//   tcp-text-binary   random bytes (fixed seed), hex view hidden
//   tcp-text-cr       64-byte lines ended by a lone CR, hex view hidden
//   tcp-text-endless  one line without any line end, hex view hidden
//   tcp-hex-lines, tcp-hex-binary, tcp-hex-cr, tcp-hex-endless
//                     the same streams with the hex view shown

#include "benchsupport.h"
#include "mainwindow.h"
#include "pingstallprobe.h"
#include "windowbench.h"
#include "windowprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

using namespace Bench;

namespace {

// No TCP run takes longer than this.
constexpr qint64 runDeadlineMs = 10 * 60 * 1000;
// A run gives up when nothing new is sent or shown for this long.
constexpr qint64 progressDeadlineMs = 60 * 1000;
// A UDP run ends this long after the last datagram shown once all are sent.
constexpr qint64 udpQuietMs = 3000;
// Peers wait for the window at most this long.
constexpr int peerWaitMs = 10000;
constexpr int datagramDigits = 8;
// A flood lasts this long; a short one warms the view's fonts up first.
constexpr qint64 floodMs = 6000;
constexpr qint64 floodWarmUpMs = 1000;
constexpr int floodKinds = 16; // distinct junk datagrams a flood cycles through
// The largest UDP payload over IPv4.
constexpr int largestDatagram = 65507;
// A view whose content no check predicts counts as showing everything once
// it has not changed for this long after the last byte was sent.
constexpr qint64 quietMs = 1000;

// Datagram `number` as the peer sends it: one CR LF line.
QByteArray datagram(int number)
{
    return 'l' + QByteArray::number(number).rightJustified(datagramDigits, '0') + "\r\n";
}

// The number of a datagram's line in the text view, if it is one.
std::optional<int> datagramNumber(QStringView line)
{
    if (line.size() != datagramDigits + 1 || line.front() != QLatin1Char('l'))
        return std::nullopt;
    bool ok = false;
    const int number = line.sliced(1).toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

// Sends numbered datagrams at a steady rate, in small bursts.
class DatagramPeer : public QThread
{
public:
    DatagramPeer(quint16 port, int count, int rate)
        : m_port(port)
        , m_count(count)
        , m_rate(rate)
    {}
    std::atomic<int> sent{0};
    std::atomic<bool> stop{false};

protected:
    void run() override
    {
        QUdpSocket socket;
        QElapsedTimer clock;
        clock.start();
        int next = 0;
        while (next < m_count && !stop) {
            const qint64 due = qMin<qint64>(m_count, clock.nsecsElapsed() * m_rate / 1000000000);
            for (; next < due; ++next) {
                if (socket.writeDatagram(datagram(next), QHostAddress::LocalHost, m_port) > 0)
                    ++sent;
            }
            QThread::usleep(200);
        }
    }

private:
    quint16 m_port;
    int m_count;
    int m_rate;
};

// Sends junk datagrams of one size as fast as it can until its time is up.
class FloodPeer : public QThread
{
public:
    FloodPeer(quint16 port, int size, qint64 durationMs)
        : m_port(port)
        , m_durationMs(durationMs)
    {
        for (int kind = 0; kind < floodKinds; ++kind)
            m_datagrams.append(randomBytes(size, streamSeed + quint32(kind)));
    }
    std::atomic<qint64> sent{0};

protected:
    void run() override
    {
        QUdpSocket socket;
        QElapsedTimer clock;
        clock.start();
        for (qint64 n = 0; clock.elapsed() < m_durationMs; ++n) {
            if (socket.writeDatagram(m_datagrams.at(n % floodKinds), QHostAddress::LocalHost,
                                     m_port) > 0)
                ++sent;
        }
    }

private:
    quint16 m_port;
    qint64 m_durationMs;
    QList<QByteArray> m_datagrams;
};

// What the kernel tells of a UDP socket bound to `port` (/proc/net/udp6 for
// the terminal's dual-stack socket): datagrams it dropped since the socket
// was made and bytes it holds unread; none when it is not listed.
struct KernelQueue
{
    qint64 drops = 0;
    qint64 unreadBytes = 0;
};

std::optional<KernelQueue> kernelQueue(quint16 port)
{
    for (const char *table : {"/proc/net/udp6", "/proc/net/udp"}) {
        QFile file(QString::fromLatin1(table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() < 13 || !fields.at(1).contains(':'))
                continue;
            bool ok = false;
            if (fields.at(1).split(':').last().toUInt(&ok, 16) != port || !ok)
                continue;
            KernelQueue queue;
            queue.unreadBytes = fields.at(4).split(':').last().toLongLong(nullptr, 16);
            queue.drops = fields.last().toLongLong();
            return queue;
        }
    }
    return std::nullopt;
}

// A flood's figures, for the summary.
struct FloodFigures
{
    std::optional<double> outsideStallMs;
    qint64 ownStallMs = 0;
};

// Serves one client the stream as fast as it takes it, then waits for the
// client to leave.
class StreamPeer : public QThread
{
public:
    explicit StreamPeer(const QByteArray &stream)
        : m_stream(stream)
    {}
    std::atomic<quint16> port{0};
    std::atomic<qint64> sent{0};
    std::atomic<bool> stop{false};

protected:
    void run() override
    {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0))
            return;
        port = server.serverPort();
        const QDeadlineTimer connectBy(peerWaitMs);
        while (!stop && !connectBy.hasExpired() && !server.hasPendingConnections())
            server.waitForNewConnection(100);
        QTcpSocket *client = server.nextPendingConnection();
        if (!client)
            return;
        constexpr qsizetype blockBytes = 64 * 1024;
        for (qsizetype offset = 0; offset < m_stream.size() && !stop; offset += blockBytes) {
            client->write(m_stream.mid(offset, blockBytes));
            while (client->bytesToWrite() > 0 && !stop &&
                   client->state() == QAbstractSocket::ConnectedState)
                client->waitForBytesWritten(100);
            sent = offset + qMin(blockBytes, m_stream.size() - offset) - client->bytesToWrite();
        }
        const QDeadlineTimer leaveBy(progressDeadlineMs);
        while (!stop && !leaveBy.hasExpired() && client->state() == QAbstractSocket::ConnectedState)
            client->waitForDisconnected(100);
    }

private:
    const QByteArray &m_stream;
};

// The datagram numbers in a piece of the view's text.
QList<int> datagramNumbers(QStringView text)
{
    QList<int> numbers;
    for (const QStringView line : text.split(QChar::ParagraphSeparator)) {
        if (const std::optional<int> number = datagramNumber(line))
            numbers.append(*number);
    }
    return numbers;
}

// The datagram lines the text view holds at the end.
struct ViewLines
{
    int lines = 0;
    int first = -1;
    int last = -1;
    int missing = 0;    // numbers skipped between the first and the last
    int outOfOrder = 0; // lines not above the one before
    int foreign = 0;    // lines that are no datagram
};

ViewLines readViewLines(const QPlainTextEdit *view)
{
    ViewLines result;
    for (QTextBlock block = view->document()->firstBlock(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.isEmpty())
            continue;
        ++result.lines;
        const std::optional<int> number = datagramNumber(text);
        if (!number) {
            ++result.foreign;
            continue;
        }
        if (result.first < 0)
            result.first = *number;
        else if (*number <= result.last)
            ++result.outOfOrder;
        else
            result.missing += *number - result.last - 1;
        result.last = qMax(result.last, *number);
    }
    return result;
}

class NetBench
{
public:
    explicit NetBench(MainWindow &window)
        : m_window(window)
    {}

    void runUdp(int count, int rate);
    FloodFigures runFlood(const char *name, int size, qint64 durationMs);
    CaseFigures runTcp(const char *name, const QString &what, const QByteArray &stream,
                       bool hexShown, bool textChecked);

private:
    template <typename T> T *widget(const char *name) const;
    void showPage(const char *page, const char *hexBox, bool hexShown, const char *timeBox,
                  const char *clearViews, const char *clearCounters);
    quint16 startUdp();

    MainWindow &m_window;
};

template <typename T> T *NetBench::widget(const char *name) const
{
    return child<T>(m_window, name);
}

// Makes the terminal's page current and starts it as a fresh session would:
// no time stamps, empty views, counters at 0.
void NetBench::showPage(const char *page, const char *hexBox, bool hexShown, const char *timeBox,
                        const char *clearViews, const char *clearCounters)
{
    widget<QTabWidget>("tabWidget")->setCurrentWidget(widget<QWidget>(page));
    widget<QCheckBox>(hexBox)->setChecked(hexShown);
    widget<QCheckBox>(timeBox)->setChecked(false);
    widget<QPushButton>(clearViews)->click();
    widget<QPushButton>(clearCounters)->click();
}

// Starts the UDP terminal on a port that was free a moment ago; returns the
// port it listens on, or 0.
quint16 NetBench::startUdp()
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        QUdpSocket probe;
        if (!probe.bind(QHostAddress::Any, 0))
            continue;
        const quint16 port = probe.localPort();
        probe.close();
        widget<QLineEdit>("UDPSenderPortlineEdit")->setText(QString::number(port));
        widget<QPushButton>("UDPopencompushButton")->click();
        for (const QUdpSocket *socket : m_window.findChildren<QUdpSocket *>()) {
            if (socket->state() == QAbstractSocket::BoundState && socket->localPort() == port)
                return port;
        }
    }
    return 0;
}

void NetBench::runUdp(int count, int rate)
{
    showPage("udp", "UDP_HEXcheckBox", false, "UDP_showtime_checkBox", "UDPcleandatapushButton",
             "UDPcleanbytespushButton");
    auto *view = widget<QPlainTextEdit>("UDP_StrTextBrowser");
    std::printf("[udp] %d datagrams of %d bytes paced at %d/s, hex view hidden: ", count,
                int(datagram(0).size()), rate);
    const quint16 port = startUdp();
    if (!port) {
        std::printf("COULD NOT START the UDP terminal\n");
        return;
    }
    ShownNumbers shown(view->document(), count, datagramNumbers);
    StallProbe probe;
    PingStallProbe pings(&m_window);
    DatagramPeer peer(port, count, rate);
    QElapsedTimer clock;
    clock.start();
    peer.start();
    qint64 lastShownAt = 0;
    int lastShown = 0;
    const bool ended = runUntil(
        [&] {
            if (shown.distinct() != lastShown) {
                lastShown = shown.distinct();
                lastShownAt = clock.elapsed();
            }
            return shown.distinct() >= count ||
                   (peer.isFinished() && clock.elapsed() - lastShownAt > udpQuietMs);
        },
        qint64(count) * 1000 / qMax(rate, 1) + progressDeadlineMs);
    const std::optional<PingStallProbe::Figures> outside = pings.figures();
    peer.stop = true;
    peer.wait();
    const ViewLines lines = readViewLines(view);
    widget<QPushButton>("UDPopencompushButton")->click();

    std::printf("sent %d; shown during the run %d (%d lost or never shown), %.0f datagrams/s "
                "shown; longest stall %s, own timer %lld ms; RSS now %ld KB%s\n",
                peer.sent.load(), shown.distinct(), peer.sent.load() - shown.distinct(),
                shown.distinct() * 1000.0 / qMax<qint64>(lastShownAt, 1),
                qPrintable(PingStallProbe::describe(outside)),
                static_cast<long long>(probe.longestMs()), currentRssKb(),
                ended ? "" : "; TIMED OUT");
    std::printf(
        "    text view holds %d lines, datagrams %d..%d, %s", lines.lines, lines.first, lines.last,
        lines.missing == 0 && lines.outOfOrder == 0 && lines.foreign == 0 ? "contiguous"
                                                                          : "NOT CONTIGUOUS");
    if (lines.missing || lines.outOfOrder || lines.foreign)
        std::printf(" (%d missing, %d out of order, %d other lines)", lines.missing,
                    lines.outOfOrder, lines.foreign);
    std::printf("; %d after the last one shown\n", peer.sent.load() - 1 - lines.last);
}

// Floods the UDP terminal with junk datagrams of `size` bytes and prints the
// longest stalls, what was sent, and what the window took of it (what the
// kernel did not drop for want of room).
FloodFigures NetBench::runFlood(const char *name, int size, qint64 durationMs)
{
    showPage("udp", "UDP_HEXcheckBox", false, "UDP_showtime_checkBox", "UDPcleandatapushButton",
             "UDPcleanbytespushButton");
    std::printf("[%s] junk datagrams of %d bytes as fast as they go for %.1f s, hex view "
                "hidden: ",
                name, size, durationMs / 1000.0);
    FloodFigures figures;
    const quint16 port = startUdp();
    const std::optional<KernelQueue> before = kernelQueue(port);
    if (!port || !before) {
        std::printf("COULD NOT START the UDP terminal\n");
        return figures;
    }
    FloodPeer peer(port, size, durationMs);
    StallProbe probe;
    PingStallProbe pings(&m_window);
    peer.start();
    runUntil([&peer] { return peer.isFinished(); }, durationMs + progressDeadlineMs);
    // What the kernel still holds is read after the flood.
    runUntil(
        [port] {
            const std::optional<KernelQueue> queue = kernelQueue(port);
            return !queue || queue->unreadBytes == 0;
        },
        progressDeadlineMs);
    const std::optional<PingStallProbe::Figures> outside = pings.figures();
    figures.ownStallMs = probe.longestMs();
    if (outside)
        figures.outsideStallMs = outside->longestMs;
    const std::optional<KernelQueue> after = kernelQueue(port);
    widget<QPushButton>("UDPopencompushButton")->click();
    const qint64 dropped = after ? after->drops - before->drops : 0;
    const qint64 taken = peer.sent - dropped;
    std::printf("sent %lld (%.0f MB); taken %lld = %.1f MB/s, dropped by the kernel %lld; "
                "longest stall %s, own timer %lld ms; RSS now %ld KB\n",
                static_cast<long long>(peer.sent.load()), megabytes(peer.sent * size),
                static_cast<long long>(taken), megabytes(taken * size) * 1000.0 / durationMs,
                static_cast<long long>(dropped), qPrintable(PingStallProbe::describe(outside)),
                static_cast<long long>(figures.ownStallMs), currentRssKb());
    return figures;
}

CaseFigures NetBench::runTcp(const char *name, const QString &what, const QByteArray &stream,
                             bool hexShown, bool textChecked)
{
    showPage("tcp", "TCP_HEXcheckBox", hexShown, "TCP_showtime_checkBox", "TCPcleandatapushButton",
             "TCPcleanbytespushButton");
    auto *textView = widget<QPlainTextEdit>("TCP_StrTextBrowser");
    auto *hexView = widget<QPlainTextEdit>("TCP_HexTextBrowser");
    std::vector<ViewCheck> checks;
    if (textChecked)
        checks.emplace_back(textView, stream, ViewCheck::Kind::Text);
    if (hexShown)
        checks.emplace_back(hexView, stream, ViewCheck::Kind::Hex, HexFormat::Style::Spaced);
    std::printf("[%s] %.1f MB of %s from a local server, the terminal its client, hex view "
                "%s: ",
                name, megabytes(stream.size()), qPrintable(what), hexShown ? "shown" : "hidden");
    CaseFigures figures;
    StreamPeer peer(stream);
    peer.start();
    if (!runUntil([&peer] { return peer.port != 0 || peer.isFinished(); }, peerWaitMs) ||
        peer.port == 0) {
        std::printf("THE SERVER COULD NOT LISTEN\n");
        peer.stop = true;
        peer.wait();
        return figures;
    }
    widget<QComboBox>("TCP_comboBox")->setCurrentText(QStringLiteral("TCP Client"));
    widget<QLineEdit>("TCPclientIPlineEdit")->setText(QStringLiteral("127.0.0.1"));
    widget<QLineEdit>("TCPclientPortlineEdit")->setText(QString::number(peer.port));

    // Text that no check predicts (GBK or UTF-8, chosen chunk by chunk)
    // counts as shown once the views have been quiet for a while after the
    // last byte was sent.
    QElapsedTimer clock;
    qint64 changedAt = 0;
    const QMetaObject::Connection changes =
        QObject::connect(textView->document(), &QTextDocument::contentsChanged, textView,
                         [&clock, &changedAt] { changedAt = clock.elapsed(); });
    StallProbe probe;
    PingStallProbe pings(&m_window);
    clock.start();
    widget<QPushButton>("TCPopencompushButton")->click();
    qint64 progressAt = 0;
    qint64 lastSent = 0;
    QString gaveUp;
    const auto endShown = [&] {
        if (checks.empty())
            return clock.elapsed() - qMax(changedAt, progressAt) > quietMs;
        return std::all_of(checks.cbegin(), checks.cend(),
                           [](const ViewCheck &check) { return check.endShown(); });
    };
    const bool finished = runUntil(
        [&] {
            if (peer.sent == stream.size() && endShown())
                return true;
            if (peer.sent != lastSent) {
                lastSent = peer.sent;
                progressAt = clock.elapsed();
            }
            if (clock.elapsed() - progressAt <= progressDeadlineMs)
                return false;
            gaveUp = peer.sent < stream.size()
                         ? QStringLiteral("nothing sent for %1 s")
                         : QStringLiteral("end not shown %1 s after the last byte was sent");
            gaveUp = gaveUp.arg(progressDeadlineMs / 1000);
            return true;
        },
        runDeadlineMs);
    const double seconds = (checks.empty() ? changedAt : clock.elapsed()) / 1000.0;
    const std::optional<PingStallProbe::Figures> outside = pings.figures();
    QObject::disconnect(changes);
    if (!finished && gaveUp.isEmpty())
        gaveUp = QStringLiteral("TIMED OUT after %1 s").arg(runDeadlineMs / 1000);
    const bool shownAll = endShown();
    const ViewVerdicts verdicts = suffixVerdicts(checks, !gaveUp.isEmpty());
    figures.megabytesPerSecond = megabytes(stream.size()) / seconds;
    figures.ownStallMs = probe.longestMs();
    if (outside)
        figures.outsideStallMs = outside->longestMs;
    figures.exact = shownAll && verdicts.exact;
    const int textLines = textView->blockCount();
    const int hexLines = hexView->blockCount();
    widget<QPushButton>("TCPopencompushButton")->click();
    peer.stop = true;
    peer.wait();

    std::printf("sent %.1f MB; %.2f s = %.2f MB/s shown%s; end %s; longest stall %s, own timer "
                "%lld ms; lines text %d hex %d; RSS now %ld KB\n",
                megabytes(peer.sent), seconds, figures.megabytesPerSecond,
                checks.empty() ? " (until the text view's last change)" : "",
                shownAll ? "shown" : "NOT SHOWN", qPrintable(PingStallProbe::describe(outside)),
                static_cast<long long>(figures.ownStallMs), textLines, hexLines, currentRssKb());
    if (!gaveUp.isEmpty())
        std::printf("    run gave up: %s\n", qPrintable(gaveUp));
    for (const QString &verdict : verdicts.lines)
        std::printf("    %s\n", qPrintable(verdict));
    return figures;
}

QStringList allCases()
{
    QStringList cases = {QStringLiteral("udp"), QStringLiteral("udp-flood-1400"),
                         QStringLiteral("udp-flood-64k")};
    for (const char *view : {"tcp-text-", "tcp-hex-"}) {
        for (const StreamShape &shape : streamShapes("\r\n"))
            cases.append(QLatin1String(view) + QLatin1String(shape.name));
    }
    return cases;
}

constexpr double stallGoalMs = 50;

// The 64 KB flood's stalls beside the 1400-byte flood's of the same run.
void printFloodSummary(const QMap<QString, FloodFigures> &floods)
{
    if (floods.isEmpty())
        return;
    std::printf("summary: UDP floods; goal: stalls < %.0f ms\n  %-16s %12s %12s\n", stallGoalMs,
                "case", "outside ms", "own timer ms");
    const auto outside = [](const FloodFigures &figures) {
        return figures.outsideStallMs ? QString::number(*figures.outsideStallMs, 'f', 1)
                                      : QStringLiteral("?");
    };
    for (auto flood = floods.cbegin(); flood != floods.cend(); ++flood)
        std::printf("  %-16s %12s %12lld\n", qPrintable(flood.key()),
                    qPrintable(outside(flood.value())),
                    static_cast<long long>(flood.value().ownStallMs));
    const QString small = QStringLiteral("udp-flood-1400");
    const QString large = QStringLiteral("udp-flood-64k");
    if (!floods.contains(small) || !floods.contains(large))
        return;
    const FloodFigures reference = floods.value(small);
    const FloodFigures measured = floods.value(large);
    std::printf("  64k/1400          %12s %12s\n",
                qPrintable(measured.outsideStallMs && reference.outsideStallMs
                               ? ratioText(*measured.outsideStallMs, *reference.outsideStallMs)
                               : QStringLiteral("?")),
                qPrintable(ratioText(double(measured.ownStallMs), double(reference.ownStallMs))));
}

// Each shape's text and hex figures side by side, with the stall goal.
void printSummary(const QMap<QString, CaseFigures> &figures, qsizetype size)
{
    if (figures.isEmpty())
        return;
    std::printf("summary: %.1f MB fed per TCP case; goal: stalls < %.0f ms\n", megabytes(size),
                stallGoalMs);
    printCaseTable(figures, QStringLiteral("tcp-text-"), QStringLiteral("tcp-hex-"));
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);

    // Leading numbers: datagrams, datagrams per second, megabytes; then names.
    QList<int> numbers = {100000, 20000, 20};
    QStringList names = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < numbers.size() && !names.isEmpty(); ++i) {
        bool numeric = false;
        const int value = names.front().toInt(&numeric);
        if (!numeric)
            break;
        numbers[i] = qMax(value, 1);
        names.removeFirst();
    }
    const std::optional<QStringList> cases = chosenCases(names, allCases());
    if (!cases) {
        std::printf("usage: bench_netterminals [datagrams [datagrams/s [megabytes]]] "
                    "[case...]\ncases: tcp tcp-text tcp-hex %s\n",
                    qPrintable(allCases().join(QLatin1Char(' '))));
        return 2;
    }
    answerPromptsWithOk();

    MainWindow window;
    window.resize(1200, 800);
    window.show();
    runUntil([] { return false; }, 500);
    NetBench bench(window);
    std::printf("RSS before: %ld KB\n", currentRssKb());
    const qsizetype size = qsizetype(numbers[2]) * 1024 * 1024;
    QMap<QString, CaseFigures> figures;
    QMap<QString, FloodFigures> floods;
    FontWarmUp fontWarmUp;
    bool floodWarmedUp = false;
    for (const QString &name : *cases) {
        if (name == QLatin1String("udp")) {
            bench.runUdp(numbers[0], numbers[1]);
            continue;
        }
        if (name.startsWith(QLatin1String("udp-flood-"))) {
            const int datagramSize = name.endsWith(QLatin1String("64k")) ? largestDatagram : 1400;
            // The first junk loads the fonts of its scripts, once per process.
            if (!std::exchange(floodWarmedUp, true))
                bench.runFlood("udp-flood-warm-up", 1400, floodWarmUpMs);
            floods[name] = bench.runFlood(name.toLatin1().constData(), datagramSize, floodMs);
            continue;
        }
        const bool hexShown = name.startsWith(QLatin1String("tcp-hex-"));
        const QString shapeName = name.section(QLatin1Char('-'), 2);
        const StreamShape shape = streamShape(shapeName, "\r\n");
        if (const std::optional<QByteArray> warmUp = fontWarmUp.streamBefore(shape))
            bench.runTcp(name.toLatin1().constData(), FontWarmUp::what(), *warmUp, hexShown, false);
        figures[name] = bench.runTcp(name.toLatin1().constData(), shape.what, shape.make(size),
                                     hexShown, shape.textChecked);
    }
    printFloodSummary(floods);
    printSummary(figures, size);
    std::printf("peak RSS: %ld KB\n", peakRssKb());
    return 0;
}
