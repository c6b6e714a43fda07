#include "mainwindow.h"
#include "ui_mainwindow.h"

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
    };
    tool.disconnectAtClose = [this] {
        disconnect(comSendTimer, &QTimer::timeout, this, &MainWindow::sendMsg);
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

// Writes to the shared port and counts only what the port took; a refused
// write is reported, not counted.
bool MainWindow::writeToSerialPort(const QByteArray &bytes)
{
    if (!comPortIsOpen()) {
        statusBar()->showMessage(tr("Send failed: the serial port is not open"));
        return false;
    }
    const qint64 written = serialThread->serialPort->write(bytes);
    if (written < 0) {
        statusBar()->showMessage(
            tr("Send failed: %1").arg(serialThread->serialPort->errorString()));
        return false;
    }
    addToCounter(ui->sendbyteslcdNumber, written);
    statusBar()->showMessage(tr("Send Success"));
    return true;
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

// Sends the file line by line, one line every 5 ms from a timer, so the
// window stays live and the port really writes each line before the next.
void MainWindow::actionSendfile_triggered()
{
    if (m_sendFile)
        return;
    const QString name = askFileToRead();
    if (name.isEmpty())
        return;
    auto *file = new QFile(name, this);
    if (!openToRead(*file)) {
        delete file;
        return;
    }
    m_sendFile = file;
    ui->sendfileBtn->setEnabled(false);
    sendNextFileLine();
    if (m_sendFile)
        m_sendFileTimer->start();
}

void MainWindow::sendNextFileLine()
{
    if (!m_sendFile)
        return;
    if (m_sendFile->atEnd()) {
        stopSendingFile();
        statusBar()->showMessage(tr("Success for send the data in the file"));
        return;
    }
    const QByteArray line = m_sendFile->readLine();
    if (!comPortIsOpen() || serialThread->serialPort->write(line) != line.size()) {
        const QString reason =
            comPortIsOpen() ? serialThread->serialPort->errorString() : QString();
        stopSendingFile();
        statusBar()->showMessage(tr("Send failed: %1").arg(reason));
        return;
    }
    serialThread->serialPort->flush();
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
