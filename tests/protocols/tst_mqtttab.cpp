#include "clipboardowner.h"
#include "filesizelimit.h"
#include "longtextedit.h"
#include "mainwindow.h"
#include "mosquittobroker.h"
#include "promptrecorder.h"
#include "scriptedmqttbroker.h"
#include "settingsfile.h"
#include "websocketiodevice.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSslCipher>
#include <QSslSocket>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextEdit>
#include <QThread>

#include <algorithm>
#include <memory>

#include <linux/tcp.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

// The MQTT tab against a local mosquitto broker, with mosquitto_pub and
// mosquitto_sub as independent clients beside it.
class TestMqttTab : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void settingsRoundTrip();
    void saveOntoAFullDiskIsTold();
    void transports_data();
    void transports();
    void refusals_data();
    void refusals();
    void whatTheClientRefusesIsTold_data();
    void whatTheClientRefusesIsTold();
    void webSocketSessionsStayApart();
    void refusedTopics_data();
    void refusedTopics();
    void publishWaitsForAPaste();
    void theViewKeepsTheNewestLines();
    void aFloodWaitsAtTheBroker_data();
    void aFloodWaitsAtTheBroker();

private:
    template <typename T> T *widget(const char *name) const { return child<T>(*m_window, name); }
    void fill(int protocol, quint16 port, const QString &clientId = QStringLiteral("tab"),
              const QString &password = MosquittoBroker::password());
    // The tab's buttons act on pressed(); a click presses and releases.
    void press(const char *button) const
    {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }
    [[nodiscard]] QString caption() const
    {
        return widget<QPushButton>("mqtt_opencompushButton")->text();
    }
    [[nodiscard]] QString status() const { return statusText(*m_window); }
    // Connects over `protocol` (plain TCP by default) and subscribes to `filter`.
    void connectAndSubscribe(const QString &filter, int protocol = 0);
    void restartBroker();

    TestCertificate m_certificate;
    std::unique_ptr<MosquittoBroker> m_broker;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestMqttTab::initTestCase()
{
    QCOMPARE(m_certificate.make(), QString());
    restartBroker();
}

void TestMqttTab::restartBroker()
{
    m_broker = std::make_unique<MosquittoBroker>();
    const QString failure = m_broker->start();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestMqttTab::init()
{
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
    widget<QTabWidget>("tabWidget")->setCurrentWidget(widget<QWidget>("Mqtt"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMqttTab::cleanup()
{
    m_window.reset();
    m_prompts.reset();
}

void TestMqttTab::fill(int protocol, quint16 port, const QString &clientId, const QString &password)
{
    widget<QComboBox>("mqtt_protocol_combox")->setCurrentIndex(protocol);
    widget<QLineEdit>("mqtt_host_lineEdit")->setText(QStringLiteral("127.0.0.1"));
    widget<QLineEdit>("mqtt_port_lineEdit")->setText(QString::number(port));
    widget<QLineEdit>("mqtt_username_lineEdit")->setText(MosquittoBroker::username());
    widget<QLineEdit>("mqtt_password_lineEdit")->setText(password);
    widget<QLineEdit>("mqtt_clientid_lineEdit")->setText(clientId);
}

void TestMqttTab::connectAndSubscribe(const QString &filter, int protocol)
{
    fill(protocol, m_broker->port(MosquittoBroker::Listener(protocol)));
    widget<QLineEdit>("mqtt_subscribe_lineEdit")->setText(filter);
    press("mqtt_opencompushButton");
    QTRY_COMPARE(status(), QStringLiteral("MQTT Connected"));
    press("mqtt_subscribed_pushButton");
    QTRY_COMPARE(status(), QStringLiteral("Topic:%1 was subcribed success.").arg(filter));
}

void TestMqttTab::settingsRoundTrip()
{
    const char *const fields[] = {"mqtt_username_lineEdit", "mqtt_password_lineEdit",
                                  "mqtt_host_lineEdit",     "mqtt_port_lineEdit",
                                  "mqtt_clientid_lineEdit", "mqtt_subscribe_lineEdit",
                                  "mqtt_publish_lineEdit"};
    const QStringList texts{"user ü", "pässwort ✓", "h/mqtt", "8084", "id", " a / b ", "p/q"};
    widget<QComboBox>("mqtt_protocol_combox")->setCurrentIndex(3);
    for (int i = 0; i < texts.size(); ++i)
        widget<QLineEdit>(fields[i])->setText(texts.at(i));
    press("mqtt_save_pushButton");
    cleanup();
    init();
    QCOMPARE(widget<QComboBox>("mqtt_protocol_combox")->currentIndex(), 3);
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(widget<QLineEdit>(fields[i])->text(), texts.at(i));
    // An index out of range reads as "mqtt://".
    QSettings(settingsFilePath(), QSettings::IniFormat).setValue("MQTT_PROTOCOL", 7);
    cleanup();
    init();
    QCOMPARE(widget<QComboBox>("mqtt_protocol_combox")->currentText(), QStringLiteral("mqtt://"));
}

// Save on a full disk says so until a later save succeeds.
void TestMqttTab::saveOntoAFullDiskIsTold()
{
    widget<QLineEdit>("mqtt_host_lineEdit")->setText(QStringLiteral("broker.example"));
    {
        const FileSizeLimit fullDisk(0);
        press("mqtt_save_pushButton");
    }
    QCOMPARE(status(), QStringLiteral("The settings could not be saved."));
    press("mqtt_save_pushButton");
    QCOMPARE(status(), QString());
    QCOMPARE(QSettings(settingsFilePath(), QSettings::IniFormat).value("MQTT_HOST").toString(),
             QStringLiteral("broker.example"));
}

void TestMqttTab::transports_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QByteArray>("payload");
    QByteArray large;
    for (int i = 0; large.size() < 200 * 1024; ++i)
        large += QByteArray::number(i) + ' ';
    const QList<std::pair<const char *, QByteArray>> payloads{
        {"UTF-8 and markup", "grüße ✓ 你好 <b>bold</b> &amp; line\nbreak"},
        {"empty", {}},
        {"200 KB", large.left(200 * 1024)},
        {"200 KB without a break", QByteArray(200 * 1024, 'A')}};
    const char *const names[] = {"mqtt", "mqtts", "ws", "wss"};
    for (int protocol = 0; protocol < 4; ++protocol) {
        for (const auto &[name, payload] : payloads)
            QTest::addRow("%s, %s", names[protocol], name) << protocol << payload;
    }
}

// Connect, subscribe with blanks in the filter, receive from mosquitto_pub
// on a topic with markup, shown as plain text, and publish to mosquitto_sub,
// byte for byte, then disconnect.
void TestMqttTab::transports()
{
    QFETCH(int, protocol);
    QFETCH(QByteArray, payload);
    fill(protocol, m_broker->port(MosquittoBroker::Listener(protocol)));
    widget<QLineEdit>("mqtt_subscribe_lineEdit")->setText(QStringLiteral(" yurb / in /# "));
    widget<QLineEdit>("mqtt_publish_lineEdit")->setText(QStringLiteral("yurb/out"));
    press("mqtt_opencompushButton");
    QCOMPARE(caption(), QStringLiteral("Disconnect"));
    QTRY_COMPARE(status(), QStringLiteral("MQTT Connected"));
    press("mqtt_subscribed_pushButton");
    QTRY_COMPARE(status(), QStringLiteral("Topic:yurb/in/# was subcribed success."));

    const QString topic = QStringLiteral("yurb/in/<b>x</b>");
    QVERIFY(m_broker->publish(topic, payload));
    // Lines end at line feeds and are cut after 1024 characters of the
    // message; together they are the message. A long one comes over a few
    // writes.
    const QTextDocument *shown = widget<QTextEdit>("mqtt_textEdit")->document();
    QString message = "\t\tTopic:" + topic + "\t\treceive:" + QString::fromUtf8(payload);
    message.remove(u'\n');
    const auto shownText = [shown] {
        QString text;
        for (QTextBlock block = shown->firstBlock(); block.isValid(); block = block.next())
            text += block.text();
        return text;
    };
    QTRY_COMPARE_WITH_TIMEOUT(shownText().size(), 10 + message.size(), 30000);
    for (QTextBlock block = shown->firstBlock(); block.isValid(); block = block.next())
        QVERIFY2(block.length() <= 10 + 1024 + 1, qPrintable(QString::number(block.length())));
    const QString line = shownText();
    QVERIFY2(QRegularExpression(QStringLiteral("^Time:\\d\\d:\\d\\d")).match(line).hasMatch(),
             qPrintable(line.left(20)));
    QCOMPARE(line.sliced(10), message);

    // mosquitto_sub takes one message and prints it as topic and hex; its
    // debug lines tell when the subscription stands. Line buffered, since
    // they would otherwise wait for the message.
    QProcess subscriber;
    subscriber.start(QStringLiteral("stdbuf"),
                     QStringList{"-oL", "mosquitto_sub"} + m_broker->clientArguments() +
                         QStringList{"-d", "-C", "1", "-t", "yurb/out", "-F", "%t %x"});
    QByteArray output;
    QTRY_VERIFY((output += subscriber.readAllStandardOutput()).contains("Subscribed (mid"));
    widget<LongTextEdit>("mqtt_pub_textEdit")->setText(QString::fromUtf8(payload));
    // Publish waits, disabled, while a long text goes into the box.
    QTRY_VERIFY(widget<QPushButton>("mqtt_publish_pushButton")->isEnabled());
    press("mqtt_publish_pushButton");
    QTRY_VERIFY_WITH_TIMEOUT(subscriber.state() == QProcess::NotRunning, 10000);
    output += subscriber.readAllStandardOutput();
    const qsizetype at = output.indexOf("\nyurb/out ") + 10;
    QVERIFY2(at >= 10, output.left(300).constData());
    QCOMPARE(QByteArray::fromHex(output.sliced(at, output.indexOf('\n', at) - at)), payload);

    press("mqtt_opencompushButton");
    QCOMPARE(status(), QStringLiteral("MQTT was disconnected."));
    QCOMPARE(caption(), QStringLiteral("Connect"));
}

void TestMqttTab::refusals_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("listener"); // a MosquittoBroker::Listener, or -1 for none
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("killBroker");
    QTest::addColumn<QString>("shown");
    const QString password = MosquittoBroker::password();
    const QString failed = QStringLiteral("MQTT connection failed: ");
    const QString ended = QStringLiteral("MQTT was disconnected.");
    QTest::newRow("bad password") << 0 << 0 << "tab"
                                  << "wrong" << false << failed + "Not authorized.";
    QTest::newRow("client ID rejected (MQTT 3.1 over WebSocket)")
        << 2 << 2 << "" << password << false << failed + "The broker rejected the client ID.";
    QTest::newRow("nothing listening")
        << 0 << -1 << "tab" << password << false << failed + "Connection refused";
    QTest::newRow("nothing listening, WebSocket")
        << 2 << -1 << "tab" << password << false << failed + "Connection refused";
    QTest::newRow("TLS to a plain port") << 1 << 0 << "tab" << password << false << failed;
    QTest::newRow("secure WebSocket to a plain one")
        << 3 << 2 << "tab" << password << false << failed;
    QTest::newRow("broker killed, TCP") << 0 << 0 << "tab" << password << true << ended;
    QTest::newRow("broker killed, secure WebSocket")
        << 3 << 3 << "tab" << password << true << ended;
}

// Each ends idle, with its reason shown and "MQTT Connected" only where the
// broker had taken the connection; nothing of the session is left.
void TestMqttTab::refusals()
{
    QFETCH(int, protocol);
    QFETCH(int, listener);
    QFETCH(QString, clientId);
    QFETCH(QString, password);
    QFETCH(bool, killBroker);
    QFETCH(QString, shown);
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port =
        listener < 0 ? closed.serverPort() : m_broker->port(MosquittoBroker::Listener(listener));
    closed.close();
    fill(protocol, port, clientId, password);
    QSignalSpy messages(m_window->statusBar(), &QStatusBar::messageChanged);
    press("mqtt_opencompushButton");
    if (killBroker) {
        QTRY_COMPARE(status(), QStringLiteral("MQTT Connected"));
        m_broker->kill();
    }
    QTRY_COMPARE(caption(), QStringLiteral("Connect"));
    QVERIFY2(status().startsWith(shown), qPrintable(status()));
    const bool connected = std::any_of(messages.cbegin(), messages.cend(), [](const auto &message) {
        return message.first().toString() == QLatin1String("MQTT Connected");
    });
    QCOMPARE(connected, killBroker);
    QTRY_COMPARE(m_window->findChildren<MqttClient *>().size(), 0);
    QTRY_COMPARE(m_window->findChildren<WebSocketIODevice *>().size(), 0);
    if (killBroker)
        restartBroker();
}

void TestMqttTab::whatTheClientRefusesIsTold_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<QString>("shown");
    const QString packet = QStringLiteral(
        "MQTT was disconnected: The broker sent a packet that is malformed or too large.");
    const char *const names[] = {"mqtt", "mqtts", "ws", "wss"};
    for (int protocol = 0; protocol < 4; ++protocol) {
        QTest::addRow("%s, a length past four bytes", names[protocol])
            << protocol << QByteArray::fromHex("30ffffffff01") << qint64(0) << packet;
        QTest::addRow("%s, a packet of 100 MB", names[protocol])
            << protocol << ScriptedMqttBroker::publishHeader(qint64(100) << 20) << qint64(0)
            << packet;
    }
    for (int protocol : {2, 3}) {
        QTest::addRow("%s, a frame of 600 MB", names[protocol])
            << protocol << QByteArray() << (qint64(600) << 20)
            << "MQTT was disconnected: The WebSocket was closed with code 1009: Maximum framesize "
               "exceeded.";
    }
}

// A broker of the test's own sends, after the SUBACK, what the client
// refuses and ends the session on: the reason is shown, and nothing of the
// session is left.
void TestMqttTab::whatTheClientRefusesIsTold()
{
    QFETCH(int, protocol);
    QFETCH(QByteArray, head);
    QFETCH(qint64, announced);
    QFETCH(QString, shown);
    ScriptedMqttBroker broker;
    QCOMPARE(broker.listen(ScriptedMqttBroker::Transport(protocol), &m_certificate), QString());
    broker.setAfterSuback(head, 64 * 1024, 0, announced);
    fill(protocol, broker.port());
    widget<QLineEdit>("mqtt_subscribe_lineEdit")->setText(QStringLiteral("a"));
    press("mqtt_opencompushButton");
    QTRY_COMPARE(status(), QStringLiteral("MQTT Connected"));
    press("mqtt_subscribed_pushButton");
    QTRY_COMPARE(caption(), QStringLiteral("Connect"));
    QCOMPARE(status(), shown);
    QTRY_VERIFY(broker.clientLeft());
    QTRY_COMPARE(m_window->findChildren<MqttClient *>().size(), 0);
    QTRY_COMPARE(m_window->findChildren<WebSocketIODevice *>().size(), 0);
}

// The WebSocket of a session ended by Disconnect closes while the next
// session runs; that session goes on.
void TestMqttTab::webSocketSessionsStayApart()
{
    fill(2, m_broker->port(MosquittoBroker::WebSocket));
    widget<QLineEdit>("mqtt_subscribe_lineEdit")->setText(QStringLiteral("a"));
    press("mqtt_opencompushButton");
    QTRY_COMPARE(status(), QStringLiteral("MQTT Connected"));
    press("mqtt_opencompushButton");
    press("mqtt_opencompushButton");
    QTRY_COMPARE(status(), QStringLiteral("MQTT Connected"));
    QTRY_COMPARE(m_window->findChildren<WebSocketIODevice *>().size(), 1);
    QTest::qWait(300);
    QCOMPARE(caption(), QStringLiteral("Disconnect"));
    press("mqtt_subscribed_pushButton");
    QTRY_COMPARE(status(), QStringLiteral("Topic:a was subcribed success."));
}

void TestMqttTab::refusedTopics_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("shown");
    const QByteArray publish = "mqtt_publish_pushButton";
    const QByteArray subscribe = "mqtt_subscribed_pushButton";
    QTest::newRow("publish, empty") << publish << ""
                                    << "Publish topic is empty: nothing was sent.";
    QTest::newRow("publish, wildcard")
        << publish << "a/+"
        << "Publish topic a/+ holds a wildcard (+ or #): nothing was sent.";
    QTest::newRow("subscribe, blanks only") << subscribe << "   "
                                            << "Subscribe topic is empty: nothing was subscribed.";
    QTest::newRow("subscribe, a/#/b")
        << subscribe << "a/#/b"
        << "Topic:a/#/b is not a valid filter, # may only be the last level: nothing was "
           "subscribed.";
    QTest::newRow("subscribe, x/+y")
        << subscribe << "x/+y"
        << "Topic:x/+y is not a valid filter, + and # must stand alone between slashes: "
           "nothing was subscribed.";
}

// A topic or filter that is none is refused with the reason, before anything
// goes to the broker: the session stays, and the tab, subscribed to every
// topic, gets no message of its own.
void TestMqttTab::refusedTopics()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, topic);
    QFETCH(QString, shown);
    connectAndSubscribe(QStringLiteral("#"));
    if (QTest::currentTestFailed())
        return;
    widget<QLineEdit>("mqtt_subscribe_lineEdit")->setText(topic);
    widget<QLineEdit>("mqtt_publish_lineEdit")->setText(topic);
    widget<LongTextEdit>("mqtt_pub_textEdit")->setText(QStringLiteral("x"));
    press(button.constData());
    QCOMPARE(status(), shown);
    QTest::qWait(300);
    QCOMPARE(caption(), QStringLiteral("Disconnect"));
    QVERIFY(widget<QTextEdit>("mqtt_textEdit")->document()->isEmpty());
}

// Publish pressed while a paste from a program that stopped answering is
// still coming waits disabled; once the paste is given up, it sends the
// box's text with the key typed meanwhile, and nothing before it.
void TestMqttTab::publishWaitsForAPaste()
{
    connectAndSubscribe(QStringLiteral("yurb/out"));
    if (QTest::currentTestFailed())
        return;
    widget<QLineEdit>("mqtt_publish_lineEdit")->setText(QStringLiteral("yurb/out"));
    ClipboardOwner silent(QByteArray("pasted"));
    QVERIFY2(silent.held(), "xclip is missing: run scripts/install-deps.sh");
    silent.stopAnswering();
    auto *box = widget<LongTextEdit>("mqtt_pub_textEdit");
    box->setText(QStringLiteral("before"));
    box->setFocus();
    box->setCursorPosition(6);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("k"));
    press("mqtt_publish_pushButton");
    QVERIFY(!widget<QPushButton>("mqtt_publish_pushButton")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!box->isBusy(), 30000);
    press("mqtt_publish_pushButton");
    const QTextDocument *shown = widget<QTextEdit>("mqtt_textEdit")->document();
    QTRY_VERIFY(shown->toPlainText().endsWith(u"receive:beforek"));
    QCOMPARE(shown->blockCount(), 1);
}

// Past its 10,000 lines the view drops the oldest whole messages and says
// how many at its top; the newest are shown first and the older ones fill
// in above them, all in order.
void TestMqttTab::theViewKeepsTheNewestLines()
{
    connectAndSubscribe(QStringLiteral("flood"));
    if (QTest::currentTestFailed())
        return;
    constexpr int count = 10050;
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += 'm' + QByteArray::number(i) + '\n';
    QVERIFY(m_broker->publishLines(QStringLiteral("flood"), lines));
    const QTextDocument *shown = widget<QTextEdit>("mqtt_textEdit")->document();
    QTRY_VERIFY_WITH_TIMEOUT(shown->lastBlock().text().endsWith(u"receive:m10049"), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(shown->blockCount(), 10001, 30000);
    QCOMPARE(shown->firstBlock().text(), QStringLiteral("Older messages dropped: 50"));
    int expected = count - 10000;
    for (QTextBlock block = shown->firstBlock().next(); block.isValid(); block = block.next()) {
        QVERIFY2(block.text().endsWith(QStringLiteral("receive:m%1").arg(expected)),
                 qPrintable(block.text()));
        ++expected;
    }
}

namespace {
// The TCP socket under a client's transport: its own, or the WebSocket's.
const QAbstractSocket *tcpSocketOf(const MqttClient &client)
{
    if (auto *device = qobject_cast<WebSocketIODevice *>(client.transport()))
        return device->socket()->findChild<QAbstractSocket *>();
    return qobject_cast<QAbstractSocket *>(client.transport());
}

// What the transport adds to a packet of `size` bytes sent alone: a TLS
// record (its header, and the content type and tag of TLS 1.3 or the nonce
// and tag of TLS 1.2 with AES-GCM) and a WebSocket frame's header (the
// broker's frames are not masked); nothing on plain TCP. -1 for a TLS
// session whose records this does not know.
qint64 transportBytes(const QAbstractSocket &socket, bool webSocket, qint64 size)
{
    qint64 added = 0;
    if (webSocket) {
        added = size > 65535 ? 10 : size > 125 ? 4 : 2;
        size += added;
    }
    const auto *tls = qobject_cast<const QSslSocket *>(&socket);
    if (!tls)
        return added;
    const qint64 records = (size + 16383) / 16384;
    if (tls->sessionProtocol() == QSsl::TlsV1_3)
        return added + records * (5 + 1 + 16);
    if (tls->sessionCipher().name().contains(QLatin1String("GCM")))
        return added + records * (5 + 8 + 16);
    return -1;
}

// How many bytes the process has read from a TCP socket: what the
// connection received less what still waits in the kernel.
qint64 bytesTaken(const QAbstractSocket &socket)
{
    const auto fd = int(socket.socketDescriptor());
    tcp_info info{};
    socklen_t size = sizeof info;
    int waiting = 0;
    if (getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &size) != 0 || ioctl(fd, FIONREAD, &waiting))
        return -1;
    return qint64(info.tcpi_bytes_received) - waiting;
}
} // namespace

void TestMqttTab::aFloodWaitsAtTheBroker_data()
{
    QTest::addColumn<int>("protocol");
    const char *const names[] = {"mqtt", "mqtts", "ws", "wss"};
    for (int protocol = 0; protocol < 4; ++protocol)
        QTest::newRow(names[protocol]) << protocol;
}

// Messages of 1000 bytes from mosquitto_pub, faster than a slow receiver
// takes them: the client reads only as fast as they are handled, so what
// waits stays with the broker and in TCP, and the client holds a few reads.
void TestMqttTab::aFloodWaitsAtTheBroker()
{
    QFETCH(int, protocol);
    connectAndSubscribe(QStringLiteral("flood"), protocol);
    if (QTest::currentTestFailed())
        return;
    QTemporaryFile lines;
    QVERIFY(lines.open());
    for (int i = 0; i < 20000; ++i)
        lines.write(QByteArray::number(i).leftJustified(1000, 'x') + '\n');
    lines.close();
    auto *client = m_window->findChild<MqttClient *>();
    const QAbstractSocket *socket = tcpSocketOf(*client);
    QVERIFY(socket);
    const bool webSocket = protocol >= 2;
    QVERIFY(transportBytes(*socket, webSocket, 0) >= 0);
    // Taken off the connection and not handled yet: each message handled
    // counts its packet and what its transport added to it.
    const qint64 takenBefore = bytesTaken(*socket);
    qint64 handled = 0;
    qint64 mostHeld = 0;
    bool ended = false;
    connect(client, &MqttClient::messageReceived, this, [&](const QByteArray &message) {
        QThread::usleep(50);
        const qint64 packet = 9 + message.size() + (message.size() > 120 ? 1 : 0);
        handled += packet + transportBytes(*socket, webSocket, packet);
        mostHeld = qMax(mostHeld, bytesTaken(*socket) - takenBefore - handled);
        ended = ended || message == "end";
    });
    QProcess publisher;
    publisher.setStandardInputFile(lines.fileName());
    publisher.start(QStringLiteral("mosquitto_pub"), m_broker->clientArguments() << "-t"
                                                                                 << "flood"
                                                                                 << "-l");
    QTRY_VERIFY_WITH_TIMEOUT(publisher.state() == QProcess::NotRunning, 60000);
    // The broker drops messages for a receiver that falls behind; the last
    // one comes once the client has caught up.
    for (int tries = 0; !ended && tries < 100; ++tries) {
        QVERIFY(m_broker->publish(QStringLiteral("flood"), "end"));
        QTest::qWait(200);
    }
    QVERIFY(ended);
    // Once caught up, every byte taken was a message and what carried it.
    QTRY_COMPARE(bytesTaken(*socket) - takenBefore, handled);
    QVERIFY2(mostHeld <= 512 * 1024, qPrintable(QStringLiteral("%1 bytes held").arg(mostHeld)));
}

YURB_TEST_MAIN(TestMqttTab)
#include "tst_mqtttab.moc"
