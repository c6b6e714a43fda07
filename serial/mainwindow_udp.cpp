#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bytecounter.h"
#include "netterminalcodec.h"
#include "prompt.h"
#include "receiveview.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextStream>
#include <QUdpSocket>

namespace {
constexpr int receiveViewBlocks = 10000;
constexpr int importLimitBytes = 10000;
// Datagrams taken per call: a flood must not hold the window; the rest are
// read on the next turn of the event loop.
constexpr int datagramsPerRead = 2000;
// Room in the kernel for the datagrams that arrive while the window draws.
constexpr int udpReceiveBufferBytes = 4 * 1024 * 1024;
// Received bytes after which the views are written at once rather than at
// their next timed flush, so that one flush never grows with the data rate.
constexpr qint64 flushThresholdBytes = 32 * 1024;

void addToCounter(QLCDNumber *counter, qint64 bytes)
{
    counter->display(ByteCounter::added(counter->intValue(), bytes));
}
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

    udpReceiveView = new ReceiveView(ui->UDP_StrTextBrowser, ui->UDP_HexTextBrowser, this);
    udpReceiveView->setUp(receiveViewBlocks);
    ui->UDP_HexTextBrowser->hide();
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

// Binds a new listening socket; a port that cannot be bound is reported and
// the terminal stays stopped.
bool MainWindow::UDP_WorkOpen()
{
    releaseUdpSocket();
    auto *socket = new QUdpSocket(this);
    const quint16 port = NetTerminalCodec::port(ui->UDPSenderPortlineEdit->text());
    if (!socket->bind(QHostAddress::Any, port)) {
        statusBar()->showMessage(
            tr("UDP failed to listen on port %1: %2").arg(port).arg(socket->errorString()));
        socket->deleteLater();
        return false;
    }
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, udpReceiveBufferBytes);
    udpSocket = socket;
    udpDecoder.reset();
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
    setUdpWidgetsStarted(false);
    statusBar()->showMessage(tr("UDP stop listening"));
}

// Shows one received chunk in a terminal's views: hex of every byte, text
// without carriage returns (GBK, or UTF-8 when stamped), counted without
// them. Unstamped chunks end their hex line, so the hex view never grows
// into one endless line.
void MainWindow::showNetChunk(ReceiveView *view, NetTextDecoder &decoder, QLCDNumber *counter,
                              bool timeStamp, const QByteArray &data, const QString &sender)
{
    const QByteArray shortened = NetTerminalCodec::withoutCarriageReturns(data);
    const QString text = decoder.decode(
        shortened, timeStamp ? NetTextDecoder::Encoding::Utf8 : NetTextDecoder::Encoding::Gbk,
        sender);
    if (timeStamp)
        view->append(text, NetTerminalCodec::hexText(data), true);
    else if (!data.isEmpty())
        view->append(text, NetTerminalCodec::hexText(data) + QLatin1Char('\n'), false);
    addToCounter(counter, shortened.size());
}

void MainWindow::flushIfLarge(ReceiveView *view, qint64 &unflushedBytes)
{
    if (unflushedBytes < flushThresholdBytes)
        return;
    view->flush();
    unflushedBytes = 0;
}

void MainWindow::readUDP()
{
    if (!udpSocket)
        return;
    const bool timeStamp = ui->UDP_showtime_checkBox->isChecked();
    QString lastSender;
    for (int i = 0; i < datagramsPerRead && udpSocket->hasPendingDatagrams(); ++i) {
        QByteArray datagram(qMax<qint64>(udpSocket->pendingDatagramSize(), 0), Qt::Uninitialized);
        QHostAddress address;
        quint16 port = 0;
        const qint64 size =
            udpSocket->readDatagram(datagram.data(), datagram.size(), &address, &port);
        if (size < 0)
            break;
        datagram.truncate(size);
        udpUnflushedBytes += size;
        showNetChunk(udpReceiveView, udpDecoder, ui->UDPrecvbyteslcdNumber, timeStamp, datagram,
                     address.toString() + QLatin1Char(':') + QString::number(port));
        lastSender = tr("from:%1:%2").arg(address.toString()).arg(port);
    }
    flushIfLarge(udpReceiveView, udpUnflushedBytes);
    // Only the latest sender would stay visible, so the message is set once.
    if (!lastSender.isEmpty())
        statusBar()->showMessage(tr("UDP receive ") + lastSender);
}

void MainWindow::UDPsendmsgBtn_clicked()
{
    if (ui->UDPsendmsgBtn->text() == tr("Pause") ||
        ui->UDPsendmsgBtn->text() == QStringLiteral("暂停")) {
        udpSendTimer->stop();
        ui->UDPsendmsgBtn->setText(tr("Send"));
        ui->UDPsendmsgBtn->setIcon(QIcon(QStringLiteral(":images/send.png")));
        return;
    }
    if (ui->UDPsendMsgtextEdit->toPlainText().isEmpty()) {
        statusBar()->showMessage(tr("No Data"));
        return;
    }
    if (!ui->UDPobocheckBox->isChecked()) {
        ui->UDPsendMsgtextEdit->setFocus();
        UDP_sendMsg();
        return;
    }
    udpSendTimer->start(udpSendInterval);
    ui->UDPsendmsgBtn->setText(tr("Pause"));
    ui->UDPsendmsgBtn->setIcon(QIcon(QStringLiteral(":images/pause.png")));
}

// Sends the send box as one datagram; only a datagram that left is counted.
void MainWindow::UDP_sendMsg()
{
    const QString text = ui->UDPsendMsgtextEdit->toPlainText();
    if (!udpSocket || text.isEmpty())
        return;
    const quint16 port = NetTerminalCodec::port(ui->UDPFarPortlineEdit->text());
    QHostAddress address;
    address.setAddress(ui->UDPFarIPlineEdit->text());
    const QByteArray datagram =
        NetTerminalCodec::sendBytes(text, ui->UDPsendAsHexcheckBox->isChecked());
    const qint64 written = udpSendSocket->writeDatagram(datagram, address, port);
    if (written > 0)
        addToCounter(ui->UDPsendbyteslcdNumber, written);
}

void MainWindow::UDP_obocheckBox_clicked()
{
    const bool keep = ui->UDPobocheckBox->isChecked();
    ui->UDPdelayspinBox->setEnabled(keep);
    statusBar()->showMessage(keep ? tr("Enable Keep sending") : tr("Disable Keep sending"));
}

void MainWindow::UDPdelayspinBox_valueChanged(int value)
{
    udpSendInterval = value;
}

void MainWindow::UDPHideHex_pushButton_clicked()
{
    ui->UDP_HexTextBrowser->setVisible(ui->UDP_HEXcheckBox->isChecked());
    if (ui->UDP_showtime_checkBox->isChecked())
        udpReceiveView->scrollToBottom();
}

void MainWindow::actionClearBytes_UDP_triggered()
{
    ui->UDPsendbyteslcdNumber->display(0);
    ui->UDPrecvbyteslcdNumber->display(0);
    statusBar()->showMessage(tr("Counter has been cleared"));
}

void MainWindow::actionCleanData_UDP_triggered()
{
    udpReceiveView->clear();
    statusBar()->showMessage(tr("Receive has been cleared"));
}

void MainWindow::cleanSendData_UDP_clicked()
{
    ui->UDPsendMsgtextEdit->clear();
    statusBar()->showMessage(tr("Send has been cleared"));
}

void MainWindow::actionSave_UDP_triggered()
{
    udpReceiveView->flush();
    exportNetView(ui->UDP_StrTextBrowser);
}

void MainWindow::actionLoadfile_UDP_triggered()
{
    importIntoSendBox(ui->UDPsendMsgtextEdit);
}

// Export of a network terminal: the text view's plain text into a file.
void MainWindow::exportNetView(QPlainTextEdit *view)
{
    const QString text = view->toPlainText();
    if (text.isEmpty()) {
        statusBar()->showMessage(tr("No data need to save"));
        return;
    }
    const QString name = Prompt::saveFileName(this, tr("Save as"), tr("newtxt.txt"));
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        statusBar()->showMessage(
            tr("Save failed:Open file %1 failed, can't save\n%2").arg(name, file.errorString()));
        return;
    }
    QTextStream out(&file);
    out << text;
    out.flush();
    file.close();
    statusBar()->showMessage(QStringLiteral("Saved success.\tsaved: ") +
                             QFileInfo(file).canonicalFilePath());
}

// Import of a network terminal: a file of at most 10000 bytes appended to
// the send box as UTF-8 text.
void MainWindow::importIntoSendBox(QPlainTextEdit *sendBox)
{
    const QString name = Prompt::openFileName(this, tr("Read file"), QString(), tr("(*)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        statusBar()->showMessage(tr("Open failed: Failed to open this file, this may be due to "
                                    "insufficient permissions."));
        return;
    }
    if (file.size() > importLimitBytes) {
        statusBar()->showMessage(
            tr("Load failed: file size is %1 bytes, Exceeded the limit size 10000 bytes")
                .arg(file.size()));
        return;
    }
    QTextCursor cursor(sendBox->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(file.readAll()));
    file.close();
    statusBar()->showMessage(tr("Success for read the data in the file"));
}
