// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_gpsmap [points] [lines]
//      [seconds] [wrongMegabytes]
//
// The GPS map under a long track and a fast position client, each beside
// the road the map was driven by before, run on the same page in the same
// process, with the ratios.
//
// Import: a track file of `points` positions (200,000 by default: 7.8 MB, a
// vehicle's fixes of a few days with its stops) goes through "Import  track"
// with the GPS page and its map shown. The reference sends the same file to
// the same page as the import used to: five calls per segment, one after the
// other.
//
// Wrong file: a file of `wrongMegabytes` MB (300 by default) of random bytes
// without a line end, as when a wrong file is picked, goes through
// "Import  track". The reference is a track file of the same size read in
// the same run: the same drive, then the vehicle parked, its fix logged
// again and again (so the page draws what it drew for the import above).
//
// Flood: a loopback client sends `lines` position lines (200,000 by default,
// 7.6 MB) to the position server in one go, then the same lines again and
// again for `seconds` (20 by default) as fast as the window takes them. The
// reference runs on the same page the three calls per line that the server
// used to run for the lines of one go (without the labels, the raw view and
// the socket, which it also had).
//
// Each case prints how long until the page had run every call (it is asked
// after the last one), this process's memory before, at its highest (its
// high-water mark, reset at the case's start) and after, the web engine
// helpers' memory after, and the window's longest stall measured from
// outside (a window-manager ping every 10 ms) and by its own 10 ms timer.
// The window's cases run first, so that what the references leave behind
// does not weigh on them, and each case starts with what the ones before
// freed given back to the system.

#include "benchsupport.h"
#include "mapscript.h"
#include "pingstallprobe.h"
#include "positionline.h"
#include "prompt.h"
#include "ptywindow.h"
#include "webpagecheck.h"
#include "windowbench.h"
#include "windowprobe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTimer>
#include <QWebEngineView>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

// Long enough for the slowest road to finish on a loaded machine.
constexpr qint64 longestWaitMs = 600000;

// A vehicle's fixes, one a second with five decimals as clients send them:
// it drives with slowly changing heading and speed, and stops for a minute
// every ten.
QList<QByteArray> trackLines(int count)
{
    QRandomGenerator random(streamSeed);
    double latitude = 39.9;
    double longitude = 116.4;
    double heading = 0;
    double speed = 10; // m/s
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const bool stopped = i % 600 >= 540;
        heading += (random.generateDouble() - 0.5) * 0.2;
        speed = std::clamp(speed + random.generateDouble() - 0.5, 2.0, 30.0);
        if (!stopped) {
            latitude += speed * std::cos(heading) / 111320;
            longitude += speed * std::sin(heading) / (111320 * std::cos(latitude * M_PI / 180));
        }
        lines.append("Latitude:" + QByteArray::number(latitude, 'f', 5) +
                     ",Longitude:" + QByteArray::number(longitude, 'f', 5) + "\r\n");
    }
    return lines;
}

struct Figures
{
    double seconds = 0;
    double mbBefore = 0;
    double mbPeak = 0;
    double mbAfter = 0;
    double helpersMbAfter = 0;
    std::optional<PingStallProbe::Figures> outside;
    qint64 ownStallMs = 0;
    bool finished = false;
};

// The process's highest resident memory since the last reset, in kB: seen
// even while the window is stalled and the sampling timer cannot run.
long highWaterKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    // Files under /proc tell no size: read to the end.
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void resetHighWater()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// Starts a case and runs the event loop until `done` says it is over, then
// until the page has run every call issued before: sampling this process's
// memory every 10 ms and measuring the window's stalls meanwhile.
Figures measure(QWidget &window, QWebEnginePage &page, const std::function<void()> &start,
                const std::function<bool()> &done)
{
    Figures figures;
    // What earlier cases freed goes back to the system, so that this one's
    // growth shows whatever came before it.
    malloc_trim(0);
    figures.mbBefore = currentRssKb() / 1024.0;
    figures.mbPeak = figures.mbBefore;
    resetHighWater();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&figures] {
        figures.mbPeak = qMax(figures.mbPeak, currentRssKb() / 1024.0);
    });
    sampler.start(10);
    PingStallProbe outside(&window);
    const StallProbe own;
    QElapsedTimer clock;
    clock.start();
    start();
    figures.finished = runUntil(done, longestWaitMs) &&
                       evaluateInPage(page, QStringLiteral("0"), int(longestWaitMs)).isValid();
    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.outside = outside.figures();
    figures.ownStallMs = own.longestMs();
    figures.mbAfter = currentRssKb() / 1024.0;
    figures.mbPeak = std::max({figures.mbPeak, figures.mbAfter, highWaterKb() / 1024.0});
    figures.helpersMbAfter = helperFigures().rssKb / 1024.0;
    return figures;
}

void print(const char *name, const Figures &figures)
{
    std::printf("  %-22s %8.2f s  memory %6.0f -> peak %6.0f -> %6.0f MB (+%4.0f)  helpers "
                "%6.0f MB  longest stall %s, own timer %lld ms%s\n",
                name, figures.seconds, figures.mbBefore, figures.mbPeak, figures.mbAfter,
                figures.mbPeak - figures.mbBefore, figures.helpersMbAfter,
                qPrintable(PingStallProbe::describe(figures.outside)),
                static_cast<long long>(figures.ownStallMs), figures.finished ? "" : "  GAVE UP");
}

void printRatios(const Figures &mended, const Figures &reference)
{
    const double outside = mended.outside && reference.outside
                               ? ratio(mended.outside->longestMs, reference.outside->longestMs)
                               : 0.0;
    std::printf("  window / reference: time %.3f, memory growth %.3f, longest stall outside "
                "%.3f, own timer %.3f\n\n",
                ratio(mended.seconds, reference.seconds),
                ratio(mended.mbPeak - mended.mbBefore, reference.mbPeak - reference.mbBefore),
                outside, ratio(double(mended.ownStallMs), double(reference.ownStallMs)));
}

// The replay as the import used to send it: the five calls of a segment for
// each pair of consecutive real points, a segment whose ends are equal left
// out once one has been drawn.
void unmendedImport(QWebEnginePage &page, const QList<QByteArray> &lines)
{
    std::optional<LatLong> from;
    bool drawn = false;
    for (const QByteArray &line : lines) {
        const std::optional<PositionLine> texts = PositionLine::parse(line);
        const std::optional<LatLong> to = texts ? texts->position() : std::nullopt;
        if (!to)
            continue;
        if (from &&
            !(drawn && from->latitude == to->latitude && from->longitude == to->longitude)) {
            for (const QString &call :
                 {QStringLiteral("Set_Latit2(%1)").arg(from->latitude, 0, 'g', 17),
                  QStringLiteral("Set_Longit2(%1)").arg(from->longitude, 0, 'g', 17),
                  QStringLiteral("Set_Latit3(%1)").arg(to->latitude, 0, 'g', 17),
                  QStringLiteral("Set_Longit3(%1)").arg(to->longitude, 0, 'g', 17),
                  QStringLiteral("saveway()")})
                page.runJavaScript(call);
            drawn = true;
        }
        from = to;
    }
}

// The three calls per line that the position server used to run.
void unmendedFlood(QWebEnginePage &page, const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines) {
        const std::optional<PositionLine> texts = PositionLine::parse(line);
        if (const std::optional<LatLong> at = texts ? texts->position() : std::nullopt) {
            for (const QString &call :
                 MapScript::position(at->latitude, at->longitude, false, true))
                page.runJavaScript(call);
        }
    }
}

// Sends the bytes to the loopback port from a thread of its own, as a
// client that streams as fast as the window takes them: once, or again and
// again for `seconds`.
class LoopbackClient
{
public:
    LoopbackClient(quint16 port, QByteArray bytes, int seconds = 0)
        : m_thread([this, port, bytes = std::move(bytes), seconds] {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(port);
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
                const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
                do {
                    writeAll(fd, bytes);
                    ++m_rounds;
                } while (std::chrono::steady_clock::now() < until);
            }
            m_sent = true;
            // Closed only once the window has read everything.
            std::this_thread::sleep_for(std::chrono::seconds(1));
            ::close(fd);
        })
    {}
    ~LoopbackClient() { m_thread.join(); }

    [[nodiscard]] bool sent() const { return m_sent; }
    [[nodiscard]] int rounds() const { return m_rounds; }

private:
    std::atomic<bool> m_sent = false;
    std::atomic<int> m_rounds = 0;
    std::thread m_thread;
};

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Writes `megabytes` MB of random bytes with no line feed among them.
void writeWithoutLineEnd(const QString &path, int megabytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (int i = 0; i < megabytes; ++i) {
        if (file.write(randomBytes(1 << 20, streamSeed + quint32(i)).replace('\n', ' ')) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
}

// Writes the lines, then the last of them again and again, whole, up to the
// size of the file at `sizeOf`.
void writeParkedTrack(const QString &path, const QList<QByteArray> &lines, const QString &sizeOf)
{
    QFile file(path);
    const qint64 size = QFileInfo(sizeOf).size();
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.join()) < 0)
        qFatal("cannot write %s", qPrintable(path));
    const QByteArray &fix = lines.last();
    const QByteArray parked = fix.repeated((1 << 20) / fix.size());
    while (file.size() < size) {
        const qint64 linesLeft = (size - file.size() + fix.size() - 1) / fix.size();
        if (file.write(parked.first(qMin(parked.size(), linesLeft * fix.size()))) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
}

// A question to the page: whether its current position is this one.
QString isPagePosition(const LatLong &position)
{
    return QStringLiteral("Latit === %1 && Longit === %2")
        .arg(position.latitude, 0, 'g', 17)
        .arg(position.longitude, 0, 'g', 17);
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const int points = argc > 1 ? qMax(2, QByteArray(argv[1]).toInt()) : 200000;
    const int lines = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 200000;
    const int seconds = argc > 3 ? qMax(1, QByteArray(argv[3]).toInt()) : 20;
    const int wrongMegabytes = argc > 4 ? qMax(1, QByteArray(argv[4]).toInt()) : 300;
    answerPromptsWithOk();

    // The map page's alerts (no network here for its IP location) are boxes
    // of their own, which a user would close.
    QTimer closeAlerts;
    QObject::connect(&closeAlerts, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closeAlerts.start(200);

    // The client streams the same drive as the file holds, as far as it goes.
    const QList<QByteArray> drive = trackLines(qMax(points, lines));
    const QList<QByteArray> track = drive.mid(0, points);
    const QList<QByteArray> positions = drive.mid(0, lines);
    const QString trackPath = QDir::home().filePath(QStringLiteral("track.txt"));
    QString pickedPath = trackPath;
    {
        QFile file(trackPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(track.join()) < 0)
            qFatal("cannot write %s", qPrintable(trackPath));
    }
    Prompt::setFileHandler([&pickedPath](const Prompt::FileRequest &) { return pickedPath; });

    PtyWindow ptyWindow;
    MainWindow &window = ptyWindow.window();
    ptyWindow.showPage(QStringLiteral("gps"));
    auto *view = window.findChild<QWebEngineView *>();
    if (!view)
        qFatal("the GPS page made no map view");
    QWebEnginePage &page = *view->page();
    if (!runUntil(
            [&page] {
                return evaluateInPage(page, QStringLiteral("typeof Set_Location")).toString() ==
                       QLatin1String("function");
            },
            60000, 100))
        qFatal("the map page did not load");
    // Its IP location fails and alerts; then it is quiet.
    runUntil([] { return false; }, 2000);

    std::printf("import of %d points (%.1f MB)\n", points, megabytes(track.join().size()));
    auto *importButton = child<QPushButton>(window, "GPStrochoidpushButton");
    const Figures import = measure(
        window, page, [importButton] { importButton->click(); },
        [&window] {
            return statusText(window) == QLatin1String("Success for read the data in the file");
        });
    print("window", import);

    // Until the import ends its button is disabled.
    const auto importFile = [&](const QString &path) {
        pickedPath = path;
        const Figures figures = measure(
            window, page, [importButton] { importButton->click(); },
            [importButton] { return importButton->isEnabled(); });
        std::printf("  status: %s\n", qPrintable(statusText(window)));
        QFile::remove(path);
        return figures;
    };
    const QString wrongPath = QDir::home().filePath(QStringLiteral("wrong.bin"));
    writeWithoutLineEnd(wrongPath, wrongMegabytes);
    const QString parkedPath = QDir::home().filePath(QStringLiteral("parked.txt"));
    writeParkedTrack(parkedPath, track, wrongPath);
    std::printf("import of %d MB without a line end\n", wrongMegabytes);
    const Figures wrong = importFile(wrongPath);
    print("window", wrong);
    std::printf("import of a track of the same size: the drive, then parked\n");
    const Figures parked = importFile(parkedPath);
    print("window", parked);
    std::printf("  without a line end / track of the same size:\n");
    printRatios(wrong, parked);

    const QByteArray flood = positions.join();
    const std::optional<PositionLine> last = PositionLine::parse(positions.last());
    const QString lastOnPage = isPagePosition(*last->position());
    std::printf("flood of %d lines (%.1f MB) from one client\n", lines, megabytes(flood.size()));
    const quint16 port = freePort();
    child<QLineEdit>(window, "GPSTCPServerPortlineEdit")->setText(QString::number(port));
    child<QPushButton>(window, "GPSTCPopencompushButton")->click();
    std::unique_ptr<LoopbackClient> client;
    auto *latitude = child<QLabel>(window, "Weidu");
    const auto allShown = [&] {
        return client->sent() && latitude->text() == last->latitude &&
               evaluateInPage(page, lastOnPage).toBool();
    };
    const Figures server = measure(
        window, page, [&] { client = std::make_unique<LoopbackClient>(port, flood); }, allShown);
    client.reset();
    print("window", server);
    std::printf("the same lines again and again for %d s\n", seconds);
    const Figures stream = measure(
        window, page, [&] { client = std::make_unique<LoopbackClient>(port, flood, seconds); },
        allShown);
    const int rounds = client->rounds();
    client.reset();
    print("window", stream);
    std::printf("  %.0f lines a second taken\n\n", double(rounds) * lines / stream.seconds);

    std::printf("references: the roads the map was driven by before, on the same page\n");
    const Figures importReference = measure(
        window, page, [&] { unmendedImport(page, track); }, [] { return true; });
    print("import, five per segment", importReference);
    printRatios(import, importReference);
    const Figures floodReference = measure(
        window, page, [&] { unmendedFlood(page, positions); }, [] { return true; });
    print("flood, three per line", floodReference);
    printRatios(server, floodReference);
    std::printf("  the stream of %d s beside it:\n", seconds);
    printRatios(stream, floodReference);
    return 0;
}
