#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "prompt.h"
#include "receivereport.h"
#include "receiveview.h"
#include "sendencoder.h"
#include "sendfilesource.h"
#include "serialtool.h"
#include "terminalwidgets.h"
#include "threadserial.h"
#include "tooldialog.h"

#include <QSerialPort>
#include <QTimer>

#include <memory>
#include <utility>

namespace {
// Lines of Send File leave this far apart.
constexpr int sendFileLineMs = 5;
// The terminal hands the port this much at a time, and the next piece only
// once the port has written the one before: all but this of what the port
// has not written can be taken back without touching the driver.
constexpr qint64 portPieceBytes = 1024;
// Quitting waits this long, with the window still shown, for the count of
// what Send File leaves unsent; then it tells what it has counted.
constexpr int quitCountMs = 1000;
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
                &MainWindow::feedSerialPort);
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
        // What arrived before the close still reaches the views.
        m_comReceiveView->flush();
    };
    tool.closeNote = [this] {
        return unsentNote(takeBackAtClose());
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
        takeBackRepeat();
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
    const bool repeating = comSendTimer->isActive();
    countSerialWrites();
    const qint64 waiting = m_comWrites.pending(WriteLedger::Writer::Send) +
                           m_comWrites.pending(WriteLedger::Writer::Repeat);
    if (repeating && waiting > 0) {
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
    writeToSerialPort(bytes, repeating ? WriteLedger::Writer::Repeat : WriteLedger::Writer::Send);
}

// Queues the bytes for the shared port. They are counted, and "Send Success"
// shown, as the port writes them (countSerialWrites).
bool MainWindow::writeToSerialPort(const QByteArray &bytes, WriteLedger::Writer writer)
{
    if (!comPortIsOpen()) {
        statusBar()->showMessage(tr("Send failed: the serial port is not open"));
        return false;
    }
    // Nothing to write has gone at once.
    if (bytes.isEmpty()) {
        statusBar()->showMessage(tr("Send Success"));
        return true;
    }
    m_comWrites.queue(writer, bytes);
    feedSerialPort();
    return true;
}

// Every write of the terminal goes this way: a piece at a time into the
// port's queue, once the port has written the piece before, and the port
// writes it as the device takes it. Nothing flushes the port, since a flush
// writes at once and a device that cannot take more refuses it.
void MainWindow::feedSerialPort()
{
    if (!comPortIsOpen())
        return;
    countSerialWrites();
    QSerialPort *port = serialThread->serialPort;
    if (port->bytesToWrite() > 0)
        return;
    const QByteArray piece = m_comWrites.nextPiece(portPieceBytes);
    if (piece.isEmpty())
        return;
    const qint64 handed = port->write(piece);
    if (handed < 0) {
        endRefusedSends(port->errorString());
        return;
    }
    m_comWrites.handedOver(handed);
}

// A write the port refused would wait for ever, and Send File or a repeat
// behind it: as at a lost port, everything the terminal still has to send
// (the port was handed none of it) is taken back and told, and both end.
void MainWindow::endRefusedSends(const QString &reason)
{
    qint64 unsent = 0;
    for (const WriteLedger::Writer writer :
         {WriteLedger::Writer::Send, WriteLedger::Writer::Repeat, WriteLedger::Writer::File})
        unsent += m_comWrites.takeBack(writer);
    const QString note = unsentNote(unsent);
    stopSendingFile();
    if (comSendTimer->isActive())
        endRepeat(serialTerminalWidgets());
    statusBar()->showMessage(withNote(tr("Send failed: %1").arg(reason), note));
}

// The port has written whatever of its pieces its own queue no longer holds:
// the sends among those bytes are counted, and a send written whole is told.
// The port reports its last write only once the device takes more, so what
// it wrote is read from its queue instead of from its reports.
void MainWindow::countSerialWrites()
{
    if (!comPortIsOpen())
        return;
    const WriteLedger::Written written =
        m_comWrites.written(m_comWrites.handed() - serialThread->serialPort->bytesToWrite());
    addToCounter(ui->sendbyteslcdNumber, written.sendBytes);
    if (written.sendsDone > 0)
        statusBar()->showMessage(tr("Send Success"));
}

// Pause takes back the repeat's bytes that the port was not handed, and
// tells them. What the port and the driver have is on its way and counted
// as written; sends and stored commands queued behind the repeat still go.
void MainWindow::takeBackRepeat()
{
    countSerialWrites();
    const qint64 unsent = m_comWrites.takeBack(WriteLedger::Writer::Repeat);
    if (unsent > 0)
        statusBar()->showMessage(
            withNote(tr("Send paused"), tr("%1 bytes were not sent").arg(unsent)));
    feedSerialPort();
}

// A close takes back everything the port has not written: what the terminal
// holds, the port's piece (the port drops it unwritten as it closes) and
// what Send File has not read of its file (unsentNote). A driver that
// reports its queue (a UART's) has it dropped too, so that the close does not
// wait for a slow device, and those bytes are no longer counted as sent. A
// driver that reports none (a pty's) passes on what it took, which is
// counted. Returns how many bytes the port did not write.
qint64 MainWindow::takeBackAtClose()
{
    countSerialWrites();
    qint64 unsent = m_comWrites.pending();
    if (comPortIsOpen()) {
        const qint64 dropped = serialThread->dropDriverOutput();
        unsent += dropped;
        takeFromCounter(ui->sendbyteslcdNumber, m_comWrites.unwrite(dropped));
    }
    m_comWrites.clear();
    return unsent;
}

// The note of what a send cut short did not send: `unsent` bytes of the
// port's and, while Send File runs, what the rest of its file would still
// have sent (each CR LF as LF), counted from where the send stopped to the
// file's end as it is now. Send File ends here; a worker counts that rest,
// and until it has, the note says it is being counted.
QString MainWindow::unsentNote(qint64 unsent)
{
    if (m_sendFile) {
        SendFileSource *file = std::exchange(m_sendFile, nullptr);
        file->countRest();
        if (!file->restCounted())
            return noteWhenCounted(file, unsent);
        file->deleteLater();
        if (!file->rest())
            return fileRestNote(*file, unsent);
        unsent += *file->rest();
    }
    return unsent > 0 ? tr("%1 bytes were not sent").arg(unsent) : QString();
}

// The note once the count of Send File's rest has ended: the figure, or,
// when the file could not be read to its end, the bytes counted.
QString MainWindow::fileRestNote(const SendFileSource &file, qint64 unsent)
{
    if (const std::optional<qint64> rest = file.rest())
        return tr("%1 bytes were not sent").arg(unsent + *rest);
    return tr("at least %1 bytes were not sent; the rest of the file could not be counted")
        .arg(unsent + file.restCountedSoFar());
}

// The note while the worker still counts Send File's rest. The window does
// not wait: the source stays until the count is done. Then the message that
// ends with this note, while it is still shown, gets the figure in its
// place; otherwise the figure is told on its own, with the file's name once
// a later send has begun, so that it is never taken for that send's.
QString MainWindow::noteWhenCounted(SendFileSource *file, qint64 unsent)
{
    const QString counting = tr("the bytes not sent are being counted");
    const quint64 shownNote = ++m_countingNotesShown;
    const quint64 sendsBegun = m_sendFilesBegun;
    connect(file, &SendFileSource::counted, this, [=] {
        const QString note = fileRestNote(*file, unsent);
        file->deleteLater();
        const QString shown = statusBar()->currentMessage();
        if (shownNote == m_countingNotesShown && shown.endsWith(counting))
            statusBar()->showMessage(shown.chopped(counting.size()) + note);
        else if (sendsBegun == m_sendFilesBegun)
            statusBar()->showMessage(withNote(tr("Send File ended"), note));
        else
            statusBar()->showMessage(
                withNote(tr("Send File of %1 ended").arg(file->fileName()), note));
    });
    return counting;
}

// Quitting closes the port with the window. While the terminal still has
// bytes to write, it closes the port first, so that the count is final, and
// tells it in a box: the status bar goes with the window. The count of Send
// File's rest is waited for a bounded while, the window still shown; a count
// still under way then is told as the bytes counted so far, and cancelled as
// the window goes.
void MainWindow::closeSerialTerminalAtQuit()
{
    if (!serialPortOpen || serialPortHolder != SerialToolId::Terminal)
        return;
    countSerialWrites();
    if (m_comWrites.pending() == 0 && !m_sendFile && serialThread->driverOutputQueued() == 0)
        return;
    const std::unique_ptr<SendFileSource> file(std::exchange(m_sendFile, nullptr));
    if (file)
        file->countRest();
    qint64 unsent = 0;
    SerialTool tool = serialTerminalTool();
    tool.closeNote = [this, &unsent] {
        unsent = takeBackAtClose();
        return QString();
    };
    closeSerialTool(tool);
    QString note;
    if (!file)
        note = unsentNote(unsent);
    else if (file->waitForCount(quitCountMs))
        note = fileRestNote(*file, unsent);
    else
        note = tr("at least %1 bytes were not sent; the rest of the file was still being counted")
                   .arg(unsent + file->restCountedSoFar());
    if (!note.isEmpty())
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
    // A close that drops the driver's queue then takes off only the sends
    // counted since.
    m_comWrites.counterCleared();
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

// Sends the file line by line from a 5 ms timer, so the window stays live;
// a worker opens and reads it (SendFileSource), so a slow storage never
// holds the window either. The file goes only into the open of the port
// that the terminal held when the user asked for it: chosen after that open
// closed, it is not sent. Only a regular file is sent: a pipe or a device
// would never be sent whole.
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
    ++m_sendFilesBegun;
    m_sendFile = new SendFileSource(name, this);
    m_sendFileClaim = claim;
    ui->sendfileBtn->setEnabled(false);
    m_sendFileTimer->start();
    sendNextFileLine();
}

// One piece a tick (a line, or a part of a long one), once the worker has
// read it and the port has written the piece before: the file goes at the
// pace the device takes it and the storage gives it, with one piece at most
// in the port's queue. It ends when the port has written the last piece, or
// when the open it streams into is gone.
void MainWindow::sendNextFileLine()
{
    if (!m_sendFile)
        return;
    if (!stillHolds(m_sendFileClaim)) {
        stopSendingFile();
        return;
    }
    countSerialWrites();
    if (m_comWrites.pending(WriteLedger::Writer::File) > 0)
        return;
    using Status = SendFileSource::Status;
    const SendFileSource::Next next = m_sendFile->next();
    switch (next.status) {
    case Status::Piece:
        if (!writeToSerialPort(next.piece, WriteLedger::Writer::File))
            stopSendingFile();
        return;
    case Status::Waiting:
        return;
    case Status::End:
        statusBar()->showMessage(tr("Success for send the data in the file"));
        break;
    case Status::NotRegular:
        statusBar()->showMessage(
            tr("Send failed: %1 is not a regular file").arg(m_sendFile->fileName()));
        break;
    case Status::OpenFailed:
        tellOpenFailed();
        break;
    case Status::ReadFailed:
        statusBar()->showMessage(tr("Send failed: %1").arg(m_sendFile->errorString()));
        break;
    }
    stopSendingFile();
}

// Send File ends: its file is closed and goes. A file whose count a note
// still waits for is no longer Send File's but the note's (noteWhenCounted).
void MainWindow::stopSendingFile()
{
    m_sendFileTimer->stop();
    if (m_sendFile)
        std::exchange(m_sendFile, nullptr)->deleteLater();
    // Send File is usable again while the terminal holds the port.
    ui->sendfileBtn->setEnabled(ui->sendMsgtextEdit->isEnabled());
}
