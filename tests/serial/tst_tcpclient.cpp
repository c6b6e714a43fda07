#include "mainwindow.h"
#include "netterminaltest.h"
#include "promptrecorder.h"
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

using namespace NetTerminalTest;

// The TCP terminal as a client of a server on the loopback interface.
class TestTcpClient : public TerminalTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void emptyAddressIsRefused();
    void refusedConnectionIsReported();
    void receive_data();
    void receive();
    void send_data();
    void send();
    void lostConnectionStops();
    void threeSessionsStillSendOncePerTick();

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

void TestTcpClient::emptyAddressIsRefused()
{
    child<QLineEdit>(*m_window, "TCPclientIPlineEdit")->clear();
    press(child<QPushButton>(*m_window, "TCPopencompushButton"));
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().kind, Prompt::Kind::Warning);
    QCOMPARE(m_prompts->messages.first().title, QStringLiteral("warning:"));
    QCOMPARE(m_prompts->messages.first().text, QStringLiteral("IP or Port is empty!"));
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

void TestTcpClient::lostConnectionStops()
{
    QTcpSocket *server = connectToPeer();
    QVERIFY(server);
    server->disconnectFromHost();
    QTRY_COMPARE(status(*m_window), QStringLiteral("Disconnected TCP server"));
    expectStopped();
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

YURB_TEST_MAIN(TestTcpClient)
#include "tst_tcpclient.moc"
