#include "mainwindow.h"
#include "portlist.h"
#include "ptypair.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

// Keep Send of the serial and TCP terminals into a peer that reads nothing,
// and what the serial terminal takes back when a repeat into a slow device ends.
class TestKeepSend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { PortList::setLister({}); }
    void repeatWaitsForTheLastSend_data();
    void repeatWaitsForTheLastSend();
    void takeBackIsTold_data();
    void takeBackIsTold();

private:
    // The bytes a status message tells as not sent; 0 when it tells none.
    [[nodiscard]] static qint64 toldUnsent(const QString &status);
};

void TestKeepSend::repeatWaitsForTheLastSend_data()
{
    // The terminal's widget names begin with the prefix; the TCP mode.
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("mode");
    QTest::newRow("serial terminal") << ""
                                     << "";
    QTest::newRow("TCP client") << "TCP"
                                << "TCP Client";
    QTest::newRow("TCP server") << "TCP"
                                << "TCP Server";
}

// 8000 bytes every 10 ms into a peer that takes nothing: a tick sends only
// once the last send was written, so the window holds one send at most
// however long the peer stalls (the serial terminal says it waits). Pause
// ends the repeat, and the counter holds what was written, not what was
// queued: exactly what reached the peer. What the serial terminal took back
// is told, and is exactly the rest of the send it cut.
void TestKeepSend::repeatWaitsForTheLastSend()
{
    QFETCH(QString, prefix);
    QFETCH(QString, mode);
    PtyPair pty;
    PortList::setLister([&pty] { return QStringList{pty.slavePath()}; });
    MainWindow window;
    const auto widget = [&](const char *name) {
        return window.findChild<QWidget *>(prefix + QLatin1String(name));
    };
    // The window's connected socket (the Modbus tab may hold another).
    const auto windowSocket = [&window]() -> QTcpSocket * {
        for (QTcpSocket *socket : window.findChildren<QTcpSocket *>())
            if (socket->state() == QAbstractSocket::ConnectedState)
                return socket;
        return nullptr;
    };
    // The peer: it reads nothing (one byte at most) until told, and its small
    // receive buffer holds the window back soon.
    QTcpServer server;
    QTcpSocket client;
    QTcpSocket *peer = nullptr;
    const int small = 4096;
    if (mode.isEmpty()) {
        child<QPushButton>(window, "opencompushButton")->click();
    } else {
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        ::setsockopt(int(server.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        const QString port = QString::number(server.serverPort());
        child<QComboBox>(window, "TCP_comboBox")->setCurrentText(mode);
        child<QLineEdit>(window, "TCPclientIPlineEdit")->setText(QStringLiteral("127.0.0.1"));
        child<QLineEdit>(window, "TCPclientPortlineEdit")->setText(port);
        if (mode == QLatin1String("TCP Server")) {
            server.close();
            child<QLineEdit>(window, "TCPServerPortlineEdit")->setText(port);
        }
        child<QPushButton>(window, "TCPopencompushButton")->click();
        if (server.isListening()) {
            QTRY_VERIFY(server.hasPendingConnections());
            peer = server.nextPendingConnection();
        } else {
            peer = &client;
            QVERIFY(peer->bind(QHostAddress::LocalHost, 0));
            peer->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, small);
            peer->connectToHost(QHostAddress::LocalHost, port.toUShort());
        }
        peer->setReadBufferSize(1);
        // A path that holds little: the system takes a few KB of the
        // window's socket.
        QTRY_VERIFY(windowSocket());
        windowSocket()->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, small);
    }
    const auto queued = [&] {
        if (!mode.isEmpty())
            return windowSocket()->bytesToWrite();
        return window.findChild<QSerialPort *>()->bytesToWrite();
    };
    const auto peerReadFor = [&](int ms) {
        if (peer)
            peer->setReadBufferSize(0);
        QByteArray received;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QTest::qWait(10);
            received += peer ? peer->readAll() : pty.readAvailable();
        }
        return received;
    };

    constexpr qsizetype payload = 8000;
    qobject_cast<QPlainTextEdit *>(widget("sendMsgtextEdit"))
        ->setPlainText(QString(payload, QLatin1Char('k')));
    qobject_cast<QCheckBox *>(widget("obocheckBox"))->setChecked(true);
    qobject_cast<QSpinBox *>(widget("delayspinBox"))->setValue(10);
    auto *sendButton = qobject_cast<QPushButton *>(widget("sendmsgBtn"));
    sendButton->click();
    QTest::qWait(1000);
    QVERIFY2(queued() <= payload, qPrintable(QString::number(queued())));
    if (mode.isEmpty())
        QVERIFY2(statusText(window).startsWith(QStringLiteral("Waiting")),
                 qPrintable(statusText(window)));

    sendButton->click();
    QVERIFY(sendButton->text().compare(QStringLiteral("send"), Qt::CaseInsensitive) == 0);
    const qint64 told = mode.isEmpty() ? toldUnsent(statusText(window)) : 0;
    const QByteArray received = peerReadFor(1000);
    QCOMPARE(received.count('k'), received.size());
    QCOMPARE(peerReadFor(200), QByteArray());
    QTRY_COMPARE(qobject_cast<QLCDNumber *>(widget("sendbyteslcdNumber"))->intValue(),
                 int(received.size()));
    if (mode.isEmpty())
        QVERIFY2((received.size() + told) % payload == 0,
                 qPrintable(QStringLiteral("%1 received, %2 told").arg(received.size()).arg(told)));
}

qint64 TestKeepSend::toldUnsent(const QString &status)
{
    static const QRegularExpression unsent(QStringLiteral("; (\\d+) bytes were not sent$"));
    return unsent.match(status).captured(1).toLongLong();
}

void TestKeepSend::takeBackIsTold_data()
{
    // The device's pace (bytes a second, 0: it reads nothing), the send box
    // repeated every 10 ms, whether a stored command is pressed while the
    // repeat waits, how the repeat ends and whether that end is sure to cut
    // a send short.
    QTest::addColumn<int>("pace");
    QTest::addColumn<int>("payload");
    QTest::addColumn<bool>("command");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("cuts");
    QTest::newRow("slow device, command, Pause") << 960 << 1000 << true << "Pause" << false;
    QTest::newRow("reads nothing, Pause") << 0 << 65536 << false << "Pause" << true;
    QTest::newRow("reads nothing, command, Pause") << 0 << 65536 << true << "Pause" << true;
    QTest::newRow("reads nothing, Close") << 0 << 8000 << false << "Close" << true;
    QTest::newRow("reads nothing, command, Close") << 0 << 65536 << true << "Close" << true;
}

// Keep Send of the serial terminal into a device slower than the repeat, a
// stored command pressed while the repeat waits, then Pause or Close. What
// the end takes back was never counted and is told: once the device has read
// everything, the counter equals what it got, and what it got plus what was
// told is whole sends and the command. Pause takes back only the repeat's
// bytes, so the command still goes; a send it cuts is told, never as a
// success.
void TestKeepSend::takeBackIsTold()
{
    QFETCH(int, pace);
    QFETCH(int, payload);
    QFETCH(bool, command);
    QFETCH(QString, end);
    QFETCH(bool, cuts);
    PtyPair pty;
    PortList::setLister([&pty] { return QStringList{pty.slavePath()}; });
    MainWindow window;
    child<QPushButton>(window, "opencompushButton")->click();
    child<QPushButton>(window, "com_expandpushButton")->click();
    const QByteArray stored = "<stored command>";
    child<QLineEdit>(window, "com_qlineedit")->setText(QString::fromLatin1(stored));
    child<QPlainTextEdit>(window, "sendMsgtextEdit")
        ->setPlainText(QString(payload, QLatin1Char('k')));
    child<QCheckBox>(window, "obocheckBox")->setChecked(true);
    child<QSpinBox>(window, "delayspinBox")->setValue(10);

    QStringList shown;
    connect(window.statusBar(), &QStatusBar::messageChanged, &window,
            [&shown](const QString &message) { shown.append(message); });
    QByteArray received;
    QTimer device;
    connect(&device, &QTimer::timeout, &window, [&] { received += pty.readAtMost(pace / 20); });
    device.start(50);
    child<QPushButton>(window, "sendmsgBtn")->click();
    QTest::qWait(600);
    QVERIFY2(shown.filter(QStringLiteral("Waiting")).size() > 0,
             qPrintable(shown.join(QLatin1Char('|'))));
    if (command)
        child<QPushButton>(window, "com_pushButton")->click();
    QTest::qWait(400);
    shown.clear();
    child<QPushButton>(window, end == QLatin1String("Pause") ? "sendmsgBtn" : "opencompushButton")
        ->click();
    device.stop();
    const qint64 told = toldUnsent(statusText(window));
    const int counted = child<QLCDNumber>(window, "sendbyteslcdNumber")->intValue();
    received += pty.readFor(1000);
    QCOMPARE(pty.readFor(200), QByteArray());

    const QString figures = QStringLiteral("%1 received, %2 told, shown: %3")
                                .arg(received.size())
                                .arg(told)
                                .arg(shown.join(QLatin1String(" | ")));
    QVERIFY2(!cuts || told > 0, qPrintable(figures));
    const qsizetype commandBytes = command ? stored.size() : 0;
    QVERIFY2((received.size() + told - commandBytes) % payload == 0, qPrintable(figures));
    QByteArray sends = received;
    sends.replace(stored, QByteArray());
    QVERIFY2(sends.count('k') == sends.size(), qPrintable(figures));
    if (end == QLatin1String("Close")) {
        QCOMPARE(counted, int(received.size()));
        return;
    }
    QCOMPARE(received.count(stored), qsizetype(command ? 1 : 0));
    QTRY_COMPARE(child<QLCDNumber>(window, "sendbyteslcdNumber")->intValue(), int(received.size()));
    if (cuts)
        QVERIFY2(shown.count(QStringLiteral("Send Success")) == (command ? 1 : 0),
                 qPrintable(figures));
}

YURB_TEST_MAIN(TestKeepSend)
#include "tst_keepsend.moc"
