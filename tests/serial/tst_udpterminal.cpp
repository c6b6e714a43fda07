#include "mainwindow.h"
#include "netterminaltest.h"
#include "promptrecorder.h"
#include "receivechecks.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QSpinBox>
#include <QUdpSocket>

using namespace NetTerminalTest;
using Datagrams = QList<QByteArray>;

// The UDP terminal against a peer socket on the loopback interface.
class TestUdpTerminal : public TerminalTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void receive_data();
    void receive();
    void counterStopsAt99999();
    void send_data();
    void send();
    void refusedDatagramIsTold();
    void portInUseIsReported();
    void stopEndsTheRepeat();
    void badAddressesAreRefused_data();
    void badAddressesAreRefused();
    void streamsKeepTheViewsBounded_data();
    void streamsKeepTheViewsBounded();
    void floodIsTakenInPasses_data();
    void floodIsTakenInPasses();

private:
    void start();
    [[nodiscard]] QUdpSocket *listeningSocket() const;
    [[nodiscard]] quint16 listeningPort() const;
    void sendFromPeer(const QByteArray &datagram);

    QUdpSocket m_peer;
};

void TestUdpTerminal::init()
{
    openWindow("udp");
    QVERIFY(m_peer.bind(QHostAddress::LocalHost, 0));
}

void TestUdpTerminal::cleanup()
{
    closeWindow();
    m_peer.close();
}

// Starts the terminal on a port that is free.
void TestUdpTerminal::start()
{
    child<QLineEdit>(*m_window, "UDPSenderPortlineEdit")->setText(QString::number(freeUdpPort()));
    press(child<QPushButton>(*m_window, "UDPopencompushButton"));
    QCOMPARE(status(*m_window), QStringLiteral("UDP starts listening"));
    QCOMPARE(child<QPushButton>(*m_window, "UDPopencompushButton")->text(), QStringLiteral("Stop"));
}

QUdpSocket *TestUdpTerminal::listeningSocket() const
{
    for (QUdpSocket *socket : m_window->findChildren<QUdpSocket *>()) {
        if (socket->state() == QAbstractSocket::BoundState)
            return socket;
    }
    return nullptr;
}

quint16 TestUdpTerminal::listeningPort() const
{
    const QUdpSocket *socket = listeningSocket();
    return socket ? socket->localPort() : 0;
}

void TestUdpTerminal::sendFromPeer(const QByteArray &datagram)
{
    QCOMPARE(m_peer.writeDatagram(datagram, QHostAddress::LocalHost, listeningPort()),
             qint64(datagram.size()));
}

void TestUdpTerminal::receive_data()
{
    QTest::addColumn<Datagrams>("datagrams");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<int>("count");

    QTest::newRow("A B CR LF") << Datagrams{"AB\r\n"} << false << "AB\n"
                               << "0x41, 0x42, 0x0D, 0x0A, \n"
                               << 4;
    QTest::newRow("CR-only lines") << Datagrams{"a\rb", "\r", "\nc\r"} << false << "a\nb\nc\n"
                                   << "0x61, 0x0D, 0x62, \n0x0D, \n0x0A, 0x63, 0x0D, \n"
                                   << 7;
    QTest::newRow("empty datagram") << Datagrams{QByteArray()} << false << ""
                                    << "" << 0;
    QTest::newRow("one hex line per datagram") << Datagrams{"a", "b"} << false << "ab"
                                               << "0x61, \n0x62, \n"
                                               << 2;
    QTest::newRow("GBK without stamps") << Datagrams{QByteArray::fromHex("c4e3bac3")} << false
                                        << QStringLiteral("你好") << "0xC4, 0xE3, 0xBA, 0xC3, \n"
                                        << 4;
    QTest::newRow("GBK character split over two datagrams")
        << Datagrams{QByteArray::fromHex("c4"), QByteArray::fromHex("e3")} << false
        << QStringLiteral("你") << "0xC4, \n0xE3, \n"
        << 2;
    QTest::newRow("UTF-8 without stamps")
        << Datagrams{QByteArray::fromHex("e4b8ade69687")} << false << QStringLiteral("中文")
        << "0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87, \n"
        << 6;
    QTest::newRow("UTF-8 with stamps") << Datagrams{QByteArray::fromHex("e4bda0")} << true
                                       << QStringLiteral("[T]你") << "[T]0xE4, 0xBD, 0xA0, " << 3;
    QTest::newRow("GBK with stamps") << Datagrams{QByteArray::fromHex("c4e3")} << true
                                     << QStringLiteral("[T]你") << "[T]0xC4, 0xE3, " << 2;
    QTest::newRow("markup is shown as text")
        << Datagrams{"<b>x</b>&amp;"} << true << "[T]<b>x</b>&amp;"
        << "[T]0x3C, 0x62, 0x3E, 0x78, 0x3C, 0x2F, 0x62, 0x3E, 0x26, 0x61, 0x6D, 0x70, 0x3B, "
        << 13;
    QTest::newRow("each stamped datagram on its own line")
        << Datagrams{"1", "2"} << true << "[T]1\n[T]2"
        << "[T]0x31, \n[T]0x32, " << 2;
    QTest::newRow("stamped empty datagram") << Datagrams{QByteArray()} << true << "[T]"
                                            << "[T]" << 0;
}

// Datagrams of an in-test peer show in both views, with the sender in the
// status bar and the count of all their bytes.
void TestUdpTerminal::receive()
{
    QFETCH(Datagrams, datagrams);
    QFETCH(bool, timeStamp);
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QFETCH(int, count);

    child<QCheckBox>(*m_window, "UDP_showtime_checkBox")->setChecked(timeStamp);
    start();
    const QString sender =
        QStringLiteral("UDP receive from:::ffff:127.0.0.1:%1").arg(m_peer.localPort());
    for (const QByteArray &datagram : datagrams) {
        sendFromPeer(datagram);
        // One at a time, so that each is a chunk of its own.
        QTRY_COMPARE(status(*m_window), sender);
        m_window->statusBar()->clearMessage();
    }
    QTRY_COMPARE(viewText(*m_window, "UDP_StrTextBrowser"), text);
    QCOMPARE(child<QLCDNumber>(*m_window, "UDPrecvbyteslcdNumber")->intValue(), count);
    // The hex view shows, once ticked, what came while it was hidden.
    QTRY_COMPARE(hexViewText(*m_window, "UDP_HEXcheckBox", "UDP_HexTextBrowser"), hex);
}

void TestUdpTerminal::counterStopsAt99999()
{
    start();
    const QByteArray big(60000, 'x');
    auto *counter = child<QLCDNumber>(*m_window, "UDPrecvbyteslcdNumber");
    sendFromPeer(big);
    QTRY_COMPARE(counter->intValue(), 60000);
    sendFromPeer(big);
    QTRY_COMPARE(counter->intValue(), 99999);
    sendFromPeer("more");
    QTRY_COMPARE(status(*m_window).startsWith(QStringLiteral("UDP receive")), true);
    QCOMPARE(counter->intValue(), 99999);
}

void TestUdpTerminal::send_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("text with final line feed") << "hello\n" << false << QByteArray("hello\r\n");
    QTest::newRow("text with inner line feed") << "a\nb" << false << QByteArray("a\nb");
    QTest::newRow("UTF-8 text") << QStringLiteral("你好") << false
                                << QByteArray::fromHex("e4bda0e5a5bd");
    QTest::newRow("hex with blanks") << "01 02 ff" << true << QByteArray::fromHex("0102ff");
    QTest::newRow("hex without blanks") << "0102FF" << true << QByteArray::fromHex("0102ff");
}

// The send box reaches the peer byte-exactly as one datagram, and is counted.
void TestUdpTerminal::send()
{
    QFETCH(QString, text);
    QFETCH(bool, hex);
    QFETCH(QByteArray, expected);

    start();
    child<QLineEdit>(*m_window, "UDPFarIPlineEdit")->setText(QStringLiteral("127.0.0.1"));
    child<QLineEdit>(*m_window, "UDPFarPortlineEdit")->setText(QString::number(m_peer.localPort()));
    child<QCheckBox>(*m_window, "UDPsendAsHexcheckBox")->setChecked(hex);
    child<QPlainTextEdit>(*m_window, "UDPsendMsgtextEdit")->setPlainText(text);
    press(child<QPushButton>(*m_window, "UDPsendmsgBtn"));

    QTRY_VERIFY(m_peer.hasPendingDatagrams());
    QByteArray datagram(m_peer.pendingDatagramSize(), Qt::Uninitialized);
    m_peer.readDatagram(datagram.data(), datagram.size());
    QCOMPARE(datagram.toHex(' '), expected.toHex(' '));
    QCOMPARE(child<QLCDNumber>(*m_window, "UDPsendbyteslcdNumber")->intValue(),
             int(expected.size()));
}

// A datagram the system refuses (larger than UDP carries) is told, and not
// counted as sent.
void TestUdpTerminal::refusedDatagramIsTold()
{
    start();
    child<QLineEdit>(*m_window, "UDPFarPortlineEdit")->setText(QString::number(m_peer.localPort()));
    child<QPlainTextEdit>(*m_window, "UDPsendMsgtextEdit")
        ->setPlainText(QString(70000, QLatin1Char('u')));
    press(child<QPushButton>(*m_window, "UDPsendmsgBtn"));
    QVERIFY2(status(*m_window).startsWith(QStringLiteral("Send failed: ")),
             qPrintable(status(*m_window)));
    QCOMPARE(child<QLCDNumber>(*m_window, "UDPsendbyteslcdNumber")->intValue(), 0);
    QTest::qWait(100);
    QVERIFY(!m_peer.hasPendingDatagrams());
}

// A local port already bound elsewhere is reported, and the terminal stays
// stopped until a start succeeds.
void TestUdpTerminal::portInUseIsReported()
{
    QUdpSocket blocker;
    QVERIFY(blocker.bind(QHostAddress::Any, 0));
    const QString port = QString::number(blocker.localPort());
    child<QLineEdit>(*m_window, "UDPSenderPortlineEdit")->setText(port);
    auto *button = child<QPushButton>(*m_window, "UDPopencompushButton");
    press(button);

    QVERIFY2(
        status(*m_window).startsWith(QStringLiteral("UDP failed to listen on port %1: ").arg(port)),
        qPrintable(status(*m_window)));
    QCOMPARE(button->text(), QStringLiteral("Start"));
    QVERIFY(!child<QPushButton>(*m_window, "UDPsendmsgBtn")->isEnabled());
    QVERIFY(child<QLineEdit>(*m_window, "UDPSenderPortlineEdit")->isEnabled());
    QCOMPARE(listeningPort(), quint16(0));

    blocker.close();
    press(button);
    QCOMPARE(status(*m_window), QStringLiteral("UDP starts listening"));
    QCOMPARE(button->text(), QStringLiteral("Stop"));
    QCOMPARE(listeningPort(), quint16(port.toUInt()));
}

// Stopping ends a running repeat: nothing more is sent, and the next start
// does not bring the repeat back.
void TestUdpTerminal::stopEndsTheRepeat()
{
    start();
    child<QLineEdit>(*m_window, "UDPFarPortlineEdit")->setText(QString::number(m_peer.localPort()));
    child<QCheckBox>(*m_window, "UDPobocheckBox")->setChecked(true);
    child<QSpinBox>(*m_window, "UDPdelayspinBox")->setValue(20);
    child<QPlainTextEdit>(*m_window, "UDPsendMsgtextEdit")->setPlainText(QStringLiteral("x"));
    auto *sendButton = child<QPushButton>(*m_window, "UDPsendmsgBtn");
    press(sendButton);
    QCOMPARE(sendButton->text(), QStringLiteral("Pause"));
    auto *counter = child<QLCDNumber>(*m_window, "UDPsendbyteslcdNumber");
    QTRY_VERIFY(counter->intValue() >= 2);

    press(child<QPushButton>(*m_window, "UDPopencompushButton"));
    QCOMPARE(status(*m_window), QStringLiteral("UDP stop listening"));
    QCOMPARE(sendButton->text(), QStringLiteral("Send"));
    const int counted = counter->intValue();
    start();
    QTest::qWait(150);
    while (m_peer.hasPendingDatagrams() && m_peer.receiveDatagram().isValid()) {
    }
    QTest::qWait(150);
    QVERIFY(!m_peer.hasPendingDatagrams());
    QCOMPARE(counter->intValue(), counted);
}

void TestUdpTerminal::badAddressesAreRefused_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("local port 0") << "UDPSenderPortlineEdit"
                                  << "0"
                                  << "Local port \"0\" is not valid: use a number from 1 to 65535.";
    QTest::newRow("remote IP out of range") << "UDPFarIPlineEdit"
                                            << "300.1.1.1"
                                            << "Remote IP \"300.1.1.1\" is not a valid IP address.";
    QTest::newRow("remote IP not an address")
        << "UDPFarIPlineEdit"
        << "not-an-ip"
        << "Remote IP \"not-an-ip\" is not a valid IP address.";
    QTest::newRow("remote port too high")
        << "UDPFarPortlineEdit"
        << "99999"
        << "Remote port \"99999\" is not valid: use a number from 1 to 65535.";
}

// A bad address or port is refused with a warning: nothing listens and the
// terminal stays stopped.
void TestUdpTerminal::badAddressesAreRefused()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    child<QLineEdit>(*m_window, "UDPSenderPortlineEdit")->setText(QString::number(freeUdpPort()));
    child<QLineEdit>(*m_window, qPrintable(box))->setText(text);
    press(child<QPushButton>(*m_window, "UDPopencompushButton"));
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().text, message);
    QCOMPARE(child<QPushButton>(*m_window, "UDPopencompushButton")->text(),
             QStringLiteral("Start"));
    QCOMPARE(listeningPort(), quint16(0));
    QVERIFY(!child<QPushButton>(*m_window, "UDPsendmsgBtn")->isEnabled());
}

void TestUdpTerminal::streamsKeepTheViewsBounded_data()
{
    ReceiveChecks::addStreamRows();
}

// Datagrams without line structure reach both views whole, in lines of
// bounded length.
void TestUdpTerminal::streamsKeepTheViewsBounded()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, text);
    using namespace ReceiveChecks;
    child<QCheckBox>(*m_window, "UDP_HEXcheckBox")->setChecked(true);
    start();
    for (qsizetype sent = 0; sent < stream.size(); sent += 1400)
        sendFromPeer(stream.mid(sent, 1400));
    verifyShown(*child<QPlainTextEdit>(*m_window, "UDP_StrTextBrowser"),
                *child<QPlainTextEdit>(*m_window, "UDP_HexTextBrowser"), stream, text,
                HexFormat::Style::Spaced);
}

void TestUdpTerminal::floodIsTakenInPasses_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("size");
    // Each flood fits the hex view's line limit whole.
    QTest::newRow("64 KB datagrams") << 8 << 65507;
    QTest::newRow("1400-byte datagrams") << 400 << 1400;
}

// Datagrams that wait in the socket together are read in passes that return
// to the event loop between them, and every datagram taken shows whole, in
// order, in both views.
void TestUdpTerminal::floodIsTakenInPasses()
{
    QFETCH(int, count);
    QFETCH(int, size);
    child<QCheckBox>(*m_window, "UDP_HEXcheckBox")->setChecked(true);
    start();
    QUdpSocket *socket = listeningSocket();
    QVERIFY(socket);
    // Connected after the window's slot: sees what each pass left behind.
    QList<bool> leftBehind;
    connect(socket, &QUdpSocket::readyRead, this,
            [&leftBehind, socket] { leftBehind.append(socket->hasPendingDatagrams()); });
    QByteArray stream;
    for (int i = 0; i < count; ++i) {
        const QByteArray datagram =
            QByteArray(QByteArray::number(i) + ' ').repeated(size).left(size);
        sendFromPeer(datagram);
        stream += datagram;
    }
    ReceiveChecks::verifyShown(*child<QPlainTextEdit>(*m_window, "UDP_StrTextBrowser"),
                               *child<QPlainTextEdit>(*m_window, "UDP_HexTextBrowser"), stream,
                               QString::fromLatin1(stream), HexFormat::Style::Spaced);
    QVERIFY2(leftBehind.size() >= 2 && leftBehind.first(),
             qPrintable(QStringLiteral("%1 passes").arg(leftBehind.size())));
    QVERIFY(!socket->hasPendingDatagrams());
}

YURB_TEST_MAIN(TestUdpTerminal)
#include "tst_udpterminal.moc"
