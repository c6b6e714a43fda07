// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_firstbinary [turns] [MB]
//
// The first random bytes a fresh program shows as text. Fonts are found and
// loaded once per process, for each script the text meets, so every turn
// runs in a process of its own: the bench starts itself again for it. A
// turn shows the window at 1200x800 with the serial tab current, waits as a
// user would before opening a port, opens the pty and feeds MB (default 20)
// of random bytes, a seed of their own per turn, as fast as the pty takes
// them, hex view hidden, no time stamps. Window-manager pings from outside
// (see wmpinger) measure the window's stalls: the first stall is the longest
// answer to the pings sent from the start of the stream until 250 ms after
// its first bytes arrived (the view's first writes and showings fall there,
// whose layouts meet the scripts first; the first showing may hold a few
// lines only), the steady stall the longest answer to the pings sent after
// that until the view is done. Each turn prints both and their ratio, and
// the longest stall between the window's showing and the stream (what
// start-up work left for the event loop costs); a summary follows (default
// 8 turns).

#include "benchsupport.h"
#include "pingstallprobe.h"
#include "ptywindow.h"
#include "threadserial.h"
#include "windowbench.h"
#include "windowprobe.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QPlainTextEdit>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

using namespace Bench;

namespace {

// How long a turn waits after the window shows before it opens the port: a
// user needs at least this long to choose a port and press Open.
constexpr qint64 settleMs = 1000;
// Pings sent up to this long after the first bytes arrived count for the
// first stall.
constexpr qint64 firstSpellUs = 250'000;
// The view is done once it has not changed for this long after the last byte.
constexpr qint64 quietMs = 300;
constexpr qint64 turnDeadlineMs = 5 * 60 * 1000;
constexpr char turnOption[] = "--turn";
constexpr char resultTag[] = "result";

// What one turn came to.
struct TurnFigures
{
    double startUpMs = 0;
    double firstMs = 0;
    double steadyMs = 0;
    int pings = 0;
    double seconds = 0;
    bool intact = false;
};

// One turn in this process; prints its result line.
int runTurn(int argc, char *argv[], quint32 seed, qsizetype size)
{
    WindowBench application(argc, argv);
    answerPromptsWithOk();
    const QByteArray stream = randomBytes(size, seed);

    PtyWindow ptyWindow;
    MainWindow &window = ptyWindow.window();
    ptyWindow.showPage(QStringLiteral("serial"));
    child<QCheckBox>(window, "HEXcheckBox")->setChecked(false);
    child<QCheckBox>(window, "showtime_checkBox")->setChecked(false);
    PingStallProbe pings(&window);
    runUntil([] { return false; }, settleMs);
    ThreadSerial *worker = openSerialTerminalPort(window, ptyWindow.portPath());
    if (!worker) {
        std::printf("COULD NOT OPEN the pty\n");
        return 1;
    }

    qint64 received = 0;
    qint64 firstBytesUs = 0;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QObject::connect(worker, &ThreadSerial::Serial_read_Data, &window, [&](const QByteArray &data) {
        if (received == 0)
            firstBytesUs = PingStallProbe::nowUs();
        received += data.size();
        hash.addData(data);
    });
    QElapsedTimer clock;
    clock.start();
    qint64 lastChangeMs = 0;
    QObject::connect(child<QPlainTextEdit>(window, "COM_StrTextBrowser")->document(),
                     &QTextDocument::contentsChanged, &window,
                     [&] { lastChangeMs = clock.elapsed(); });

    // The stream starts once the pinger answers, so its first ping is not lost.
    if (!runUntil([&pings] { return !pings.answers().empty(); }, 5000)) {
        std::printf("the window pinger did not answer\n");
        return 1;
    }
    clock.restart();
    const qint64 startUs = PingStallProbe::nowUs();
    std::thread writer(writeAll, ptyWindow.masterFd(), std::cref(stream));
    const bool done = runUntil(
        [&] { return received >= stream.size() && clock.elapsed() - lastChangeMs >= quietMs; },
        turnDeadlineMs);
    writer.join();
    if (!done || !pings.figures()) {
        std::printf("TURN GAVE UP: %lld of %lld bytes arrived\n", qlonglong(received),
                    qlonglong(stream.size()));
        return 1;
    }

    TurnFigures figures;
    figures.seconds = lastChangeMs / 1000.0;
    figures.intact = hash.result() == QCryptographicHash::hash(stream, QCryptographicHash::Sha1);
    for (const PingStallProbe::Answer &answer : pings.answers()) {
        if (answer.sentUs < startUs) {
            figures.startUpMs = std::max(figures.startUpMs, answer.roundTripMs);
            continue;
        }
        ++figures.pings;
        double &longest =
            answer.sentUs < firstBytesUs + firstSpellUs ? figures.firstMs : figures.steadyMs;
        longest = std::max(longest, answer.roundTripMs);
    }
    std::printf("%s %.1f %.1f %.1f %d %.3f %d\n", resultTag, figures.startUpMs, figures.firstMs,
                figures.steadyMs, figures.pings, figures.seconds, figures.intact ? 1 : 0);
    return 0;
}

// Runs one turn in a fresh process and reads its result. What the turn
// prints besides is shown; its diagnostics (the framework's font warnings
// among them) only when it gives no result.
std::optional<TurnFigures> freshTurn(const QString &program, quint32 seed, qsizetype megabytes)
{
    QProcess turn;
    turn.start(program,
               {QLatin1String(turnOption), QString::number(seed), QString::number(megabytes)});
    if (!turn.waitForFinished(int(turnDeadlineMs + 60'000)))
        turn.kill();
    std::optional<TurnFigures> result;
    for (const QByteArray &line : turn.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 7 || fields.at(0) != resultTag) {
            if (!line.isEmpty())
                std::printf("    %s\n", line.constData());
            continue;
        }
        TurnFigures figures;
        figures.startUpMs = fields.at(1).toDouble();
        figures.firstMs = fields.at(2).toDouble();
        figures.steadyMs = fields.at(3).toDouble();
        figures.pings = fields.at(4).toInt();
        figures.seconds = fields.at(5).toDouble();
        figures.intact = fields.at(6) == "1";
        result = figures;
    }
    if (!result)
        std::printf("%s", turn.readAllStandardError().constData());
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], turnOption) == 0) {
        return runTurn(argc, argv, quint32(QByteArray(argv[2]).toUInt()),
                       qsizetype(QByteArray(argv[3]).toInt()) * 1024 * 1024);
    }
    QCoreApplication application(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList arguments = QCoreApplication::arguments();
    const int turns = arguments.size() > 1 ? std::max(1, arguments.at(1).toInt()) : 8;
    const int megabytes = arguments.size() > 2 ? std::max(1, arguments.at(2).toInt()) : 20;

    std::printf("first random bytes into a fresh window's serial terminal, text view: %d turns "
                "of %d MB, each in a process of its own, port opened %lld ms after the window "
                "showed\n",
                turns, megabytes, qlonglong(settleMs));
    std::vector<TurnFigures> all;
    for (int turn = 1; turn <= turns; ++turn) {
        const quint32 seed = streamSeed + quint32(turn);
        const std::optional<TurnFigures> figures =
            freshTurn(QCoreApplication::applicationFilePath(), seed, megabytes);
        if (!figures) {
            std::printf("turn %d: NO RESULT\n", turn);
            continue;
        }
        std::printf("turn %d (seed %u): first stall %6.1f ms, steady stall %5.1f ms, "
                    "first/steady %.2f; start-up stall %5.1f ms; %.2f MB/s, %d pings, %s\n",
                    turn, seed, figures->firstMs, figures->steadyMs,
                    ratio(figures->firstMs, figures->steadyMs), figures->startUpMs,
                    megabytes / figures->seconds, figures->pings,
                    figures->intact ? "every byte arrived" : "BYTES LOST OR CHANGED");
        all.push_back(*figures);
    }
    if (all.empty())
        return 1;
    std::vector<double> firsts;
    double longestSteady = 0;
    double longestStartUp = 0;
    for (const TurnFigures &figures : all) {
        firsts.push_back(figures.firstMs);
        longestSteady = std::max(longestSteady, figures.steadyMs);
        longestStartUp = std::max(longestStartUp, figures.startUpMs);
    }
    std::sort(firsts.begin(), firsts.end());
    const double median = firsts.at(firsts.size() / 2);
    const auto under50 =
        std::count_if(firsts.cbegin(), firsts.cend(), [](double ms) { return ms < 50; });
    std::printf("summary: first stall longest %.1f ms, median %.1f ms; steady stall longest "
                "%.1f ms; longest first/longest steady %.2f; first stall under 50 ms in %lld of "
                "%zu turns; start-up stall longest %.1f ms\n",
                firsts.back(), median, longestSteady, ratio(firsts.back(), longestSteady),
                qlonglong(under50), all.size(), longestStartUp);
    return 0;
}
