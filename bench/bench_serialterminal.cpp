// Pushes a stream of text lines through a pty into the open serial terminal
// and prints how fast the views take it, against the raw speed of the pty
// measured in the same run, the longest stall of the GUI thread and the
// memory used. Usage: bench_serialterminal [megabytes, default 20]

#include "mainwindow.h"
#include "portlist.h"
#include "ptypair.h"
#include "temporaryhome.h"
#include "threadserial.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

// Lines of 64 bytes with a running number, so lost or reordered bytes show.
QByteArray makeStream(qsizetype size)
{
    QByteArray stream;
    stream.reserve(size + 64);
    for (qint64 n = 0; stream.size() < size; ++n) {
        QByteArray line = "line " + QByteArray::number(n).rightJustified(10, '0') + " ";
        line += QByteArray(63 - line.size(), 'x');
        stream += line + '\n';
    }
    stream.truncate(size - size % 64);
    return stream;
}

// Writes the whole stream to a non-blocking fd, waiting while it is full.
void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, std::min<qsizetype>(bytes.size() - done, 65536));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        pollfd wait{fd, POLLOUT, 0};
        poll(&wait, 1, 100);
    }
}

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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

// The pty alone: a thread writes the stream, this thread reads the slave.
double rawPtyThroughput(const QByteArray &stream)
{
    PtyPair pty;
    const int slave = ::open(pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    QElapsedTimer clock;
    clock.start();
    std::thread writer([&pty, &stream] { writeAll(pty.masterFd(), stream); });
    qint64 received = 0;
    char buffer[65536];
    while (received < stream.size()) {
        const ssize_t n = ::read(slave, buffer, sizeof buffer);
        if (n <= 0)
            break;
        received += n;
    }
    writer.join();
    ::close(slave);
    return megabytes(received) / (clock.nsecsElapsed() / 1e9);
}

struct RunResult
{
    double seconds = 0;
    qint64 received = 0;
    bool intact = false;
    bool lastLineShown = false;
    qint64 longestStallMs = 0;
    int textBlocks = 0;
    int hexBlocks = 0;
};

RunResult runThroughTerminal(MainWindow &window, PtyPair &pty, const QByteArray &stream,
                             bool timeStamps)
{
    auto *open = window.findChild<QPushButton *>(QStringLiteral("opencompushButton"));
    auto *textView = window.findChild<QPlainTextEdit *>(QStringLiteral("COM_StrTextBrowser"));
    auto *hexView = window.findChild<QPlainTextEdit *>(QStringLiteral("COM_HexTextBrowser"));
    window.findChild<QCheckBox *>(QStringLiteral("showtime_checkBox"))->setChecked(timeStamps);
    window.findChild<QPushButton *>(QStringLiteral("cleandatapushButton"))->click();
    open->click();

    RunResult result;
    // Closed workers of earlier runs may still wait for deletion.
    ThreadSerial *worker = nullptr;
    for (ThreadSerial *candidate : window.findChildren<ThreadSerial *>()) {
        if (candidate->opened && candidate->serialPort->isOpen())
            worker = candidate;
    }
    if (!worker) {
        std::printf("could not open %s\n", qPrintable(pty.slavePath()));
        return result;
    }
    QCryptographicHash received(QCryptographicHash::Sha1);
    QObject::connect(worker, &ThreadSerial::Serial_read_Data, &window,
                     [&result, &received](const QByteArray &data) {
                         result.received += data.size();
                         received.addData(data);
                     });

    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, &window, [&sinceTick, &result] {
        result.longestStallMs = std::max(result.longestStallMs, sinceTick.elapsed());
        sinceTick.restart();
    });
    probe.start(10);

    const QByteArray lastLine = stream.right(64).chopped(1);
    QElapsedTimer clock;
    clock.start();
    std::thread writer([&pty, &stream] { writeAll(pty.masterFd(), stream); });
    // The end of the view with each stamp and the line break before it taken
    // out is the end of the stream, however the reads split its last line.
    const auto lastLineShown = [textView, &lastLine] {
        static const QRegularExpression stamp(
            QStringLiteral("\\n?\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]"));
        QString tail;
        QTextBlock block = textView->document()->lastBlock();
        for (int i = 0; i < 4 && block.isValid(); ++i, block = block.previous())
            tail.prepend(block.text()).prepend(QLatin1Char('\n'));
        return tail.remove(stamp).endsWith(QString::fromLatin1(lastLine + '\n'));
    };
    while (!(result.received >= stream.size() && lastLineShown()) && clock.elapsed() < 600000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    result.seconds = clock.nsecsElapsed() / 1e9;
    writer.join();
    probe.stop();

    result.intact = received.result() == QCryptographicHash::hash(stream, QCryptographicHash::Sha1);
    result.lastLineShown = lastLineShown();
    result.textBlocks = textView->blockCount();
    result.hexBlocks = hexView->blockCount();
    open->click();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    TemporaryHome home;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int sizeMb = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    const QByteArray stream = makeStream(qsizetype(sizeMb) * 1024 * 1024);

    const double raw = rawPtyThroughput(stream);
    std::printf("stream: %.1f MB in 64-byte lines\n", megabytes(stream.size()));
    std::printf("raw pty throughput: %.1f MB/s\n", raw);

    PtyPair pty;
    const QString path = pty.slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    MainWindow window;
    window.resize(1200, 800);
    window.show();
    QTest::qWait(500);
    window.findChild<QCheckBox *>(QStringLiteral("HEXcheckBox"))->setChecked(true);
    std::printf("RSS before: %ld KB\n", currentRssKb());

    for (const bool timeStamps : {false, true}) {
        const RunResult run = runThroughTerminal(window, pty, stream, timeStamps);
        std::printf("time stamps %-3s: %.2f MB/s into the views (%.1f s), %s, last line %s, "
                    "longest GUI stall %lld ms, blocks text %d hex %d, RSS now %ld KB\n",
                    timeStamps ? "on" : "off", megabytes(run.received) / run.seconds, run.seconds,
                    run.intact ? "no byte lost" : "BYTES LOST OR CHANGED",
                    run.lastLineShown ? "shown" : "NOT SHOWN",
                    static_cast<long long>(run.longestStallMs), run.textBlocks, run.hexBlocks,
                    currentRssKb());
    }
    std::printf("peak RSS: %ld KB\n", peakRssKb());
    PortList::setLister({});
    return 0;
}
