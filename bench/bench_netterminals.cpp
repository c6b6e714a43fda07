// Feeds the UDP and TCP terminals from loopback peers on other threads and
// prints what arrived, the rate at which the views showed it and the longest
// stall of the window's event loop (measured by a 10 ms timer).
//
//   bench_netterminals [datagrams] [datagrams per second] [stream lines]

#include "mainwindow.h"
#include "temporaryhome.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <atomic>
#include <cstdio>

namespace {

// Lines the peers send: 11 bytes each, shown as 10 characters (CR dropped).
QByteArray line(int number)
{
    return QByteArray("l") + QByteArray::number(number).rightJustified(8, '0') + "\r\n";
}
constexpr int shownPerLine = 10;

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

protected:
    void run() override
    {
        QUdpSocket socket;
        QElapsedTimer clock;
        clock.start();
        int next = 0;
        while (next < m_count) {
            const qint64 due = qMin<qint64>(m_count, clock.nsecsElapsed() * m_rate / 1000000000);
            for (; next < due; ++next) {
                if (socket.writeDatagram(line(next), QHostAddress::LocalHost, m_port) > 0)
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

// Serves one client a stream of numbered lines as fast as it takes them.
class StreamPeer : public QThread
{
public:
    explicit StreamPeer(int lines)
        : m_lines(lines)
    {}
    std::atomic<quint16> port{0};
    std::atomic<qint64> sent{0};

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        port = server.serverPort();
        if (!server.waitForNewConnection(10000))
            return;
        QTcpSocket *client = server.nextPendingConnection();
        QByteArray block;
        for (int i = 0; i < m_lines; ++i) {
            block += line(i);
            if (block.size() >= 16384 || i == m_lines - 1) {
                sent += client->write(block);
                block.clear();
                while (client->bytesToWrite() > 0)
                    client->waitForBytesWritten(1000);
            }
        }
        client->waitForDisconnected(60000);
    }

private:
    int m_lines;
};

// Longest gap between the ticks of a 10 ms timer on the GUI thread.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this,
                [this] { m_longest = qMax(m_longest, m_clock.restart()); });
        m_clock.start();
        m_timer.start();
    }
    [[nodiscard]] qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// Characters put into a view, whatever its block limit drops later.
class ShownCounter : public QObject
{
public:
    explicit ShownCounter(QPlainTextEdit *view)
    {
        connect(view->document(), &QTextDocument::contentsChange, this,
                [this](int, int, int added) { characters += added; });
    }
    qint64 characters = 0;
};

template <typename T> T *child(const QObject &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

// Runs the event loop until `done` or the deadline.
template <typename Done> bool runUntil(Done done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

void benchUdp(MainWindow &window, int count, int rate)
{
    auto *tabs = child<QTabWidget>(window, "tabWidget");
    tabs->setCurrentWidget(child<QWidget>(window, "udp"));
    child<QLineEdit>(window, "UDPSenderPortlineEdit")->setText(QStringLiteral("0"));
    child<QPushButton>(window, "UDPopencompushButton")->click();
    quint16 port = 0;
    for (const QUdpSocket *socket : window.findChildren<QUdpSocket *>()) {
        if (socket->state() == QAbstractSocket::BoundState)
            port = socket->localPort();
    }
    ShownCounter shown(child<QPlainTextEdit>(window, "UDP_StrTextBrowser"));
    StallMeter stalls;
    DatagramPeer peer(port, count, rate);
    QElapsedTimer clock;
    clock.start();
    peer.start();
    qint64 lastShownAt = 0;
    qint64 lastShown = 0;
    runUntil(
        [&] {
            if (shown.characters != lastShown) {
                lastShown = shown.characters;
                lastShownAt = clock.elapsed();
            }
            return shown.characters >= qint64(count) * shownPerLine ||
                   (peer.isFinished() && clock.elapsed() - lastShownAt > 2000);
        },
        count * 1000 / rate + 30000);
    peer.wait();
    const qint64 received = shown.characters / shownPerLine;
    std::printf("UDP: sent %d, shown %lld, lost %lld, %.0f datagrams/s shown (paced at %d/s), "
                "longest GUI stall %lld ms\n",
                peer.sent.load(), static_cast<long long>(received),
                static_cast<long long>(peer.sent.load() - received),
                received * 1000.0 / qMax<qint64>(lastShownAt, 1), rate,
                static_cast<long long>(stalls.longestMs()));
}

void benchTcp(MainWindow &window, int lines)
{
    child<QTabWidget>(window, "tabWidget")->setCurrentWidget(child<QWidget>(window, "tcp"));
    StreamPeer peer(lines);
    peer.start();
    while (peer.port == 0)
        QThread::msleep(1);
    child<QComboBox>(window, "TCP_comboBox")->setCurrentText(QStringLiteral("TCP Client"));
    child<QLineEdit>(window, "TCPclientIPlineEdit")->setText(QStringLiteral("127.0.0.1"));
    child<QLineEdit>(window, "TCPclientPortlineEdit")->setText(QString::number(peer.port));
    ShownCounter shown(child<QPlainTextEdit>(window, "TCP_StrTextBrowser"));
    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();
    child<QPushButton>(window, "TCPopencompushButton")->click();
    const qint64 expected = qint64(lines) * shownPerLine;
    runUntil([&] { return shown.characters >= expected; }, 120000);
    const qint64 elapsed = qMax<qint64>(clock.elapsed(), 1);
    child<QPushButton>(window, "TCPopencompushButton")->click();
    peer.wait();
    const double megabytes = double(shown.characters) / shownPerLine * line(0).size() / 1e6;
    std::printf("TCP: sent %.2f MB, shown %.2f MB (%lld of %d lines), %.2f MB/s shown, "
                "longest GUI stall %lld ms\n",
                peer.sent.load() / 1e6, megabytes,
                static_cast<long long>(shown.characters / shownPerLine), lines,
                megabytes * 1000.0 / elapsed, static_cast<long long>(stalls.longestMs()));
}

} // namespace

int main(int argc, char *argv[])
{
    TemporaryHome home;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int rate = argc > 2 ? QByteArray(argv[2]).toInt() : 20000;
    const int lines = argc > 3 ? QByteArray(argv[3]).toInt() : 500000;

    MainWindow window;
    window.show();
    runUntil([] { return false; }, 500);
    benchUdp(window, count, rate);
    benchTcp(window, lines);
    return 0;
}
