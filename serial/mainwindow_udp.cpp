#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "datagrambudget.h"
#include "netterminalcodec.h"
#include "prompt.h"
#include "receivereport.h"
#include "receiveview.h"
#include "terminalwidgets.h"

#include <QUdpSocket>

namespace {
// What one read takes of the datagrams waiting: a flood must not hold the
// window, so the rest are read on the next turn of the event loop. The bytes
// bound large datagrams (a few milliseconds of decoding), the count small
// ones.
constexpr qint64 bytesPerRead = 256 * 1024;
constexpr int datagramsPerRead = 2000;
// Room in the kernel for the datagrams that arrive while the window draws.
constexpr int udpReceiveBufferBytes = 4 * 1024 * 1024;
} // namespace

void MainWindow::UDP_Init_Start()
{
    connect(ui->UDPopencompushButton, &QPushButton::pressed, this,
            &MainWindow::UDPopencompushButton_triggered);
    connect(ui->UDPsendmsgBtn, &QPushButton::pressed, this, &MainWindow::UDPsendmsgBtn_clicked);
    connect(ui->UDPobocheckBox, &QCheckBox::stateChanged, this,
            &MainWindow::UDP_obocheckBox_clicked);
    connect(ui->UDPdelayspinBox, &QSpinBox::valueChanged, this,
            &MainWindow::UDPdelayspinBox_valueChanged);
    connect(ui->UDP_HEXcheckBox, &QCheckBox::stateChanged, this,
            &MainWindow::UDPHideHex_pushButton_clicked);
    connect(ui->UDPcleanbytespushButton, &QPushButton::pressed, this,
            &MainWindow::actionClearBytes_UDP_triggered);
    connect(ui->UDPcleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::actionCleanData_UDP_triggered);
    connect(ui->UDPcleansendpushButton, &QPushButton::pressed, this,
            &MainWindow::cleanSendData_UDP_clicked);
    connect(ui->UDPsavetxtpushButton, &QPushButton::pressed, this,
            &MainWindow::actionSave_UDP_triggered);
    connect(ui->UDPreadtxtpushButton, &QPushButton::pressed, this,
            &MainWindow::actionLoadfile_UDP_triggered);

    udpReceiveView = new ReceiveView(ui->UDP_StrTextBrowser, ui->UDP_HexTextBrowser, this,
                                     HexFormat::Style::Spaced, ReceiveDecoder::Encoding::Utf8OrGbk);
    udpReceiveView->setUp();
    udpReceiveReport =
        new ReceiveReport(udpReceiveView, ui->UDPrecvbyteslcdNumber, statusBar(), this);
    udpReceiveView->setHexViewShown(false);
    ui->groupBox_2->setMaximumWidth(int(1.3 * (ui->UDP_HEXcheckBox->sizeHint().width() +
                                               ui->UDP_showtime_checkBox->sizeHint().width())));
}

void MainWindow::UDPopencompushButton_triggered()
{
    if (!udpRunning) {
        if (!UDP_WorkOpen())
            return;
        ui->UDPopencompushButton->setText(tr("Stop"));
        udpRunning = true;
    } else {
        UDP_WorkClose();
        ui->UDPopencompushButton->setText(tr("Start"));
        udpRunning = false;
    }
}

// A dropped socket is disconnected first, so nothing it still signals
// reaches the terminal.
void MainWindow::releaseUdpSocket()
{
    if (!udpSocket)
        return;
    udpSocket->disconnect(this);
    udpSocket->close();
    udpSocket->deleteLater();
    udpSocket = nullptr;
}

void MainWindow::setUdpWidgetsStarted(bool started)
{
    ui->UDPdelayspinBox->setEnabled(false);
    ui->UDPsendmsgBtn->setEnabled(started);
    ui->UDPsendMsgtextEdit->setEnabled(started);
    for (QWidget *widget :
         std::initializer_list<QWidget *>{ui->UDPServerIPcomboBox, ui->UDPSenderPortlineEdit,
                                          ui->UDPFarIPlineEdit, ui->UDPFarPortlineEdit})
        widget->setEnabled(!started);
}

// Binds a new listening socket. Ports and the remote address are checked
// first: the terminal neither listens nor sends anywhere it was not asked
// to. A port that cannot be bound is reported; the terminal stays stopped.
bool MainWindow::UDP_WorkOpen()
{
    const std::optional<quint16> port = NetTerminalCodec::port(ui->UDPSenderPortlineEdit->text());
    if (!port) {
        Prompt::warning(this, tr("warning:"),
                        tr("Local port \"%1\" is not valid: use a number from 1 to 65535.")
                            .arg(ui->UDPSenderPortlineEdit->text()));
        return false;
    }
    if (!NetTerminalCodec::isAddress(ui->UDPFarIPlineEdit->text())) {
        Prompt::warning(
            this, tr("warning:"),
            tr("Remote IP \"%1\" is not a valid IP address.").arg(ui->UDPFarIPlineEdit->text()));
        return false;
    }
    if (!NetTerminalCodec::port(ui->UDPFarPortlineEdit->text())) {
        Prompt::warning(this, tr("warning:"),
                        tr("Remote port \"%1\" is not valid: use a number from 1 to 65535.")
                            .arg(ui->UDPFarPortlineEdit->text()));
        return false;
    }
    releaseUdpSocket();
    auto *socket = new QUdpSocket(this);
    if (!socket->bind(QHostAddress::Any, *port)) {
        statusBar()->showMessage(
            tr("UDP failed to listen on port %1: %2").arg(*port).arg(socket->errorString()));
        socket->deleteLater();
        return false;
    }
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, udpReceiveBufferBytes);
    udpSocket = socket;
    udpReceiveView->resetDecoder();
    connect(udpSocket, &QUdpSocket::readyRead, this, &MainWindow::readUDP);
    setUdpWidgetsStarted(true);
    statusBar()->showMessage(tr("UDP starts listening"));
    return true;
}

void MainWindow::UDP_WorkClose()
{
    if (!udpSocket)
        return;
    releaseUdpSocket();
    if (udpSendTimer->isActive())
        endRepeat(udpTerminalWidgets());
    setUdpWidgetsStarted(false);
    statusBar()->showMessage(tr("UDP stop listening"));
}

void MainWindow::readUDP()
{
    if (!udpSocket)
        return;
    const bool timeStamp = ui->UDP_showtime_checkBox->isChecked();
    DatagramBudget read(bytesPerRead, datagramsPerRead);
    QHostAddress lastAddress;
    quint16 lastPort = 0;
    while (udpSocket->hasPendingDatagrams()) {
        const qint64 pending = qMax<qint64>(udpSocket->pendingDatagramSize(), 0);
        if (!read.admits(pending))
            break;
        QByteArray datagram(pending, Qt::Uninitialized);
        QHostAddress address;
        quint16 port = 0;
        const qint64 size =
            udpSocket->readDatagram(datagram.data(), datagram.size(), &address, &port);
        if (size < 0)
            break;
        datagram.truncate(size);
        read.take(size);
        udpReceiveView->appendBytes(datagram, timeStamp,
                                    address.toString() + QLatin1Char(':') + QString::number(port));
        lastAddress = address;
        lastPort = port;
    }
    // Only the latest sender would stay visible, so the message is set once.
    if (read.datagrams() > 0)
        udpReceiveReport->add(read.bytes(),
                              tr("UDP receive ") +
                                  tr("from:%1:%2").arg(lastAddress.toString()).arg(lastPort));
}

// The UDP terminal's widgets for the handlers it shares with the others.
TerminalWidgets MainWindow::udpTerminalWidgets()
{
    TerminalWidgets terminal;
    terminal.receiveView = udpReceiveView;
    terminal.receiveReport = udpReceiveReport;
    terminal.timeBox = ui->UDP_showtime_checkBox;
    terminal.hexBox = ui->UDP_HEXcheckBox;
    terminal.sendBox = ui->UDPsendMsgtextEdit;
    terminal.sendButton = ui->UDPsendmsgBtn;
    terminal.sendText = tr("Send");
    terminal.keepSendBox = ui->UDPobocheckBox;
    terminal.intervalBox = ui->UDPdelayspinBox;
    terminal.sendTimer = udpSendTimer;
    terminal.sendInterval = udpSendInterval;
    terminal.sendOnce = [this] {
        UDP_sendMsg();
    };
    terminal.sentCounter = ui->UDPsendbyteslcdNumber;
    terminal.receivedCounter = ui->UDPrecvbyteslcdNumber;
    return terminal;
}

void MainWindow::UDPsendmsgBtn_clicked()
{
    pressSendButton(udpTerminalWidgets());
}

// Sends the send box as one datagram to the remote address checked at the
// start. The system takes a datagram whole or refuses it, so nothing waits:
// only a datagram that left is counted, and a refused one is told.
void MainWindow::UDP_sendMsg()
{
    const QString text = ui->UDPsendMsgtextEdit->toPlainText();
    const std::optional<quint16> port = NetTerminalCodec::port(ui->UDPFarPortlineEdit->text());
    const QHostAddress address(ui->UDPFarIPlineEdit->text().trimmed());
    if (!udpSocket || text.isEmpty() || !port || address.isNull())
        return;
    const QByteArray datagram =
        NetTerminalCodec::sendBytes(text, ui->UDPsendAsHexcheckBox->isChecked());
    const qint64 sent = udpSendSocket->writeDatagram(datagram, address, *port);
    if (sent < 0) {
        statusBar()->showMessage(tr("Send failed: %1").arg(udpSendSocket->errorString()));
        return;
    }
    addToCounter(ui->UDPsendbyteslcdNumber, sent);
}

void MainWindow::UDP_obocheckBox_clicked()
{
    keepSendChanged(udpTerminalWidgets());
}

void MainWindow::UDPdelayspinBox_valueChanged(int value)
{
    udpSendInterval = value;
}

void MainWindow::UDPHideHex_pushButton_clicked()
{
    showOrHideHexView(udpTerminalWidgets());
}

void MainWindow::actionClearBytes_UDP_triggered()
{
    clearCounters(udpTerminalWidgets());
}

void MainWindow::actionCleanData_UDP_triggered()
{
    clearReceiveViews(udpTerminalWidgets());
}

void MainWindow::cleanSendData_UDP_clicked()
{
    clearSendBox(udpTerminalWidgets());
}

void MainWindow::actionSave_UDP_triggered()
{
    exportTextView(udpTerminalWidgets());
}

void MainWindow::actionLoadfile_UDP_triggered()
{
    importIntoSendBox(udpTerminalWidgets());
}
