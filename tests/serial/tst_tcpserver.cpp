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

private:
    void setMode(const QString &mode);
    void startServer();
    [[nodiscard]] quint16 listeningPort() const;
    QTcpSocket *connectClient(const QHostAddress &from);
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

QTcpSocket *TestTcpServer::connectClient(const QHostAddress &from)
{
    auto *client = new QTcpSocket;
    m_clients.append(client);
    const int listed = listedClients().size();
    client->connectToHost(from, listeningPort());
    [&] {
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

YURB_TEST_MAIN(TestTcpServer)
#include "tst_tcpserver.moc"
