#include "mainwindow.h"
#include "netterminaltest.h"
#include "promptrecorder.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

using namespace NetTerminalTest;

// The TCP terminal as a server of clients on the loopback interface, over
// IPv4 (listed as "::ffff:127.0.0.1") and IPv6 ("::1").
class TestTcpServer : public TerminalTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void emptyPortIsRefused();
    void portInUseIsReported();
    void clientsAreListedAndReceive();
    void sendGoesToTheChosenAddress();
    void leavingClientIsRemoved();
    void stopClosesEveryClient();
    void repeatWritesOncePerTick_data();
    void repeatWritesOncePerTick();
    void repeatStaysWithItsHost_data();
    void repeatStaysWithItsHost();
    void repeatPressedBeforeAnyClient();

private:
    void setMode(const QString &mode);
    void startServer();
    [[nodiscard]] quint16 listeningPort() const;
    QTcpSocket *connectClient(const QHostAddress &server, const QHostAddress &local = {});
    [[nodiscard]] QStringList listedClients() const;
    void sendText(const QString &text);

    QList<QTcpSocket *> m_clients;
};

const QString v4Client = QStringLiteral("::ffff:127.0.0.1");
const QString v6Client = QStringLiteral("::1");

void TestTcpServer::init()
{
    openWindow("tcp");
    setMode(QStringLiteral("TCP Server"));
}

void TestTcpServer::cleanup()
{
    qDeleteAll(m_clients);
    m_clients.clear();
    closeWindow();
}

void TestTcpServer::setMode(const QString &mode)
{
    child<QComboBox>(*m_window, "TCP_comboBox")->setCurrentText(mode);
}

// Listens on a port that is free.
void TestTcpServer::startServer()
{
    child<QLineEdit>(*m_window, "TCPServerPortlineEdit")->setText(QString::number(freeTcpPort()));
    press(child<QPushButton>(*m_window, "TCPopencompushButton"));
    QCOMPARE(status(*m_window), QStringLiteral("Server has started"));
    QCOMPARE(child<QPushButton>(*m_window, "TCPopencompushButton")->text(), QStringLiteral("Stop"));
}

quint16 TestTcpServer::listeningPort() const
{
    for (const QTcpServer *server : m_window->findChildren<QTcpServer *>()) {
        if (server->isListening())
            return server->serverPort();
    }
    return 0;
}

// A client of the server at `server`; bound to `local` first when given, so
// that one loopback host (127.0.0.2) is told apart from another.
QTcpSocket *TestTcpServer::connectClient(const QHostAddress &server, const QHostAddress &local)
{
    auto *client = new QTcpSocket;
    m_clients.append(client);
    const int listed = listedClients().size();
    [&] {
        if (!local.isNull())
            QVERIFY(client->bind(local));
        client->connectToHost(server, listeningPort());
        QTRY_COMPARE(client->state(), QAbstractSocket::ConnectedState);
        QTRY_COMPARE(listedClients().size(), listed + 1);
    }();
    return client;
}

QStringList TestTcpServer::listedClients() const
{
    const auto *box = child<QComboBox>(*m_window, "TCP_Client_IP_comboBox");
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

void TestTcpServer::sendText(const QString &text)
{
    child<QPlainTextEdit>(*m_window, "TCPsendMsgtextEdit")->setPlainText(text);
    press(child<QPushButton>(*m_window, "TCPsendmsgBtn"));
}

void TestTcpServer::emptyPortIsRefused()
{
    child<QLineEdit>(*m_window, "TCPServerPortlineEdit")->clear();
    press(child<QPushButton>(*m_window, "TCPopencompushButton"));
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().text, QStringLiteral("Port is empty!"));
    QCOMPARE(listeningPort(), quint16(0));
}

void TestTcpServer::portInUseIsReported()
{
    QTcpServer blocker;
    QVERIFY(blocker.listen(QHostAddress::Any, 0));
    const QString port = QString::number(blocker.serverPort());
    child<QLineEdit>(*m_window, "TCPServerPortlineEdit")->setText(port);
    auto *button = child<QPushButton>(*m_window, "TCPopencompushButton");
    press(button);
    QVERIFY2(status(*m_window).startsWith(
                 QStringLiteral("Server failed to listen on port %1: ").arg(port)),
             qPrintable(status(*m_window)));
    QCOMPARE(button->text(), QStringLiteral("Start"));
    QVERIFY(!child<QPushButton>(*m_window, "TCPsendmsgBtn")->isEnabled());
    QVERIFY(child<QComboBox>(*m_window, "TCP_comboBox")->isEnabled());

    blocker.close();
    press(button);
    QCOMPARE(status(*m_window), QStringLiteral("Server has started"));
    QCOMPARE(button->text(), QStringLiteral("Stop"));
}

void TestTcpServer::clientsAreListedAndReceive()
{
    startServer();
    QTcpSocket *v4 = connectClient(QHostAddress::LocalHost);
    QCOMPARE(status(*m_window), QStringLiteral("new client: %1 joined").arg(v4Client));
    QTcpSocket *v6 = connectClient(QHostAddress::LocalHostIPv6);
    QCOMPARE(listedClients(), QStringList({v4Client, v6Client}));

    v4->write("four\r\n");
    QTRY_COMPARE(viewText(*m_window, "TCP_StrTextBrowser"), QStringLiteral("four\n"));
    // The status follows when the view shows, in an event after the write.
    QTRY_COMPARE(status(*m_window),
                 QStringLiteral("TCP receive from:%1:%2").arg(v4Client).arg(v4->localPort()));
    v6->write("six");
    QTRY_COMPARE(viewText(*m_window, "TCP_StrTextBrowser"), QStringLiteral("four\nsix"));
    QTRY_COMPARE(status(*m_window),
                 QStringLiteral("TCP receive from:%1:%2").arg(v6Client).arg(v6->localPort()));
    QCOMPARE(child<QLCDNumber>(*m_window, "TCPrecvbyteslcdNumber")->intValue(), 9);
}

// A send reaches every client of the chosen address and no other one.
void TestTcpServer::sendGoesToTheChosenAddress()
{
    startServer();
    QTcpSocket *v4 = connectClient(QHostAddress::LocalHost);
    QTcpSocket *v6 = connectClient(QHostAddress::LocalHostIPv6);
    QTcpSocket *v4again = connectClient(QHostAddress::LocalHost);
    QCOMPARE(listedClients(), QStringList({v4Client, v6Client, v4Client}));
    auto *box = child<QComboBox>(*m_window, "TCP_Client_IP_comboBox");
    auto *counter = child<QLCDNumber>(*m_window, "TCPsendbyteslcdNumber");

    box->setCurrentIndex(1);
    sendText(QStringLiteral("one\n"));
    QTRY_COMPARE(counter->intValue(), 5);
    QTRY_COMPARE(v6->bytesAvailable(), qint64(5));
    QCOMPARE(v6->readAll(), QByteArray("one\r\n"));
    QCOMPARE(counter->intValue(), 5);

    box->setCurrentIndex(0);
    sendText(QStringLiteral("all"));
    QTRY_COMPARE(v4->bytesAvailable(), qint64(3));
    QTRY_COMPARE(v4again->bytesAvailable(), qint64(3));
    QCOMPARE(counter->intValue(), 11);

    QTest::qWait(100);
    QCOMPARE(v4->readAll(), QByteArray("all"));
    QCOMPARE(v4again->readAll(), QByteArray("all"));
    QCOMPARE(v6->bytesAvailable(), qint64(0));
}

void TestTcpServer::leavingClientIsRemoved()
{
    startServer();
    connectClient(QHostAddress::LocalHost);
    QTcpSocket *v6 = connectClient(QHostAddress::LocalHostIPv6);
    v6->disconnectFromHost();
    QTRY_COMPARE(listedClients(), QStringList({v4Client}));
    QCOMPARE(status(*m_window), QStringLiteral("client: %1 left").arg(v6Client));

    // The one left still gets what is sent; the gone one is not written to.
    sendText(QStringLiteral("x"));
    QTRY_COMPARE(m_clients.first()->bytesAvailable(), qint64(1));
    QCOMPARE(m_clients.first()->readAll(), QByteArray("x"));
    QCOMPARE(child<QLCDNumber>(*m_window, "TCPsendbyteslcdNumber")->intValue(), 1);
}

void TestTcpServer::stopClosesEveryClient()
{
    startServer();
    QTcpSocket *v4 = connectClient(QHostAddress::LocalHost);
    QTcpSocket *v6 = connectClient(QHostAddress::LocalHostIPv6);
    QSignalSpy messages(m_window->statusBar(), &QStatusBar::messageChanged);
    press(child<QPushButton>(*m_window, "TCPopencompushButton"));
    QCOMPARE(status(*m_window), QStringLiteral("Server has stopped"));
    QTRY_COMPARE(v4->state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(v6->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(listedClients().isEmpty());
    QCOMPARE(listeningPort(), quint16(0));
    for (const QList<QVariant> &message : std::as_const(messages))
        QVERIFY2(!message.first().toString().contains(QStringLiteral("left")),
                 qPrintable(message.first().toString()));
}

void TestTcpServer::repeatWritesOncePerTick_data()
{
    QTest::addColumn<bool>("clientRunFirst");
    QTest::newRow("server started three times") << false;
    QTest::newRow("after a client run") << true;
}

// Whatever ran before, a repeat writes the box once per tick to the current
// server's client and counts exactly what it wrote.
void TestTcpServer::repeatWritesOncePerTick()
{
    QFETCH(bool, clientRunFirst);
    auto *startButton = child<QPushButton>(*m_window, "TCPopencompushButton");
    if (clientRunFirst) {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost, 0));
        setMode(QStringLiteral("TCP Client"));
        child<QLineEdit>(*m_window, "TCPclientIPlineEdit")->setText(QStringLiteral("127.0.0.1"));
        child<QLineEdit>(*m_window, "TCPclientPortlineEdit")
            ->setText(QString::number(other.serverPort()));
        press(startButton);
        QTRY_COMPARE(status(*m_window), QStringLiteral("Connected to TCP server"));
        press(startButton);
        setMode(QStringLiteral("TCP Server"));
    }
    for (int run = 0; run < 3; ++run) {
        startServer();
        connectClient(QHostAddress::LocalHost);
        press(startButton);
        QCOMPARE(status(*m_window), QStringLiteral("Server has stopped"));
    }
    startServer();
    QTcpSocket *client = connectClient(QHostAddress::LocalHost);

    qsizetype ticks = 0;
    repeatTcpTicks(*m_window, 41, &ticks);
    if (QTest::currentTestFailed())
        return;

    const qint64 expected = 4 * ticks;
    QTRY_COMPARE(client->bytesAvailable(), expected);
    QCOMPARE(child<QLCDNumber>(*m_window, "TCPsendbyteslcdNumber")->intValue(), int(expected));
}

void TestTcpServer::repeatStaysWithItsHost_data()
{
    // The local address of each client, in order of arrival; the chosen one
    // leaves once the repeat runs.
    QTest::addColumn<QStringList>("hosts");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("joining"); // a client's host, joining after the leave
    QTest::addColumn<QString>("oneOff");  // sent once after the leave
    QTest::addColumn<bool>("repeatGoesOn");
    const QString b = QStringLiteral("127.0.0.2");
    const QString a = QStringLiteral("127.0.0.1");
    QTest::newRow("host's only client leaves, another host joins")
        << QStringList{b} << 0 << QStringLiteral("127.0.0.9") << QString() << false;
    QTest::newRow("another host's client was there")
        << QStringList{a, b} << 1 << QString() << QString() << false;
    QTest::newRow("the host's other client stays")
        << QStringList{b, a, b} << 0 << QString() << QString() << true;
    QTest::newRow("one-off goes to the entry shown")
        << QStringList{a, b} << 1 << QString() << QStringLiteral("once") << false;
}

// A repeat stays with the host chosen when it started, whatever the client
// box shows later; when that host's last client leaves, the repeat stops and
// the status says why. A one-off goes to the entry shown at the press.
void TestTcpServer::repeatStaysWithItsHost()
{
    QFETCH(QStringList, hosts);
    QFETCH(int, chosen);
    QFETCH(QString, joining);
    QFETCH(QString, oneOff);
    QFETCH(bool, repeatGoesOn);
    startServer();
    for (const QString &host : std::as_const(hosts))
        connectClient(QHostAddress::LocalHost, QHostAddress(host));
    if (QTest::currentTestFailed())
        return;
    child<QComboBox>(*m_window, "TCP_Client_IP_comboBox")->setCurrentIndex(chosen);
    startTcpRepeat(*m_window, 50, QStringLiteral("for-B;"));
    QTimer *timer = runningTimer(*m_window, 50);
    QVERIFY(timer);
    QSignalSpy ticks(timer, &QTimer::timeout);
    QTRY_VERIFY(ticks.size() >= 2);

    m_clients.at(chosen)->disconnectFromHost();
    QTRY_COMPARE(listedClients().size(), hosts.size() - 1);
    const QString leftStatus = status(*m_window);
    if (!joining.isEmpty())
        connectClient(QHostAddress::LocalHost, QHostAddress(joining));
    QTest::qWait(300);
    auto *sendButton = child<QPushButton>(*m_window, "TCPsendmsgBtn");
    const QString buttonText = sendButton->text();
    if (!oneOff.isEmpty()) {
        child<QCheckBox>(*m_window, "TCPobocheckBox")->setChecked(false);
        sendText(oneOff);
    } else if (repeatGoesOn) {
        press(sendButton);
    }

    for (int i = 0; i < m_clients.size(); ++i) {
        const bool ofChosenHost = i < hosts.size() && hosts.at(i) == hosts.at(chosen);
        if (i == chosen)
            continue;
        const QByteArray expected =
            ofChosenHost ? QByteArray("for-B;").repeated(ticks.size()) : oneOff.toLatin1();
        if (!expected.isEmpty())
            QTRY_COMPARE(m_clients.at(i)->bytesAvailable(), qint64(expected.size()));
        QCOMPARE(m_clients.at(i)->readAll(), expected);
    }
    QCOMPARE(buttonText, repeatGoesOn ? QStringLiteral("Pause") : QStringLiteral("send"));
    const QString left = QStringLiteral("client: ::ffff:%1 left").arg(hosts.at(chosen));
    QCOMPARE(leftStatus, repeatGoesOn ? left : left + QStringLiteral(", Keep Send stopped"));
}

// A repeat pressed while no client is listed says it waits, then takes the
// host of the first client that joins and keeps it, whatever the box shows
// later: that client gets every tick from its join on, another host none.
void TestTcpServer::repeatPressedBeforeAnyClient()
{
    startServer();
    startTcpRepeat(*m_window, 50, QStringLiteral("for-B;"));
    QCOMPARE(status(*m_window), QStringLiteral("Keep Send waits for a client to join"));
    QSignalSpy ticks(runningTimer(*m_window, 50), &QTimer::timeout);
    auto *box = child<QComboBox>(*m_window, "TCP_Client_IP_comboBox");
    qsizetype ticksAtJoin = -1;
    const QObject joinWatch;
    connect(box, &QComboBox::currentTextChanged, &joinWatch, [&] {
        if (ticksAtJoin < 0)
            ticksAtJoin = ticks.size();
    });
    QTRY_VERIFY(ticks.size() >= 2);
    QTcpSocket *first = connectClient(QHostAddress::LocalHost);
    QTcpSocket *other = connectClient(QHostAddress::LocalHost, QHostAddress("127.0.0.2"));
    box->setCurrentIndex(1);
    QTRY_VERIFY(ticks.size() >= ticksAtJoin + 3);
    press(child<QPushButton>(*m_window, "TCPsendmsgBtn"));
    const QByteArray expected = QByteArray("for-B;").repeated(ticks.size() - ticksAtJoin);
    QTRY_COMPARE(first->bytesAvailable(), qint64(expected.size()));
    QCOMPARE(first->readAll(), expected);
    QCOMPARE(other->bytesAvailable(), qint64(0));
}

YURB_TEST_MAIN(TestTcpServer)
#include "tst_tcpserver.moc"
