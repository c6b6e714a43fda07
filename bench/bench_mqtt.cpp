// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_mqtt [messages [messages/s]]
//
// Sends numbered messages with mosquitto_pub through a local mosquitto
// broker both to the MQTT tab of the shown window and, in the same run, to
// mosquitto_sub, and prints how fast each had them all, the longest stall of
// the GUI thread and the memory used. Two runs: the messages paced (default
// 100000 at 5000/s), then the same number as fast as mosquitto_pub sends.
// The view writes what fits its time budget and skips the oldest of the
// messages waiting beyond its line limit, so a flood shows its newest
// messages, not all of them.

#include "benchsupport.h"
#include "mainwindow.h"
#include "mosquittobroker.h"
#include "mqttmessageview.h"
#include "windowbench.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <cstdio>
#include <vector>

using namespace Bench;

namespace {

constexpr int digits = 7;
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

// The runs against the shown window's MQTT tab.
class MqttBench
{
public:
    MqttBench(MainWindow &window, MosquittoBroker &broker)
        : m_window(window)
        , m_broker(broker)
    {}

    [[nodiscard]] bool connectTab();
    void run(const char *name, int count, int rate);

private:
    template <typename T> T *widget(const char *name) const
    {
        T *found = m_window.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no widget named %s", name);
        return found;
    }
    [[nodiscard]] QString status() const { return m_window.statusBar()->currentMessage(); }

    MainWindow &m_window;
    MosquittoBroker &m_broker;
};

bool MqttBench::connectTab()
{
    widget<QTabWidget>("tabWidget")->setCurrentWidget(widget<QWidget>("Mqtt"));
    widget<QComboBox>("mqtt_protocol_combox")->setCurrentIndex(0);
    widget<QLineEdit>("mqtt_host_lineEdit")->setText(QStringLiteral("127.0.0.1"));
    widget<QLineEdit>("mqtt_port_lineEdit")
        ->setText(QString::number(m_broker.port(MosquittoBroker::Tcp)));
    widget<QLineEdit>("mqtt_username_lineEdit")->setText(MosquittoBroker::username());
    widget<QLineEdit>("mqtt_password_lineEdit")->setText(MosquittoBroker::password());
    widget<QLineEdit>("mqtt_clientid_lineEdit")->setText(QStringLiteral("bench"));
    widget<QLineEdit>("mqtt_subscribe_lineEdit")->setText(topic);
    widget<QPushButton>("mqtt_opencompushButton")->click();
    if (!runUntil([this] { return status() == QStringLiteral("MQTT Connected"); }, 10000))
        return false;
    widget<QPushButton>("mqtt_subscribed_pushButton")->click();
    return runUntil([this] { return status().endsWith(QStringLiteral("subcribed success.")); },
                    10000);
}

// rate 0: as fast as mosquitto_pub sends.
void MqttBench::run(const char *name, int count, int rate)
{
    m_window.findChild<MqttMessageView *>()->clear();
    std::printf("[%s] %d messages of %d bytes, %s: ", name, count, digits + 1,
                rate > 0 ? qPrintable(QStringLiteral("paced at %1/s").arg(rate))
                         : "as fast as mosquitto_pub sends");
    SubscriberCount subscriber(m_broker);
    if (!runUntil([&subscriber] { return subscriber.subscribed; }, 10000)) {
        std::printf("MOSQUITTO_SUB DID NOT SUBSCRIBE\n");
        return;
    }
    int received = 0;
    const QMetaObject::Connection counting =
        QObject::connect(m_window.findChild<MqttClient *>(), &MqttClient::messageReceived,
                         [&received] { ++received; });
    ShownNumbers shown(widget<QTextEdit>("mqtt_textEdit")->document(), count, messageNumbers);
    QProcess publisher;
    publisher.start(QStringLiteral("mosquitto_pub"), m_broker.clientArguments()
                                                         << "-t" << topic << "-l");
    publisher.waitForStarted();
    StallProbe probe;
    QElapsedTimer clock;
    clock.start();
    int written = 0;
    const auto feed = [&] {
        const int due = rate > 0 ? int(qMin<qint64>(count, clock.elapsed() * rate / 1000)) : count;
        QByteArray lines;
        for (; written < due; ++written)
            lines += messageLine(written);
        publisher.write(lines);
        if (written == count)
            publisher.closeWriteChannel();
    };
    qint64 subscriberDoneMs = -1;
    qint64 progressAt = 0;
    int lastProgress = 0;
    int lastShown = 0;
    qint64 lastShownAtMs = 0;
    const bool finished = runUntil(
        [&] {
            if (written < count)
                feed();
            if (subscriber.messages >= count && subscriberDoneMs < 0)
                subscriberDoneMs = clock.elapsed();
            if (shown.distinct() != lastShown) {
                lastShown = shown.distinct();
                lastShownAtMs = clock.elapsed();
            }
            if (shown.distinct() + subscriber.messages + received != lastProgress) {
                lastProgress = shown.distinct() + subscriber.messages + received;
                progressAt = clock.elapsed();
            }
            return (shown.distinct() >= count && subscriber.messages >= count) ||
                   clock.elapsed() - progressAt > progressDeadlineMs;
        },
        qint64(count) * 1000 / qMax(rate, 1000) + 10 * progressDeadlineMs, 1);
    QObject::disconnect(counting);
    publisher.waitForFinished(10000);
    const auto perSecond = [](int messages, qint64 ms) {
        return ms > 0 ? messages * 1000.0 / double(ms) : 0.0;
    };
    std::printf(
        "\n    tab: received %d, shown %d in %.2f s = %.0f messages/s (%.0f a minute), the "
        "last one %s\n"
        "    mosquitto_sub: received %d in %.2f s = %.0f messages/s\n"
        "    longest GUI stall %lld ms; view holds %d lines; RSS now %ld KB%s\n",
        received, shown.distinct(), double(lastShownAtMs) / 1000.0,
        perSecond(shown.distinct(), lastShownAtMs), 60 * perSecond(shown.distinct(), lastShownAtMs),
        shown.isShown(count - 1) ? "shown" : "NOT SHOWN", subscriber.messages,
        double(subscriberDoneMs < 0 ? clock.elapsed() : subscriberDoneMs) / 1000.0,
        perSecond(subscriber.messages, subscriberDoneMs < 0 ? clock.elapsed() : subscriberDoneMs),
        static_cast<long long>(probe.longestMs()),
        widget<QTextEdit>("mqtt_textEdit")->document()->blockCount(), currentRssKb(),
        finished ? "" : "; TIMED OUT");
}

} // namespace

int main(int argc, char *argv[])
{
    WindowBench application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const int count = qMax(arguments.value(0, QStringLiteral("100000")).toInt(), 1);
    const int rate = qMax(arguments.value(1, QStringLiteral("5000")).toInt(), 1);
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
    if (!bench.connectTab()) {
        std::printf("THE TAB DID NOT CONNECT AND SUBSCRIBE\n");
        return 1;
    }
    std::printf("RSS before: %ld KB\n", currentRssKb());
    bench.run("paced", count, rate);
    bench.run("flood", count, 0);
    std::printf("peak RSS: %ld KB\n", peakRssKb());
    return 0;
}
