#include "mainwindow.h"
#include "netterminaltest.h"
#include "promptrecorder.h"
#include "receivechecks.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace NetTerminalTest;

// The TCP terminal as a client of a server on the loopback interface.
class TestTcpClient : public TerminalTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void badEntriesAreRefused_data();
    void badEntriesAreRefused();
    void refusedConnectionIsReported();
    void receive_data();
    void receive();
    void send_data();
    void send();
    void lostConnectionStops();
    void threeSessionsStillSendOncePerTick();
    void oneReadIsOneChunk();
    void streamsKeepTheViewsBounded_data();
    void streamsKeepTheViewsBounded();
    void stopWhileConnectingReleasesTheSocket();

private:
    void startClient(quint16 port);
    QTcpSocket *connectToPeer();
    void expectStopped();

    std::unique_ptr<QSignalSpy> m_messages;
    QTcpServer m_peer;
};

void TestTcpClient::init()
{
    openWindow("tcp");
    m_messages = std::make_unique<QSignalSpy>(m_window->statusBar(), &QStatusBar::messageChanged);
    child<QComboBox>(*m_window, "TCP_comboBox")->setCurrentText(QStringLiteral("TCP Client"));
    QVERIFY(m_peer.listen(QHostAddress::LocalHost, 0));
}

void TestTcpClient::cleanup()
{
    m_messages.reset();
    closeWindow();
    m_peer.close();
}

void TestTcpClient::startClient(quint16 port)
{
    child<QLineEdit>(*m_window, "TCPclientIPlineEdit")->setText(QStringLiteral("127.0.0.1"));
    child<QLineEdit>(*m_window, "TCPclientPortlineEdit")->setText(QString::number(port));
    press(child<QPushButton>(*m_window, "TCPopencompushButton"));
}

// Starts the client towards the peer and returns the peer's end.
QTcpSocket *TestTcpClient::connectToPeer()
{
    startClient(m_peer.serverPort());
    [&] {
        QTRY_COMPARE(status(*m_window), QStringLiteral("Connected to TCP server"));
    }();
    if (!m_peer.hasPendingConnections())
        m_peer.waitForNewConnection(5000);
    return m_peer.nextPendingConnection();
}

void TestTcpClient::expectStopped()
{
    QCOMPARE(child<QPushButton>(*m_window, "TCPopencompushButton")->text(),
             QStringLiteral("Start"));
    QVERIFY(!child<QPushButton>(*m_window, "TCPsendmsgBtn")->isEnabled());
    QVERIFY(!child<QPlainTextEdit>(*m_window, "TCPsendMsgtextEdit")->isEnabled());
    for (const char *name : {"TCPclientIPlineEdit", "TCPclientPortlineEdit",
                             "TCPServerPortlineEdit", "TCPServerIPcomboBox", "TCP_comboBox"})
        QVERIFY2(child<QWidget>(*m_window, name)->isEnabled(), name);
}

void TestTcpClient::badEntriesAreRefused_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty address") << ""
                                   << "1000"
                                   << "IP or Port is empty!";
    QTest::newRow("octet out of range")
        << "300.1.1.1"
        << "1000"
        << "Remote IP \"300.1.1.1\" is not a valid address or host name.";
    QTest::newRow("port that would wrap")
        << "127.0.0.1"
        << "70000"
        << "Remote port \"70000\" is not valid: use a number from 1 to 65535.";
    QTest::newRow("port 0") << "127.0.0.1"
                            << "0"
                            << "Remote port \"0\" is not valid: use a number from 1 to 65535.";
}

// A bad entry is refused with a warning and nothing is connected.
void TestTcpClient::badEntriesAreRefused()
{
    QFETCH(QString, ip);
    QFETCH(QString, port);
    QFETCH(QString, message);
    const int sockets = m_window->findChildren<QTcpSocket *>().size();
    child<QLineEdit>(*m_window, "TCPclientIPlineEdit")->setText(ip);
    child<QLineEdit>(*m_window, "TCPclientPortlineEdit")->setText(port);
    press(child<QPushButton>(*m_window, "TCPopencompushButton"));
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().kind, Prompt::Kind::Warning);
    QCOMPARE(m_prompts->messages.first().title, QStringLiteral("warning:"));
    QCOMPARE(m_prompts->messages.first().text, message);
    QCOMPARE(m_window->findChildren<QTcpSocket *>().size(), sockets);
    expectStopped();
}

// Nothing listens: the failure is reported, "connected" never shown, and the
// widgets come back for a new try.
void TestTcpClient::refusedConnectionIsReported()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();

    startClient(port);
    QTRY_COMPARE(status(*m_window), QStringLiteral("No server found"));
    QStringList shown;
    for (const QList<QVariant> &message : std::as_const(*m_messages))
        shown.append(message.first().toString());
    QVERIFY2(!shown.contains(QStringLiteral("Connected to TCP server")),
             qPrintable(shown.join(QStringLiteral(" | "))));
    expectStopped();

    // A second try starts again and fails the same way.
    startClient(port);
    QTRY_COMPARE(status(*m_window), QStringLiteral("No server found"));
    expectStopped();
}

void TestTcpClient::receive_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<int>("count");
    QTest::newRow("A B CR LF") << QByteArray("AB\r\n") << false << "AB\n"
                               << "0x41, 0x42, 0x0D, 0x0A, \n"
                               << 4;
    QTest::newRow("GBK") << QByteArray::fromHex("c4e3bac3") << false << QStringLiteral("你好")
                         << "0xC4, 0xE3, 0xBA, 0xC3, \n"
                         << 4;
    QTest::newRow("markup with stamps") << QByteArray("<i>") << true << "[T]<i>"
                                        << "[T]0x3C, 0x69, 0x3E, " << 3;
}

void TestTcpClient::receive()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, timeStamp);
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QFETCH(int, count);

    child<QCheckBox>(*m_window, "TCP_showtime_checkBox")->setChecked(timeStamp);
    QTcpSocket *server = connectToPeer();
    QVERIFY(server);
    server->write(data);
    QTRY_COMPARE(viewText(*m_window, "TCP_StrTextBrowser"), text);
    QTRY_COMPARE(hexViewText(*m_window, "TCP_HEXcheckBox", "TCP_HexTextBrowser"), hex);
    QCOMPARE(child<QLCDNumber>(*m_window, "TCPrecvbyteslcdNumber")->intValue(), count);
    QCOMPARE(status(*m_window),
             QStringLiteral("TCP receive from:127.0.0.1:%1").arg(m_peer.serverPort()));
}

void TestTcpClient::send_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("text with final line feed") << "hello\n" << false << QByteArray("hello\r\n");
    QTest::newRow("hex") << "41 42 00 ff" << true << QByteArray::fromHex("414200ff");
}

void TestTcpClient::send()
{
    QFETCH(QString, text);
    QFETCH(bool, hex);
    QFETCH(QByteArray, expected);

    QTcpSocket *server = connectToPeer();
    QVERIFY(server);
    child<QCheckBox>(*m_window, "TCPsendAsHexcheckBox")->setChecked(hex);
    child<QPlainTextEdit>(*m_window, "TCPsendMsgtextEdit")->setPlainText(text);
    press(child<QPushButton>(*m_window, "TCPsendmsgBtn"));
    QTRY_COMPARE(server->bytesAvailable(), qint64(expected.size()));
    QCOMPARE(server->readAll().toHex(' '), expected.toHex(' '));
    QCOMPARE(child<QLCDNumber>(*m_window, "TCPsendbyteslcdNumber")->intValue(),
             int(expected.size()));
}

// A connection lost while a repeat runs ends the repeat too: nothing is sent
// through a later connection unasked.
void TestTcpClient::lostConnectionStops()
{
    QTcpSocket *server = connectToPeer();
    QVERIFY(server);
    child<QCheckBox>(*m_window, "TCPobocheckBox")->setChecked(true);
    child<QPlainTextEdit>(*m_window, "TCPsendMsgtextEdit")->setPlainText(QStringLiteral("x"));
    auto *sendButton = child<QPushButton>(*m_window, "TCPsendmsgBtn");
    press(sendButton);
    QCOMPARE(sendButton->text(), QStringLiteral("Pause"));
    server->disconnectFromHost();
    QTRY_COMPARE(status(*m_window), QStringLiteral("Disconnected TCP server"));
    expectStopped();
    QCOMPARE(sendButton->text(), QStringLiteral("send"));

    QTcpSocket *next = connectToPeer();
    QVERIFY(next);
    QTest::qWait(300);
    QCOMPARE(next->bytesAvailable(), qint64(0));
}

// Earlier sessions leave no socket behind that still writes or counts: the
// repeat sends the box once per tick through the current connection.
void TestTcpClient::threeSessionsStillSendOncePerTick()
{
    const int before = m_window->findChildren<QTcpSocket *>().size();
    auto *startButton = child<QPushButton>(*m_window, "TCPopencompushButton");
    for (int session = 0; session < 3; ++session) {
        QTcpSocket *server = connectToPeer();
        QVERIFY(server);
        press(startButton);
        QCOMPARE(status(*m_window), QStringLiteral("Disconnected TCP server"));
        QTRY_COMPARE(server->state(), QAbstractSocket::UnconnectedState);
    }
    QTcpSocket *server = connectToPeer();
    QVERIFY(server);
    QTRY_COMPARE(m_window->findChildren<QTcpSocket *>().size(), before + 1);

    qsizetype ticks = 0;
    repeatTcpTicks(*m_window, 37, &ticks);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(child<QPushButton>(*m_window, "TCPsendmsgBtn")->text(), QStringLiteral("send"));

    const qint64 expected = 4 * ticks;
    QTRY_COMPARE(server->bytesAvailable(), expected);
    QCOMPARE(child<QLCDNumber>(*m_window, "TCPsendbyteslcdNumber")->intValue(), int(expected));
}

// Everything one read brings is one chunk: one stamp for a 5000-byte write.
void TestTcpClient::oneReadIsOneChunk()
{
    child<QCheckBox>(*m_window, "TCP_showtime_checkBox")->setChecked(true);
    QTcpSocket *server = connectToPeer();
    QVERIFY(server);
    server->write(QByteArray(5000, 'y'));
    QTRY_COMPARE(viewText(*m_window, "TCP_StrTextBrowser").count(QLatin1Char('y')), 5000);
    QCOMPARE(viewText(*m_window, "TCP_StrTextBrowser").count(QStringLiteral("[T]")), 1);
}

void TestTcpClient::streamsKeepTheViewsBounded_data()
{
    ReceiveChecks::addStreamRows();
}

// A stream without line structure reaches both views whole, in lines of
// bounded length.
void TestTcpClient::streamsKeepTheViewsBounded()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, text);
    using namespace ReceiveChecks;
    child<QCheckBox>(*m_window, "TCP_HEXcheckBox")->setChecked(true);
    QTcpSocket *server = connectToPeer();
    QVERIFY(server);
    server->write(stream);
    verifyShown(*child<QPlainTextEdit>(*m_window, "TCP_StrTextBrowser"),
                *child<QPlainTextEdit>(*m_window, "TCP_HexTextBrowser"), stream, text,
                HexFormat::Style::Spaced);
}

// A server whose accept queue is full leaves the client connecting; Stop
// aborts it, and no socket stays behind however often that happens.
void TestTcpClient::stopWhileConnectingReleasesTheSocket()
{
    const int full = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QVERIFY(::bind(full, reinterpret_cast<sockaddr *>(&address), length) == 0);
    QVERIFY(::listen(full, 0) == 0);
    QVERIFY(::getsockname(full, reinterpret_cast<sockaddr *>(&address), &length) == 0);
    const quint16 port = ntohs(address.sin_port);
    QList<QTcpSocket *> fillers;
    for (int i = 0; i < 3; ++i) {
        fillers.append(new QTcpSocket(this));
        fillers.last()->connectToHost(QHostAddress::LocalHost, port);
    }
    QTest::qWait(200);

    const int before = m_window->findChildren<QTcpSocket *>().size();
    auto *startButton = child<QPushButton>(*m_window, "TCPopencompushButton");
    for (int cycle = 0; cycle < 4; ++cycle) {
        startClient(port);
        QTest::qWait(100);
        QCOMPARE(status(*m_window), QStringLiteral("Connecting to TCP server"));
        press(startButton);
        expectStopped();
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_window->findChildren<QTcpSocket *>().size(), before, 1000);
    qDeleteAll(fillers);
    ::close(full);
}

YURB_TEST_MAIN(TestTcpClient)
#include "tst_tcpclient.moc"
