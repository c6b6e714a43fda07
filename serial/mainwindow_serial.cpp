#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "prompt.h"
#include "receivereport.h"
#include "receiveview.h"
#include "sendencoder.h"
#include "serialtool.h"
#include "terminalwidgets.h"
#include "threadserial.h"
#include "tooldialog.h"

#include <QFile>
#include <QSerialPort>
#include <QTimer>

namespace {
// Lines of Send File leave this far apart.
constexpr int sendFileLineMs = 5;
// Send File reads at most this much of a line at a time, so a file without
// line ends is never held whole.
constexpr qint64 sendFilePieceBytes = 4096;
} // namespace

void MainWindow::Serial_Init_Start()
{
    connect(ui->opencompushButton, &QPushButton::pressed, this, &MainWindow::actionOpen_triggered);
    connect(ui->sendmsgBtn, &QPushButton::pressed, this, &MainWindow::sendmsgBtn_clicked);
    connect(ui->obocheckBox, &QCheckBox::stateChanged, this, &MainWindow::obocheckBox_clicked);
    connect(ui->delayspinBox, &QSpinBox::valueChanged, this,
            &MainWindow::delayspinBox_valueChanged);
    connect(ui->HEXcheckBox, &QCheckBox::stateChanged, this,
            &MainWindow::COMHideHex_pushButton_clicked);
    connect(ui->cleanbytespushButton, &QPushButton::pressed, this,
            &MainWindow::actionClearBytes_triggered);
    connect(ui->cleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::actionCleanData_triggered);
    connect(ui->cleansendpushButton, &QPushButton::pressed, this,
            &MainWindow::cleanSendData_clicked);
    connect(ui->savetxtpushButton, &QPushButton::pressed, this, &MainWindow::actionSave_triggered);
    connect(ui->readtxtpushButton, &QPushButton::pressed, this,
            &MainWindow::actionLoadfile_triggered);
    connect(ui->sendfileBtn, &QPushButton::pressed, this, &MainWindow::actionSendfile_triggered);
    connect(ui->com_expandpushButton, &QPushButton::pressed, this, &MainWindow::slotCom_expand);
    connect(ui->com_checkBox_DTR, &QCheckBox::stateChanged, this, [this](int state) {
        if (comPortIsOpen() && state != Qt::PartiallyChecked)
            serialThread->setDTR(state == Qt::Checked);
    });
    connect(ui->com_checkBox_RTS, &QCheckBox::stateChanged, this, [this](int state) {
        if (comPortIsOpen() && state != Qt::PartiallyChecked)
            serialThread->setRTS(state == Qt::Checked);
    });

    m_comReceiveView = new ReceiveView(ui->COM_StrTextBrowser, ui->COM_HexTextBrowser, this);
    m_comReceiveView->setUp();
    m_comReceiveReport =
        new ReceiveReport(m_comReceiveView, ui->recvbyteslcdNumber, statusBar(), this);
    ui->com_expandpushButton->setEnabled(false);
    m_comReceiveView->setHexViewShown(false);
    setOpenButtonStyle(ui->opencompushButton, false);
    ui->com_checkBox_RTS->hide();
    ui->com_checkBox_DTR->hide();

    m_sendFileTimer = new QTimer(this);
    m_sendFileTimer->setTimerType(Qt::PreciseTimer);
    m_sendFileTimer->setInterval(sendFileLineMs);
    connect(m_sendFileTimer, &QTimer::timeout, this, &MainWindow::sendNextFileLine);
}

bool MainWindow::comPortIsOpen() const
{
    return serialThread && serialThread->serialPort && serialThread->serialPort->isOpen();
}

// The serial terminal's row of the shared open/close road.
SerialTool MainWindow::serialTerminalTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Terminal;
    tool.receive = &MainWindow::readCom;
    tool.connectAtOpen = [this] {
        connect(comSendTimer, &QTimer::timeout, this, &MainWindow::sendMsg, Qt::UniqueConnection);
        connect(serialThread->serialPort, &QSerialPort::bytesWritten, this,
                &MainWindow::comBytesWritten);
    };
    tool.disconnectAtClose = [this] {
        disconnect(comSendTimer, &QTimer::timeout, this, &MainWindow::sendMsg);
        serialThread->serialPort->disconnect(this);
        m_comWrites.clear();
    };
    tool.opened = [this] {
        m_comReceiveView->resetDecoder();
        ui->sendMsgtextEdit->setEnabled(true);
        ui->sendMsgtextEdit->setFocus();
        for (QWidget *widget : std::initializer_list<QWidget *>{
                 ui->sendmsgBtn, ui->sendfileBtn, ui->com_checkBox_DTR, ui->com_checkBox_RTS})
            widget->setEnabled(true);
        ui->com_checkBox_DTR->setChecked(serialThread->dtr);
        ui->com_checkBox_RTS->setChecked(serialThread->rts);
        ui->com_expandpushButton->setEnabled(true);
    };
    tool.failed = [this] {
        ui->com_expandpushButton->setEnabled(false);
    };
    tool.beforeClose = [this] {
        // The panel forgets itself as it closes.
        if (comExpandDialog)
            comExpandDialog->close();
        ui->com_expandpushButton->setEnabled(false);
        stopSendingFile();
        // A repeat never outlives its port: sending data nobody asked for to
        // a device opened later is unsafe.
        if (comSendTimer->isActive())
            endRepeat(serialTerminalWidgets());
        // What the port still holds goes no further: the close neither waits
        // for a slow device to take it nor leaves it to reach the device.
        dropQueuedSends();
        // What arrived before the close still reaches the views.
        m_comReceiveView->flush();
    };
    tool.closeNote = [this] {
        return comUnsentNote();
    };
    tool.closed = [this] {
        ui->com_checkBox_DTR->setChecked(false);
        ui->com_checkBox_RTS->setChecked(false);
        for (QWidget *widget :
             std::initializer_list<QWidget *>{ui->sendmsgBtn, ui->sendfileBtn, ui->sendMsgtextEdit,
                                              ui->com_checkBox_DTR, ui->com_checkBox_RTS})
            widget->setEnabled(false);
    };
    return tool;
}

void MainWindow::actionOpen_triggered()
{
    openOrCloseSerialTool(serialTerminalTool());
}

void MainWindow::readCom(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_comReceiveView->appendBytes(bytes, ui->showtime_checkBox->isChecked());
    m_comReceiveReport->add(bytes.size(), tr("Successfully read %1 byte data").arg(bytes.size()));
}

// The serial terminal's widgets for the handlers it shares with the others.
TerminalWidgets MainWindow::serialTerminalWidgets()
{
    TerminalWidgets terminal;
    terminal.receiveView = m_comReceiveView;
    terminal.receiveReport = m_comReceiveReport;
    terminal.timeBox = ui->showtime_checkBox;
    terminal.hexBox = ui->HEXcheckBox;
    terminal.sendBox = ui->sendMsgtextEdit;
    terminal.sendButton = ui->sendmsgBtn;
    terminal.sendText = tr("Send");
    terminal.keepSendBox = ui->obocheckBox;
    terminal.intervalBox = ui->delayspinBox;
    terminal.sendTimer = comSendTimer;
    terminal.sendInterval = comSendInterval;
    terminal.sendOnce = [this] {
        sendMsg();
    };
    terminal.dropQueued = [this] {
        dropQueuedSends();
    };
    terminal.sentCounter = ui->sendbyteslcdNumber;
    terminal.receivedCounter = ui->recvbyteslcdNumber;
    return terminal;
}

void MainWindow::sendmsgBtn_clicked()
{
    pressSendButton(serialTerminalWidgets());
}

void MainWindow::sendMsg()
{
    // A repeat sends again only once the port has written its last send: a
    // device slower than the repeat holds it back, instead of a queue that
    // grows without bound.
    const qint64 waiting = m_comWrites.pending(WriteLedger::Writer::Send);
    if (comSendTimer->isActive() && waiting > 0) {
        statusBar()->showMessage(tr("Waiting: the port has not written %1 bytes yet").arg(waiting));
        return;
    }
    const QString text = ui->sendMsgtextEdit->toPlainText();
    QByteArray bytes;
    if (ui->sendAsHexcheckBox->isChecked()) {
        const SendEncoder::Result hex = SendEncoder::fromHexTokens(text);
        if (hex.error != SendEncoder::Error::None) {
            statusBar()->showMessage(tr("The input data format is wrong!"));
            comSendTimer->stop();
            ui->sendmsgBtn->setText(tr("Send"));
            ui->sendmsgBtn->setIcon(QIcon());
            return;
        }
        bytes = hex.bytes;
    } else {
        bytes = SendEncoder::fromText(text);
    }
    writeToSerialPort(bytes);
}

// Queues the bytes on the shared port. They are counted, and "Send Success"
// shown, as the port writes them (comBytesWritten); a refused write is told.
bool MainWindow::writeToSerialPort(const QByteArray &bytes)
{
    if (!comPortIsOpen()) {
        statusBar()->showMessage(tr("Send failed: the serial port is not open"));
        return false;
    }
    if (!queueOnSerialPort(bytes, WriteLedger::Writer::Send))
        return false;
    // Nothing to write has gone at once.
    if (bytes.isEmpty())
        statusBar()->showMessage(tr("Send Success"));
    return true;
}

// Every write of the terminal goes this way: into the port's queue, which
// the port writes as the device takes it. Nothing flushes it, since a flush
// writes at once and a device that cannot take more refuses it.
bool MainWindow::queueOnSerialPort(const QByteArray &bytes, WriteLedger::Writer writer)
{
    QSerialPort *port = serialThread->serialPort;
    const qint64 queued = port->write(bytes);
    if (queued < 0) {
        statusBar()->showMessage(tr("Send failed: %1").arg(port->errorString()));
        return false;
    }
    m_comWrites.queued(writer, queued);
    return true;
}

// The port wrote `bytes` more: the sends among them are counted, and a send
// written whole is told.
void MainWindow::comBytesWritten(qint64 bytes)
{
    const WriteLedger::Written written = m_comWrites.written(bytes);
    addToCounter(ui->sendbyteslcdNumber, written.sendBytes);
    if (written.sendsDone > 0)
        statusBar()->showMessage(tr("Send Success"));
}

// Takes back what the port holds of the terminal's sends, in its own queue
// and the driver's, so that none of it reaches the device after a pause or a
// close. A running Send File keeps its bytes.
void MainWindow::dropQueuedSends()
{
    if (m_sendFile || !comPortIsOpen())
        return;
    QSerialPort *port = serialThread->serialPort;
    m_comWrites.dropNewest(port->bytesToWrite());
    port->clear(QSerialPort::Output);
}

// What the port has not written of what the terminal queued, and what Send
// File has not read of its file yet.
QString MainWindow::comUnsentNote() const
{
    qint64 unsent = m_comWrites.pending();
    if (m_sendFile)
        unsent += m_sendFile->size() - m_sendFile->pos();
    return unsent > 0 ? tr("%1 bytes were not sent").arg(unsent) : QString();
}

// Quitting closes the port with the window. While the terminal still has
// bytes to write, it closes the port first, so that the count is final, and
// tells it in a box: the status bar goes with the window.
void MainWindow::closeSerialTerminalAtQuit()
{
    if (!serialPortOpen || serialPortHolder != SerialToolId::Terminal || comUnsentNote().isEmpty())
        return;
    const QString note = closeSerialTool(serialTerminalTool());
    Prompt::warning(this, tr("warning:"), tr("Quitting closed the serial port: %1.").arg(note));
}

void MainWindow::obocheckBox_clicked()
{
    keepSendChanged(serialTerminalWidgets());
}

void MainWindow::delayspinBox_valueChanged(int interval)
{
    comSendInterval = interval;
}

void MainWindow::COMHideHex_pushButton_clicked()
{
    showOrHideHexView(serialTerminalWidgets());
}

void MainWindow::actionClearBytes_triggered()
{
    clearCounters(serialTerminalWidgets());
}

void MainWindow::actionCleanData_triggered()
{
    clearReceiveViews(serialTerminalWidgets());
}

void MainWindow::cleanSendData_clicked()
{
    clearSendBox(serialTerminalWidgets());
}

void MainWindow::actionSave_triggered()
{
    exportTextView(serialTerminalWidgets());
}

void MainWindow::actionLoadfile_triggered()
{
    importIntoSendBox(serialTerminalWidgets());
}

// Sends the file line by line from a 5 ms timer, so the window stays live.
// The file goes only into the open of the port that the terminal held when
// the user asked for it: chosen after that open closed, it is not sent.
void MainWindow::actionSendfile_triggered()
{
    if (m_sendFile)
        return;
    const SerialPortClaim claim = claimSerialPort(SerialToolId::Terminal);
    const QString name = askFileToRead();
    if (name.isEmpty())
        return;
    if (!stillHolds(claim)) {
        statusBar()->showMessage(
            tr("Send failed: the serial port was closed while the file was chosen"));
        return;
    }
    auto *file = new QFile(name, this);
    if (!openToRead(*file)) {
        delete file;
        return;
    }
    m_sendFile = file;
    m_sendFileClaim = claim;
    ui->sendfileBtn->setEnabled(false);
    m_sendFileTimer->start();
    sendNextFileLine();
}

// One piece a tick (a line, or a part of a long one), and only once the port
// has written the piece before: the file goes at the pace the device takes
// it, with one piece at most in the port's queue. It ends when the port has
// written the last piece, or when the open it streams into is gone.
void MainWindow::sendNextFileLine()
{
    if (!m_sendFile)
        return;
    if (!stillHolds(m_sendFileClaim)) {
        stopSendingFile();
        return;
    }
    if (m_comWrites.pending(WriteLedger::Writer::File) > 0)
        return;
    if (m_sendFile->atEnd()) {
        stopSendingFile();
        statusBar()->showMessage(tr("Success for send the data in the file"));
        return;
    }
    const QByteArray piece = m_sendFile->readLine(sendFilePieceBytes + 1);
    if (piece.isEmpty()) {
        const QString reason = m_sendFile->errorString();
        stopSendingFile();
        statusBar()->showMessage(tr("Send failed: %1").arg(reason));
        return;
    }
    if (!queueOnSerialPort(piece, WriteLedger::Writer::File))
        stopSendingFile();
}

void MainWindow::stopSendingFile()
{
    m_sendFileTimer->stop();
    if (!m_sendFile)
        return;
    m_sendFile->close();
    m_sendFile->deleteLater();
    m_sendFile = nullptr;
    // Send File is usable again while the terminal holds the port.
    ui->sendfileBtn->setEnabled(ui->sendMsgtextEdit->isEnabled());
}
