// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_mqtt [messages [messages/s
//      [flood seconds]]]
//
// Numbered messages from mosquitto_pub through a local mosquitto broker into
// the MQTT tab of the shown window and, in the same run, into mosquitto_sub:
//   paced   the messages at a steady rate (default 100000 at 5000/s)
//   burst   the same number as fast as mosquitto_pub sends
// For each: when the tab showed the last message and when mosquitto_sub had
// it, their rates and the ratio (tab / mosquitto_sub), whether the messages
// the view keeps are the newest, whole and in order, the longest stall of
// the GUI thread and the memory used. Then payloads of "A" without a break,
// up to the view's limit and past it: the longest stall while each comes in
// with a small message after it, and a burst of 20000 messages after it
// beside the same burst on a fresh view. Last a flood: a loopback peer of
// the benchmark's own that publishes 1 KB messages as fast as TCP takes
// them (default for 12 s), into the tab and then into mosquitto_sub: the
// rate of each and their ratio, the memory over idle during the flood, once
// the tab has caught up and after Disconnect, and the longest stalls. Then
// long packets over ws://: a broker of the benchmark's own that, after the
// SUBACK, sends a PUBLISH whose remaining length says 100 MB in 64 KB frames
// (the reference), and one frame whose header says 600 MB, each streamed as
// TCP takes it: when the tab ended the session and what it said, what the
// broker had sent by then, the memory over idle at most and the longest
// stalls, and the frame's figures over the reference's.

#include "benchsupport.h"
#include "mainwindow.h"
#include "mosquittobroker.h"
#include "mqttfloodpeer.h"
#include "mqttmessageview.h"
#include "pingstallprobe.h"
#include "scriptedmqttbroker.h"
#include "windowbench.h"
#include "windowprobe.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>

#include <cstdio>
#include <functional>
#include <optional>

using namespace Bench;

namespace {

constexpr int digits = 7;
constexpr int afterPayloadBurst = 20000;
// A run gives up when nothing new is shown or counted for this long.
constexpr qint64 progressDeadlineMs = 30 * 1000;
const QString topic = QStringLiteral("bench/stream");

QByteArray messageLine(int number)
{
    return 'm' + QByteArray::number(number).rightJustified(digits, '0') + '\n';
}

// The message numbers in a piece of the view's text.
QList<int> messageNumbers(QStringView text)
{
    static const QLatin1String mark("receive:m");
    QList<int> numbers;
    for (qsizetype at = text.indexOf(mark); at >= 0; at = text.indexOf(mark, at + 1))
        numbers.append(text.sliced(at + mark.size(), digits).toInt());
    return numbers;
}

// Whether the numbered messages the view holds run without a gap up to
// `last`, and how many there are.
QString keptVerdict(const QTextDocument *document, int last)
{
    int kept = 0;
    int next = -1;
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        const QList<int> numbers = messageNumbers(block.text());
        if (numbers.isEmpty())
            continue;
        if (next >= 0 && numbers.first() != next)
            return QStringLiteral("A GAP: m%1 after m%2").arg(numbers.first()).arg(next - 1);
        next = numbers.first() + 1;
        ++kept;
    }
    if (next != last + 1)
        return QStringLiteral("THE LAST IS m%1, NOT m%2").arg(next - 1).arg(last);
    return QStringLiteral("the newest %1 whole and in order").arg(kept);
}

double perSecond(int messages, qint64 ms)
{
    return ms > 0 ? messages * 1000.0 / double(ms) : 0.0;
}

// mosquitto_sub counting the messages it prints, a line each; debug lines
// tell when its subscription stands.
class SubscriberCount
{
public:
    explicit SubscriberCount(const MosquittoBroker &broker)
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { read(); });
        m_process.start(QStringLiteral("stdbuf"), QStringList{"-oL", "mosquitto_sub"}
                                                      << broker.clientArguments() << "-d"
                                                      << "-t" << topic << "-F"
                                                      << "%p");
    }
    ~SubscriberCount()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool subscribed = false;
    int messages = 0;

private:
    void read()
    {
        m_rest += m_process.readAllStandardOutput();
        const qsizetype end = m_rest.lastIndexOf('\n');
        for (const QByteArray &line : m_rest.left(end + 1).split('\n')) {
            subscribed = subscribed || line.startsWith("Subscribed (mid");
            messages += line.startsWith('m') ? 1 : 0;
        }
        m_rest.remove(0, end + 1);
    }

    QProcess m_process;
    QByteArray m_rest;
};

// A scripted broker on a thread of its own, made, listening and deleted
// there, so that the window's thread does none of its work.
class BrokerThread
{
public:
    BrokerThread()
    {
        m_thread.start();
        m_broker = new ScriptedMqttBroker;
        m_broker->moveToThread(&m_thread);
    }
    ~BrokerThread()
    {
        QMetaObject::invokeMethod(
            m_broker, [broker = m_broker] { delete broker; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    BrokerThread(const BrokerThread &) = delete;
    BrokerThread &operator=(const BrokerThread &) = delete;

    // Runs `work` with the broker on its thread and waits for it.
    void run(const std::function<void(ScriptedMqttBroker &)> &work)
    {
        QMetaObject::invokeMethod(
            m_broker, [this, &work] { work(*m_broker); }, Qt::BlockingQueuedConnection);
    }
    // Only what may be read from another thread.
    [[nodiscard]] const ScriptedMqttBroker &broker() const { return *m_broker; }

private:
    QThread m_thread;
    ScriptedMqttBroker *m_broker;
};

// What one long packet came to.
struct LongPacketFigures
{
    double endedSeconds = -1;
    qint64 sentBytes = 0;
    double memoryMb = 0;
    qint64 insideMs = 0;
    std::optional<PingStallProbe::Figures> outside;
    QString status;
};

// The runs against the shown window's MQTT tab.
class MqttBench
{
public:
    MqttBench(MainWindow &window, MosquittoBroker &broker)
        : m_window(window)
        , m_broker(broker)
    {}

    // Connects to mosquitto's plain listener, or over `protocol` (the
    // protocol box's index) to another broker's port, and waits for the
    // broker's acceptance; then subscribes to the topic.
    [[nodiscard]] bool connectTab(quint16 port = 0, int protocol = 0);
    void disconnectTab();
    [[nodiscard]] bool subscribeTab();
    // rate 0: as fast as mosquitto_pub sends.
    void run(const char *name, int count, int rate);
    void longPayloads();
    void flood(int seconds);
    void longPackets();

private:
    template <typename T> T *widget(const char *name) const { return child<T>(m_window, name); }
    [[nodiscard]] QString status() const { return m_window.statusBar()->currentMessage(); }
    [[nodiscard]] QTextDocument *document() const
    {
        return widget<QTextEdit>("mqtt_textEdit")->document();
    }
    // Milliseconds until the tab showed the last of `count` messages, -1 if
    // it did not; `subscriberMs` the same for mosquitto_sub when given.
    qint64 feed(int count, int rate, const QElapsedTimer &clock,
                SubscriberCount *subscriber = nullptr, qint64 *subscriberMs = nullptr);
    // Subscribes over ws:// to a broker that answers with `head` and
    // `filler` bytes in frames of `frameBytes` (0: one frame that says
    // `announced` bytes), until the tab ends the session.
    LongPacketFigures longPacket(const QByteArray &head, qint64 filler, qint64 frameBytes,
                                 qint64 announced);

    MainWindow &m_window;
    MosquittoBroker &m_broker;
};

bool MqttBench::connectTab(quint16 port, int protocol)
{
    widget<QTabWidget>("tabWidget")->setCurrentWidget(widget<QWidget>("Mqtt"));
    widget<QComboBox>("mqtt_protocol_combox")->setCurrentIndex(protocol);
    widget<QLineEdit>("mqtt_host_lineEdit")->setText(QStringLiteral("127.0.0.1"));
    widget<QLineEdit>("mqtt_port_lineEdit")
        ->setText(QString::number(port > 0 ? port : m_broker.port(MosquittoBroker::Tcp)));
    widget<QLineEdit>("mqtt_username_lineEdit")->setText(MosquittoBroker::username());
    widget<QLineEdit>("mqtt_password_lineEdit")->setText(MosquittoBroker::password());
    widget<QLineEdit>("mqtt_clientid_lineEdit")->setText(QStringLiteral("bench"));
    widget<QLineEdit>("mqtt_subscribe_lineEdit")->setText(topic);
    widget<QPushButton>("mqtt_opencompushButton")->click();
    return runUntil([this] { return status() == QStringLiteral("MQTT Connected"); }, 10000);
}

void MqttBench::disconnectTab()
{
    if (widget<QPushButton>("mqtt_opencompushButton")->text() == QStringLiteral("Disconnect"))
        widget<QPushButton>("mqtt_opencompushButton")->click();
}

bool MqttBench::subscribeTab()
{
    widget<QPushButton>("mqtt_subscribed_pushButton")->click();
    return runUntil([this] { return status().endsWith(QStringLiteral("subcribed success.")); },
                    10000);
}

// The times are on `clock`, started by the caller.
qint64 MqttBench::feed(int count, int rate, const QElapsedTimer &clock, SubscriberCount *subscriber,
                       qint64 *subscriberMs)
{
    ShownNumbers shown(document(), count, messageNumbers);
    QProcess publisher;
    publisher.start(QStringLiteral("mosquitto_pub"), m_broker.clientArguments()
                                                         << "-t" << topic << "-l");
    publisher.waitForStarted();
    int written = 0;
    const auto writeDue = [&] {
        const int due = rate > 0 ? int(qMin<qint64>(count, clock.elapsed() * rate / 1000)) : count;
        QByteArray lines;
        for (; written < due; ++written)
            lines += messageLine(written);
        publisher.write(lines);
        if (written == count)
            publisher.closeWriteChannel();
    };
    qint64 shownMs = -1;
    qint64 progressAt = 0;
    int lastProgress = 0;
    runUntil(
        [&] {
            if (written < count)
                writeDue();
            if (shownMs < 0 && shown.isShown(count - 1))
                shownMs = clock.elapsed();
            if (subscriber && *subscriberMs < 0 && subscriber->messages >= count)
                *subscriberMs = clock.elapsed();
            const int progress = shown.distinct() + (subscriber ? subscriber->messages : 0);
            if (progress != lastProgress) {
                lastProgress = progress;
                progressAt = clock.elapsed();
            }
            return (shownMs >= 0 && (!subscriber || *subscriberMs >= 0)) ||
                   clock.elapsed() - progressAt > progressDeadlineMs;
        },
        qint64(count) * 1000 / qMax(rate, 1000) + 10 * progressDeadlineMs, 1);
    publisher.waitForFinished(10000);
    return shownMs;
}

void MqttBench::run(const char *name, int count, int rate)
{
    m_window.findChild<MqttMessageView *>()->clear();
    std::printf("[%s] %d messages of %d bytes, %s:\n", name, count, digits + 1,
                rate > 0 ? qPrintable(QStringLiteral("paced at %1/s").arg(rate))
                         : "as fast as mosquitto_pub sends");
    SubscriberCount subscriber(m_broker);
    if (!runUntil([&subscriber] { return subscriber.subscribed; }, 10000)) {
        std::printf("    MOSQUITTO_SUB DID NOT SUBSCRIBE\n");
        return;
    }
    int received = 0;
    QElapsedTimer clock;
    qint64 receivedMs = -1;
    const QMetaObject::Connection counting =
        QObject::connect(m_window.findChild<MqttClient *>(), &MqttClient::messageReceived,
                         [&received, &receivedMs, &clock, count] {
                             if (++received == count)
                                 receivedMs = clock.elapsed();
                         });
    const StallProbe probe;
    clock.start();
    qint64 subscriberMs = -1;
    const qint64 tabMs = feed(count, rate, clock, &subscriber, &subscriberMs);
    QObject::disconnect(counting);
    const double tabRate = perSecond(count, tabMs);
    const double subscriberRate = perSecond(count, subscriberMs);
    std::printf(
        "    tab: received %d, the last after %.3f s, shown after %.3f s = %.0f messages/s%s\n"
        "    mosquitto_sub: the last after %.3f s = %.0f messages/s%s\n"
        "    tab / mosquitto_sub: %.2f\n"
        "    view: %s, %d lines; longest GUI stall %lld ms; RSS now %ld KB\n",
        received, double(receivedMs) / 1000.0, double(tabMs) / 1000.0, tabRate,
        tabMs < 0 ? " (NOT SHOWN)" : "", double(subscriberMs) / 1000.0, subscriberRate,
        subscriberMs < 0 ? " (NOT ALL)" : "", subscriberRate > 0 ? tabRate / subscriberRate : 0.0,
        qPrintable(keptVerdict(document(), count - 1)), document()->blockCount(),
        static_cast<long long>(probe.longestMs()), currentRssKb());
}

// Each payload of "A" with a small message after it, then a burst; the
// same burst on a fresh view is the reference.
void MqttBench::longPayloads()
{
    const auto burstMs = [this] {
        QElapsedTimer clock;
        clock.start();
        return feed(afterPayloadBurst, 0, clock);
    };
    m_window.findChild<MqttMessageView *>()->clear();
    const qint64 freshMs = burstMs();
    std::printf("[long payloads] %d messages on a fresh view: the last shown after %lld ms\n",
                afterPayloadBurst, static_cast<long long>(freshMs));
    const qsizetype limit = MqttMessageView::maximumPayloadChars;
    for (const qsizetype size :
         {qsizetype(100 * 1024), qsizetype(200 * 1024), limit, qsizetype(1024 * 1024)}) {
        m_window.findChild<MqttMessageView *>()->clear();
        qint64 stallMs = 0;
        {
            const StallProbe probe;
            QElapsedTimer clock;
            clock.start();
            if (!m_broker.publish(topic, QByteArray(size, 'A')) ||
                !m_broker.publish(topic, QByteArrayLiteral("after")))
                std::printf("    PUBLISHING FAILED\n");
            // Both shown: the small one may come first, the long one above it.
            const qsizetype shownChars = qMin(size, limit);
            runUntil(
                [this, shownChars] {
                    return document()->lastBlock().text().endsWith(u"receive:after") &&
                           document()->characterCount() > shownChars;
                },
                30000, 1);
            stallMs = probe.longestMs();
            std::printf("    %7lld bytes%s: shown with a message after it in %lld ms, "
                        "longest GUI stall %lld ms;",
                        static_cast<long long>(size), size == limit ? " (the view's limit)" : "",
                        static_cast<long long>(clock.elapsed()), static_cast<long long>(stallMs));
        }
        const StallProbe probe;
        const qint64 afterMs = burstMs();
        std::printf(" a burst after it: %lld ms (%.2f of fresh), stall %lld ms\n",
                    static_cast<long long>(afterMs),
                    freshMs > 0 ? double(afterMs) / double(freshMs) : 0.0,
                    static_cast<long long>(probe.longestMs()));
    }
}

// The peer serves the tab, then mosquitto_sub for as many messages as the
// tab took; both rates count from the press of Connect or the start of
// mosquitto_sub to the last message handled.
void MqttBench::flood(int seconds)
{
    constexpr int payloadBytes = 1024;
    const QByteArray floodTopic("bench/flood");
    std::printf("[flood] a peer publishing %d-byte messages as fast as TCP takes them for %d s:\n",
                payloadBytes, seconds);
    disconnectTab();
    m_window.findChild<MqttMessageView *>()->clear();
    runUntil([this] { return m_window.findChildren<MqttClient *>().isEmpty(); }, 10000);
    runUntil([] { return false; }, 1000);
    const long idleKb = currentRssKb();
    MqttFloodPeer peer;
    qint64 messages = 0;
    qint64 tabMs = -1;
    long peakKb = 0;
    long caughtUpKb = 0;
    QString outside;
    qint64 insideMs = 0;
    {
        const Bench::MemoryPeak peak;
        const StallProbe probe;
        PingStallProbe pings(&m_window);
        peer.serve(floodTopic, payloadBytes, qint64(seconds) * 1000);
        QElapsedTimer clock;
        clock.start();
        if (!connectTab(peer.port())) {
            std::printf("    THE TAB DID NOT CONNECT TO THE PEER\n");
            return;
        }
        QObject::connect(m_window.findChild<MqttClient *>(), &MqttClient::messageReceived,
                         [&messages] { ++messages; });
        static_cast<void>(subscribeTab());
        runUntil([&peer] { return !peer.flooding(); }, qint64(seconds) * 1000 + 30000);
        if (runUntil([&] { return messages >= peer.messagesSent(); }, progressDeadlineMs))
            tabMs = clock.elapsed();
        outside = PingStallProbe::describe(pings.figures());
        insideMs = probe.longestMs();
        runUntil([] { return false; }, 2000);
        caughtUpKb = currentRssKb();
        peakKb = peak.peakKb();
    }
    disconnectTab();
    runUntil([] { return false; }, 2000);
    const long disconnectedKb = currentRssKb();

    MqttFloodPeer subscriberPeer;
    subscriberPeer.serve(floodTopic, payloadBytes, qint64(seconds) * 10000);
    QProcess subscriber;
    subscriber.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    subscriber.start(QStringLiteral("mosquitto_sub"),
                     {"-h", "127.0.0.1", "-p", QString::number(subscriberPeer.port()), "-t",
                      QString::fromLatin1(floodTopic), "-C", QString::number(messages)});
    runUntil([&subscriber] { return subscriber.state() == QProcess::NotRunning; },
             qint64(seconds) * 10000 + progressDeadlineMs);
    const qint64 subscriberMs = subscriber.exitCode() == 0 ? clock.elapsed() : -1;
    subscriber.kill();
    subscriber.waitForFinished();

    const double tabRate = perSecond(int(messages), tabMs);
    const double subscriberRate = perSecond(int(messages), subscriberMs);
    const auto overIdle = [idleKb](long kb) {
        return double(kb - idleKb) / 1024.0;
    };
    std::printf(
        "    tab: %lld messages (%.0f MB), the last handled after %.3f s = %.0f messages/s%s\n"
        "    mosquitto_sub: as many from the same peer in %.3f s = %.0f messages/s%s\n"
        "    tab / mosquitto_sub: %.2f\n"
        "    memory over idle (%.0f MB): at most %+.0f MB, %+.0f MB once caught up, "
        "%+.0f MB after Disconnect\n"
        "    longest GUI stall: %lld ms inside, %s\n",
        static_cast<long long>(messages), double(messages) * payloadBytes / 1048576.0,
        double(tabMs) / 1000.0, tabRate, tabMs < 0 ? " (NOT ALL)" : "",
        double(subscriberMs) / 1000.0, subscriberRate, subscriberMs < 0 ? " (FAILED)" : "",
        subscriberRate > 0 ? tabRate / subscriberRate : 0.0, double(idleKb) / 1024.0,
        overIdle(peakKb), overIdle(caughtUpKb), overIdle(disconnectedKb),
        static_cast<long long>(insideMs), qPrintable(outside));
}

LongPacketFigures MqttBench::longPacket(const QByteArray &head, qint64 filler, qint64 frameBytes,
                                        qint64 announced)
{
    LongPacketFigures figures;
    disconnectTab();
    runUntil([this] { return m_window.findChildren<MqttClient *>().isEmpty(); }, 10000);
    runUntil([] { return false; }, 1000);
    const long idleKb = currentRssKb();
    BrokerThread thread;
    QString failure;
    thread.run([&](ScriptedMqttBroker &broker) {
        failure = broker.listen(ScriptedMqttBroker::WebSocket);
        broker.setAfterSuback(head, filler, frameBytes, announced);
    });
    if (!failure.isEmpty() || !connectTab(thread.broker().port(), 2)) {
        figures.status = QStringLiteral("THE TAB DID NOT CONNECT: ") + failure;
        return figures;
    }
    {
        const Bench::MemoryPeak peak;
        const StallProbe probe;
        PingStallProbe pings(&m_window);
        QElapsedTimer clock;
        clock.start();
        widget<QPushButton>("mqtt_subscribed_pushButton")->click();
        const auto *button = widget<QPushButton>("mqtt_opencompushButton");
        if (runUntil([button] { return button->text() == QStringLiteral("Connect"); },
                     10 * progressDeadlineMs))
            figures.endedSeconds = double(clock.elapsed()) / 1000.0;
        runUntil([&thread] { return thread.broker().clientLeft(); }, 10000);
        figures.sentBytes = thread.broker().streamed();
        runUntil([] { return false; }, 1000);
        figures.status = status();
        figures.outside = pings.figures();
        figures.insideMs = probe.longestMs();
        figures.memoryMb = double(peak.peakKb() - idleKb) / 1024.0;
    }
    std::printf("    ended after %.3f s%s, the broker had sent %.1f MB; status \"%s\"\n"
                "    memory over idle (%.0f MB): at most %+.1f MB; longest GUI stall %lld ms "
                "inside, %s\n",
                figures.endedSeconds, figures.endedSeconds < 0 ? " (NOT ENDED)" : "",
                megabytes(figures.sentBytes), qPrintable(figures.status), double(idleKb) / 1024.0,
                figures.memoryMb, static_cast<long long>(figures.insideMs),
                qPrintable(PingStallProbe::describe(figures.outside)));
    return figures;
}

void MqttBench::longPackets()
{
    constexpr qint64 megabyte = 1024 * 1024;
    const qint64 packetBody = 100 * megabyte;
    const qint64 frameBody = 600 * megabyte;
    std::printf("[long packets] over ws://, after the SUBACK:\n  a PUBLISH whose remaining length "
                "says 100 MB, in 64 KB frames (the reference):\n");
    const QByteArray packetHead = ScriptedMqttBroker::publishHeader(packetBody);
    const LongPacketFigures packet = longPacket(packetHead, packetBody, 64 * 1024, 0);
    std::printf("  one frame whose header says 600 MB, a PUBLISH in it:\n");
    const QByteArray frameHead = ScriptedMqttBroker::publishHeader(MqttPacket::maximumBody);
    const LongPacketFigures frame =
        longPacket(frameHead, frameBody - frameHead.size(), 0, frameBody);
    const auto outsideMs = [](const LongPacketFigures &figures) {
        return figures.outside ? figures.outside->longestMs : 0.0;
    };
    std::printf("  600 MB frame / 100 MB packet: memory over idle %s, longest stall %s inside, "
                "%s outside, time to the end %s\n",
                qPrintable(ratioText(frame.memoryMb, packet.memoryMb)),
                qPrintable(ratioText(double(frame.insideMs), double(packet.insideMs))),
                qPrintable(ratioText(outsideMs(frame), outsideMs(packet))),
                qPrintable(ratioText(frame.endedSeconds, packet.endedSeconds)));
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const int count = qMax(arguments.value(0, QStringLiteral("100000")).toInt(), 1);
    const int rate = qMax(arguments.value(1, QStringLiteral("5000")).toInt(), 1);
    const int floodSeconds = qMax(arguments.value(2, QStringLiteral("12")).toInt(), 1);
    answerPromptsWithOk();

    MosquittoBroker broker;
    const QString failure = broker.start();
    if (!failure.isEmpty()) {
        std::printf("THE BROKER DID NOT START: %s\n", qPrintable(failure));
        return 1;
    }
    MainWindow window;
    window.resize(1200, 800);
    window.show();
    runUntil([] { return false; }, 500);
    MqttBench bench(window, broker);
    if (!bench.connectTab() || !bench.subscribeTab()) {
        std::printf("THE TAB DID NOT CONNECT AND SUBSCRIBE\n");
        return 1;
    }
    std::printf("RSS before: %ld KB\n", currentRssKb());
    bench.run("paced", count, rate);
    bench.run("burst", count, 0);
    bench.longPayloads();
    bench.flood(floodSeconds);
    bench.longPackets();
    std::printf("peak RSS: %ld KB\n", peakRssKb());
    return 0;
}
