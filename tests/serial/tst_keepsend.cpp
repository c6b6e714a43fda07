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
#include <QSerialPort>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>

#include <sys/socket.h>

// Keep Send of the serial and TCP terminals into a peer that reads nothing.
class TestKeepSend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { PortList::setLister({}); }
    void repeatWaitsForTheLastSend_data();
    void repeatWaitsForTheLastSend();
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
// ends the repeat, the serial port dropping what it still held, and the
// counter holds what was written, not what was queued.
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
    if (mode.isEmpty())
        QCOMPARE(queued(), qint64(0));
    const QByteArray received = peerReadFor(1000);
    QCOMPARE(received.count('k'), received.size());
    QCOMPARE(peerReadFor(200), QByteArray());
    const int counted = qobject_cast<QLCDNumber *>(widget("sendbyteslcdNumber"))->intValue();
    QVERIFY2(received.size() <= counted && counted < 99999, qPrintable(QString::number(counted)));
    if (!mode.isEmpty())
        QCOMPARE(counted, int(received.size()));
}

YURB_TEST_MAIN(TestKeepSend)
#include "tst_keepsend.moc"
