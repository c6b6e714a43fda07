#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "netterminalcodec.h"
#include "prompt.h"
#include "receivereport.h"
#include "receiveview.h"
#include "terminalwidgets.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
// The socket buffers at most this much (the peer is held back by TCP
// meanwhile), so one read, shown as one chunk, stays bounded however fast the
// stream is.
constexpr qint64 socketReadBufferBytes = 16 * 1024;
// A stopped client that was connected gets this long to hand over what it
// still has to send before it is cut off.
constexpr int closeGraceMs = 3000;
const QLatin1String clientMode("TCP Client");
const QLatin1String serverMode("TCP Server");

QString senderText(const QTcpSocket *socket)
{
    return socket->peerAddress().toString() + QLatin1Char(':') +
           QString::number(socket->peerPort());
}
} // namespace

void MainWindow::TCP_Init_Start()
{
    connect(ui->TCPopencompushButton, &QPushButton::pressed, this,
            &MainWindow::TCPopencompushButton_triggered);
    connect(ui->TCPsendmsgBtn, &QPushButton::pressed, this, &MainWindow::TCPsendmsgBtn_clicked);
    connect(ui->TCPobocheckBox, &QCheckBox::stateChanged, this,
            &MainWindow::TCP_obocheckBox_clicked);
    connect(ui->TCPdelayspinBox, &QSpinBox::valueChanged, this,
            &MainWindow::TCPdelayspinBox_valueChanged);
    connect(ui->TCP_HEXcheckBox, &QCheckBox::stateChanged, this,
            &MainWindow::TCPHideHex_pushButton_clicked);
    connect(ui->TCPcleanbytespushButton, &QPushButton::pressed, this,
            &MainWindow::actionClearBytes_TCP_triggered);
    connect(ui->TCPcleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::actionCleanData_TCP_triggered);
    connect(ui->TCPcleansendpushButton, &QPushButton::pressed, this,
            &MainWindow::cleanSendData_TCP_clicked);
    connect(ui->TCPsavetxtpushButton, &QPushButton::pressed, this,
            &MainWindow::actionSave_TCP_triggered);
    connect(ui->TCPreadtxtpushButton, &QPushButton::pressed, this,
            &MainWindow::actionLoadfile_TCP_triggered);

    tcpReceiveView = new ReceiveView(ui->TCP_StrTextBrowser, ui->TCP_HexTextBrowser, this,
                                     HexFormat::Style::Spaced, ReceiveDecoder::Encoding::Utf8OrGbk);
    tcpReceiveView->setUp();
    tcpReceiveReport =
        new ReceiveReport(tcpReceiveView, ui->TCPrecvbyteslcdNumber, statusBar(), this);
    tcpReceiveView->setHexViewShown(false);
    const int width = int(1.3 * (ui->TCP_HEXcheckBox->sizeHint().width() +
                                 ui->TCP_showtime_checkBox->sizeHint().width()));
    ui->groupBox_9->setMaximumWidth(width);
    ui->groupBox_8->setMaximumWidth(width);
}

void MainWindow::TCPopencompushButton_triggered()
{
    const QString mode = ui->TCP_comboBox->currentText();
    if (tcpRunning) {
        if (mode == clientMode)
            TCP_ClientDisconnect();
        else if (mode == serverMode)
            TCP_Server_WorkClose();
        ui->TCPopencompushButton->setText(tr("Start"));
        tcpRunning = false;
        return;
    }
    bool started = false;
    if (mode == clientMode)
        started = TCP_Client_WorkOpen();
    else if (mode == serverMode)
        started = TCP_Server_WorkOpen();
    if (!started)
        return;
    // Repeat ticks go through the connection of the mode just started only.
    disconnect(tcpSendTimer, &QTimer::timeout, this, nullptr);
    if (mode == clientMode)
        connect(tcpSendTimer, &QTimer::timeout, this, &MainWindow::TCP_Client_WorkSendMessage);
    else
        connect(tcpSendTimer, &QTimer::timeout, this, &MainWindow::TCP_Server_WorkSendMessage);
    ui->TCPopencompushButton->setText(tr("Stop"));
    tcpRunning = true;
}

void MainWindow::setTcpWidgetsStarted(bool started)
{
    ui->TCPdelayspinBox->setEnabled(false);
    ui->TCPsendmsgBtn->setEnabled(started);
    ui->TCPsendMsgtextEdit->setEnabled(started);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->TCPclientPortlineEdit, ui->TCPclientIPlineEdit, ui->TCPServerPortlineEdit,
             ui->TCPServerIPcomboBox, ui->TCP_comboBox})
        widget->setEnabled(!started);
}

// The socket of an ended session is cut off from the terminal before it is
// closed, so none of its late signals can touch a later session, and it is
// deleted once closed. A socket still looking up or connecting is aborted:
// asked to disconnect, it would wait for a connection that may never come.
void MainWindow::releaseTcpClientSocket()
{
    if (!tcpClientSocket)
        return;
    QTcpSocket *socket = tcpClientSocket;
    tcpClientSocket = nullptr;
    tcpClientConnected = false;
    socket->disconnect(this);
    if (socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QTimer::singleShot(closeGraceMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

bool MainWindow::TCP_Client_WorkOpen()
{
    tcpTargetIp = ui->TCPclientIPlineEdit->text();
    tcpTargetPort = ui->TCPclientPortlineEdit->text();
    if (tcpTargetIp.isEmpty() || tcpTargetPort.isEmpty()) {
        Prompt::warning(this, tr("warning:"), tr("IP or Port is empty!"));
        return false;
    }
    if (!NetTerminalCodec::isHost(tcpTargetIp)) {
        Prompt::warning(
            this, tr("warning:"),
            tr("Remote IP \"%1\" is not a valid address or host name.").arg(tcpTargetIp));
        return false;
    }
    const std::optional<quint16> port = NetTerminalCodec::port(tcpTargetPort);
    if (!port) {
        Prompt::warning(this, tr("warning:"),
                        tr("Remote port \"%1\" is not valid: use a number from 1 to 65535.")
                            .arg(tcpTargetPort));
        return false;
    }
    releaseTcpClientSocket();
    tcpClientSocket = new QTcpSocket(this);
    tcpClientSocket->setReadBufferSize(socketReadBufferBytes);
    tcpReceiveView->resetDecoder();
    connect(tcpClientSocket, &QAbstractSocket::connected, this, &MainWindow::TCP_Client_Connected);
    connect(tcpClientSocket, &QAbstractSocket::errorOccurred, this, &MainWindow::displayError);
    connect(tcpClientSocket, &QIODevice::readyRead, this, &MainWindow::TCP_Client_ReadMessage);
    connect(tcpClientSocket, &QIODevice::bytesWritten, this, &MainWindow::countTcpWritten);
    setTcpWidgetsStarted(true);
    statusBar()->showMessage(tr("Connecting to TCP server"));
    tcpClientSocket->connectToHost(tcpTargetIp.trimmed(), *port);
    // A connection that fails at once has already been reported and undone.
    return tcpClientSocket != nullptr;
}

void MainWindow::TCP_Client_Connected()
{
    tcpClientConnected = true;
    statusBar()->showMessage(tr("Connected to TCP server"));
}

void MainWindow::TCP_ClientDisconnect()
{
    releaseTcpClientSocket();
    if (tcpSendTimer->isActive())
        endRepeat(tcpTerminalWidgets());
    statusBar()->showMessage(tr("Disconnected TCP server"));
    setTcpWidgetsStarted(false);
}

// A failed connection, or a lost one, ends the client session.
void MainWindow::displayError(QAbstractSocket::SocketError)
{
    if (!tcpClientSocket || sender() != tcpClientSocket)
        return;
    const bool wasConnected = tcpClientConnected;
    releaseTcpClientSocket();
    if (tcpSendTimer->isActive())
        endRepeat(tcpTerminalWidgets());
    tcpRunning = false;
    statusBar()->showMessage(wasConnected ? tr("Disconnected TCP server") : tr("No server found"));
    setTcpWidgetsStarted(false);
    ui->TCPopencompushButton->setText(tr("Start"));
}

bool MainWindow::TCP_Server_WorkOpen()
{
    tcpTargetIp = ui->TCPServerIPcomboBox->currentText();
    tcpTargetPort = ui->TCPServerPortlineEdit->text();
    if (tcpTargetPort.isEmpty()) {
        Prompt::warning(this, tr("warning:"), tr("Port is empty!"));
        return false;
    }
    const std::optional<quint16> port = NetTerminalCodec::port(tcpTargetPort);
    if (!port) {
        Prompt::warning(
            this, tr("warning:"),
            tr("Local port \"%1\" is not valid: use a number from 1 to 65535.").arg(tcpTargetPort));
        return false;
    }
    if (!tcpServer->listen(QHostAddress::Any, *port)) {
        statusBar()->showMessage(
            tr("Server failed to listen on port %1: %2").arg(*port).arg(tcpServer->errorString()));
        return false;
    }
    tcpReceiveView->resetDecoder();
    setTcpWidgetsStarted(true);
    connect(tcpServer, &QTcpServer::newConnection, this, &MainWindow::TCP_updateserver,
            Qt::UniqueConnection);
    statusBar()->showMessage(tr("Server has started"));
    return true;
}

// Clients are cut off before closing, so no "left" message follows.
void MainWindow::stopTcpServer()
{
    for (QTcpSocket *client : tcpClients.takeAll()) {
        client->disconnect(this);
        client->close();
        client->deleteLater();
    }
    if (tcpServer)
        tcpServer->close();
}

void MainWindow::TCP_Server_WorkClose()
{
    stopTcpServer();
    if (tcpSendTimer->isActive())
        endRepeat(tcpTerminalWidgets());
    statusBar()->showMessage(tr("Server has stopped"));
    setTcpWidgetsStarted(false);
    ui->TCP_Client_IP_comboBox->clear();
}

void MainWindow::TCP_updateserver()
{
    while (QTcpSocket *client = tcpServer->nextPendingConnection()) {
        const QString address = client->peerAddress().toString();
        statusBar()->showMessage(tr("new client: ") + tr("%1 joined").arg(address));
        // A client gone before it was taken has no address: nothing is kept.
        if (address.isEmpty()) {
            client->disconnectFromHost();
            client->deleteLater();
            continue;
        }
        client->setReadBufferSize(socketReadBufferBytes);
        ui->TCP_Client_IP_comboBox->addItem(address);
        tcpClients.append(client, address);
        // A repeat pressed while no client was listed takes the first one
        // that joins, the entry now shown, and keeps its host from then on.
        if (tcpSendTimer->isActive() && tcpRepeatHost.isEmpty())
            tcpRepeatHost = address;
        connect(client, &QAbstractSocket::disconnected, this, &MainWindow::TCP_updateSendStatus);
        connect(client, &QIODevice::readyRead, this, &MainWindow::TCP_Server_ReadMessage);
        connect(client, &QIODevice::bytesWritten, this, &MainWindow::countTcpWritten);
    }
}

void MainWindow::TCP_updateSendStatus()
{
    auto *client = qobject_cast<QTcpSocket *>(sender());
    if (!client || !tcpClients.contains(client))
        return;
    const QString address = tcpClients.remove(client);
    // A repeat whose host has no client left ends, rather than go on to a
    // host nobody chose.
    const bool repeatEnds = tcpSendTimer->isActive() && address == tcpRepeatHost &&
                            tcpClients.clientsOf(address).isEmpty();
    if (repeatEnds)
        endRepeat(tcpTerminalWidgets());
    statusBar()->showMessage(
        tr("client: ") +
        (repeatEnds ? tr("%1 left, Keep Send stopped") : tr("%1 left")).arg(address));
    const int item =
        ui->TCP_Client_IP_comboBox->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        ui->TCP_Client_IP_comboBox->removeItem(item);
    client->disconnect(this);
    client->close();
    client->deleteLater();
}

// Everything one readyRead brought is one chunk, with one stamp and one hex
// line; the socket's read buffer bounds it.
void MainWindow::showTcpReceived(QTcpSocket *socket)
{
    const QByteArray chunk = socket->readAll();
    tcpReceiveView->appendBytes(chunk, ui->TCP_showtime_checkBox->isChecked(), senderText(socket));
    tcpReceiveReport->add(
        chunk.size(),
        tr("TCP receive ") +
            tr("from:%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()));
}

void MainWindow::TCP_Client_ReadMessage()
{
    if (tcpClientSocket)
        showTcpReceived(tcpClientSocket);
}

void MainWindow::TCP_Server_ReadMessage()
{
    if (auto *client = qobject_cast<QTcpSocket *>(sender()))
        showTcpReceived(client);
}

// The TCP terminal's widgets for the handlers it shares with the others; a
// single send goes through the connection of the mode chosen.
TerminalWidgets MainWindow::tcpTerminalWidgets()
{
    TerminalWidgets terminal;
    terminal.receiveView = tcpReceiveView;
    terminal.receiveReport = tcpReceiveReport;
    terminal.timeBox = ui->TCP_showtime_checkBox;
    terminal.hexBox = ui->TCP_HEXcheckBox;
    terminal.sendBox = ui->TCPsendMsgtextEdit;
    terminal.sendButton = ui->TCPsendmsgBtn;
    terminal.sendText = tr("send");
    terminal.keepSendBox = ui->TCPobocheckBox;
    terminal.intervalBox = ui->TCPdelayspinBox;
    terminal.sendTimer = tcpSendTimer;
    terminal.sendInterval = tcpSendInterval;
    terminal.sendOnce = [this] {
        const QString mode = ui->TCP_comboBox->currentText();
        if (mode == clientMode)
            TCP_Client_WorkSendMessage();
        else if (mode == serverMode)
            TCP_Server_WorkSendMessage();
    };
    terminal.sentCounter = ui->TCPsendbyteslcdNumber;
    terminal.receivedCounter = ui->TCPrecvbyteslcdNumber;
    return terminal;
}

// The idle TCP send button reads "send", with a lower-case s. A repeat keeps
// the client entry shown at the press that starts it: the box's current entry
// moves to another host when clients leave or come. Pressed while the server
// has no client, the repeat waits for the first one (TCP_updateserver), and
// says so rather than run on to nobody.
void MainWindow::TCPsendmsgBtn_clicked()
{
    const bool starts = !tcpSendTimer->isActive();
    if (starts)
        tcpRepeatHost = ui->TCP_Client_IP_comboBox->currentText();
    pressSendButton(tcpTerminalWidgets());
    if (starts && tcpSendTimer->isActive() && ui->TCP_comboBox->currentText() == serverMode &&
        tcpRepeatHost.isEmpty())
        statusBar()->showMessage(tr("Keep Send waits for a client to join"));
}

// Writes only on an established connection.
void MainWindow::TCP_Client_WorkSendMessage()
{
    const QString text = ui->TCPsendMsgtextEdit->toPlainText();
    if (text.isEmpty() || !tcpClientSocket ||
        tcpClientSocket->state() != QAbstractSocket::ConnectedState)
        return;
    writeTcpSend(tcpClientSocket,
                 NetTerminalCodec::sendBytes(text, ui->TCPsendAsHexcheckBox->isChecked()));
}

// Writes to every client of the chosen host: the entry shown in the client
// box for a single send, the one shown when it started for a repeat's tick.
void MainWindow::TCP_Server_WorkSendMessage()
{
    const QString text = ui->TCPsendMsgtextEdit->toPlainText();
    if (text.isEmpty() || tcpClients.isEmpty())
        return;
    const QByteArray payload =
        NetTerminalCodec::sendBytes(text, ui->TCPsendAsHexcheckBox->isChecked());
    // While the repeat runs, the send button only pauses it: every send then
    // is a tick.
    const QString host =
        tcpSendTimer->isActive() ? tcpRepeatHost : ui->TCP_Client_IP_comboBox->currentText();
    const QList<QTcpSocket *> targets = tcpClients.clientsOf(host);
    for (QTcpSocket *client : targets)
        writeTcpSend(client, payload);
}

// Queues one send on a socket. A repeat writes to a socket again only once
// it has handed its last send to the system: a peer that reads slower than
// the repeat holds it back, instead of a queue that grows without bound.
// The bytes are counted as the socket writes them (countTcpWritten).
void MainWindow::writeTcpSend(QTcpSocket *socket, const QByteArray &payload)
{
    if (tcpSendTimer->isActive() && socket->bytesToWrite() > 0)
        return;
    if (socket->write(payload) < 0)
        statusBar()->showMessage(tr("Send failed: %1").arg(socket->errorString()));
}

void MainWindow::countTcpWritten(qint64 bytes)
{
    addToCounter(ui->TCPsendbyteslcdNumber, bytes);
}

void MainWindow::TCP_obocheckBox_clicked()
{
    keepSendChanged(tcpTerminalWidgets());
}

void MainWindow::TCPdelayspinBox_valueChanged(int value)
{
    tcpSendInterval = value;
}

void MainWindow::TCPHideHex_pushButton_clicked()
{
    showOrHideHexView(tcpTerminalWidgets());
}

void MainWindow::actionClearBytes_TCP_triggered()
{
    clearCounters(tcpTerminalWidgets());
}

void MainWindow::actionCleanData_TCP_triggered()
{
    clearReceiveViews(tcpTerminalWidgets());
}

void MainWindow::cleanSendData_TCP_clicked()
{
    clearSendBox(tcpTerminalWidgets());
}

void MainWindow::actionSave_TCP_triggered()
{
    exportTextView(tcpTerminalWidgets());
}

void MainWindow::actionLoadfile_TCP_triggered()
{
    importIntoSendBox(tcpTerminalWidgets());
}
