#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bytecounter.h"
#include "prompt.h"
#include "receiveview.h"
#include "sendencoder.h"
#include "serialtool.h"
#include "threadserial.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QTextCursor>
#include <QTextStream>
#include <QTimer>

namespace {
constexpr int importLimitBytes = 10000;
// Lines of Send File leave this far apart.
constexpr int sendFileLineMs = 5;

void addToCounter(QLCDNumber *counter, qint64 bytes)
{
    counter->display(ByteCounter::added(counter->intValue(), bytes));
}
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
    ui->com_expandpushButton->setEnabled(false);
    ui->COM_HexTextBrowser->hide();
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
    tool.portNameBox = ui->portNameComboBox;
    tool.baudRateBox = ui->baudRateComboBox;
    tool.dataBitsBox = ui->dataBitsComboBox;
    tool.parityBox = ui->parityComboBox;
    tool.stopBitsBox = ui->stopBitsComboBox;
    tool.openButton = ui->opencompushButton;
    tool.settingsSwitch = &MainWindow::setComboBoxEnabled;
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
        if (comExpandOpen && comExpandDialog)
            comExpandDialog->close();
        comExpandOpen = false;
        ui->com_expandpushButton->setEnabled(false);
        stopSendingFile();
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

void MainWindow::readCom(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    m_comReceiveView->appendBytes(data, ui->showtime_checkBox->isChecked());
    addToCounter(ui->recvbyteslcdNumber, data.size());
    statusBar()->showMessage(tr("Successfully read %1 byte data").arg(data.size()));
}

void MainWindow::sendmsgBtn_clicked()
{
    const QString text = ui->sendmsgBtn->text();
    if (text == tr("Pause") || text == QStringLiteral("暂停")) {
        comSendTimer->stop();
        ui->sendmsgBtn->setText(tr("Send"));
        ui->sendmsgBtn->setIcon(QIcon(QStringLiteral(":images/send.png")));
        return;
    }
    if (ui->sendMsgtextEdit->toPlainText().isEmpty()) {
        statusBar()->showMessage(tr("No Data"));
        return;
    }
    if (!ui->obocheckBox->isChecked()) {
        ui->sendMsgtextEdit->setFocus();
        sendMsg();
        return;
    }
    comSendTimer->start(comSendInterval);
    ui->sendmsgBtn->setText(tr("Pause"));
    ui->sendmsgBtn->setIcon(QIcon(QStringLiteral(":images/pause.png")));
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
            ui->sendmsgBtn->setIcon(QIcon(QStringLiteral(":images/end.png")));
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
    const bool keep = ui->obocheckBox->isChecked();
    ui->delayspinBox->setEnabled(keep);
    statusBar()->showMessage(keep ? tr("Enable Keep sending") : tr("Disable Keep sending"));
}

void MainWindow::delayspinBox_valueChanged(int interval)
{
    comSendInterval = interval;
}

void MainWindow::COMHideHex_pushButton_clicked()
{
    ui->COM_HexTextBrowser->setVisible(ui->HEXcheckBox->isChecked());
    if (ui->showtime_checkBox->isChecked())
        m_comReceiveView->scrollToBottom();
}

void MainWindow::actionClearBytes_triggered()
{
    if (ui->sendbyteslcdNumber->intValue() != 0 || ui->recvbyteslcdNumber->intValue() != 0) {
        ui->sendbyteslcdNumber->display(0);
        ui->recvbyteslcdNumber->display(0);
    }
    statusBar()->showMessage(tr("Counter has been cleared"));
}

void MainWindow::actionCleanData_triggered()
{
    m_comReceiveView->clear();
    statusBar()->showMessage(tr("Receive has been cleared"));
}

void MainWindow::cleanSendData_clicked()
{
    ui->sendMsgtextEdit->clear();
    statusBar()->showMessage(tr("Send has been cleared"));
}

void MainWindow::actionSave_triggered()
{
    m_comReceiveView->flush();
    const QString text = ui->COM_StrTextBrowser->toPlainText();
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

QString MainWindow::askFileToRead()
{
    return Prompt::openFileName(this, tr("Read file"), QString(), tr("(*)"));
}

// Loads the file into the send box as it is (UTF-8, CR LF read as LF).
void MainWindow::actionLoadfile_triggered()
{
    const QString name = askFileToRead();
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
    const QString text = QString::fromUtf8(file.readAll());
    QTextCursor cursor(ui->sendMsgtextEdit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    file.close();
    statusBar()->showMessage(tr("Success for read the data in the file"));
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
    if (!file->open(QIODevice::ReadOnly | QIODevice::Text)) {
        delete file;
        statusBar()->showMessage(tr("Open failed: Failed to open this file, this may be due to "
                                    "insufficient permissions."));
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
