#include "mainwindow.h"
#include "ui_i2cdump_readreg.h"
#include "ui_i2cdump_writereg.h"
#include "ui_mainwindow.h"

#include "i2ccommands.h"
#include "i2clogtext.h"
#include "nuvelix_i2c_tools.h"
#include "prompt.h"
#include "serialtool.h"
#include "threadserial.h"
#include "tooldialog.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {
const char *const greenStyle = "QPushButton {   background-color: #4CAF50;   color: white;   "
                               "font-weight: bold;}QPushButton:pressed {   background-color: "
                               "#45A049;}";
constexpr int logLines = 100;
constexpr int registerCount = 256;

// The register boxes of both dialogs and the read dialog's length box:
// "0x00" to "0xFF".
void fillRegisterBox(QComboBox *box)
{
    for (int n = 0; n < registerCount; ++n)
        box->addItem(QLatin1String("0x") +
                     QStringLiteral("%1").arg(n, 2, 16, QLatin1Char('0')).toUpper());
}
} // namespace

void MainWindow::I2Cdump_Init_Start()
{
    i2cTools = new nuvelix_i2c_tools(this);
    connect(ui->i2cdumpreadpushButton, &QPushButton::pressed, this,
            &MainWindow::slotI2Cdump_read_ui);
    connect(ui->i2cdumpwritepushButton, &QPushButton::pressed, this,
            &MainWindow::slotI2Cdump_write_ui);
    ui->gridLayout_i2cdump->addWidget(i2cTools);
    ui->i2cdump_StrTextBrowser->setMaximumBlockCount(logLines);

    connect(ui->i2cdumpopencompushButton, &QPushButton::pressed, this,
            &MainWindow::I2CdumpOpen_triggered);
    connect(i2cTools, &nuvelix_i2c_tools::Channge_Addr, this, &MainWindow::I2Cdump_Setaddr);
    connect(i2cTools, &nuvelix_i2c_tools::Get_Addr, this, &MainWindow::I2Cdump_printscanf);
    connect(i2cTools, &nuvelix_i2c_tools::Get_Data, this, &MainWindow::I2Cdump_printread);
    connect(ui->i2cdump_stop_pushButton, &QPushButton::pressed, this, &MainWindow::I2Cdump_Stop);
    connect(ui->i2cdump_Clear_pushButton, &QPushButton::pressed, this,
            &MainWindow::I2CdumpactionClear_triggered);
    connect(ui->i2cdumpsancfpushButton, &QPushButton::pressed, this,
            &MainWindow::I2CdumpactionScanf_triggered);

    setOpenButtonStyle(ui->i2cdumpopencompushButton, false);
    ui->i2cdump_stop_pushButton->setStyleSheet(QLatin1String(greenStyle));
    ui->i2cdump_stop_pushButton->setText(QStringLiteral("Start"));
    // The commands go to the board: they wait for the port.
    setI2cdumpCommandsEnabled(false);
    ui->i2cdump_StrTextBrowser->setReadOnly(true);
}

void MainWindow::setI2cdumpCommandsEnabled(bool enabled)
{
    for (QPushButton *command : {ui->i2cdump_stop_pushButton, ui->i2cdumpsancfpushButton,
                                 ui->i2cdumpreadpushButton, ui->i2cdumpwritepushButton})
        command->setEnabled(enabled);
}

// An open starts the frame decoder empty: bytes of a frame cut off by the
// close would join the board's next bytes.
SerialTool MainWindow::i2cdumpSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::I2cDump;
    tool.receive = &MainWindow::readi2cdumpCom;
    tool.opened = [this] {
        i2cTools->clearFrameBuffer();
        i2cdumpHoldsPort = true;
        setI2cdumpCommandsEnabled(true);
    };
    tool.beforeClose = [this] {
        i2cdumpHoldsPort = false;
    };
    tool.closed = [this] {
        setI2cdumpCommandsEnabled(false);
    };
    return tool;
}

void MainWindow::I2CdumpOpen_triggered()
{
    openOrCloseSerialTool(i2cdumpSerialTool());
}

void MainWindow::readi2cdumpCom(const QByteArray &bytes)
{
    i2cTools->updateValues(bytes);
}

bool MainWindow::sendI2cCommand(const QByteArray &frame)
{
    if (!i2cdumpHoldsPort || !serialThread || !serialThread->serialPort ||
        !serialThread->serialPort->isOpen())
        return false;
    return serialThread->serialPort->write(frame) == frame.size();
}

// Appends to the log and shows its end; CR LF ends a line.
void MainWindow::printI2cLog(const QString &text)
{
    QPlainTextEdit *log = ui->i2cdump_StrTextBrowser;
    QTextCursor end(log->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    log->moveCursor(QTextCursor::End);
    log->ensureCursorVisible();
}

void MainWindow::I2CdumpactionClear_triggered()
{
    ui->i2cdump_StrTextBrowser->clear();
}

void MainWindow::I2CdumpactionScanf_triggered()
{
    sendI2cCommand(I2cCommands::scan());
}

// Start makes the board stream register tables; meanwhile the other
// commands wait. The button stays green either way.
void MainWindow::I2Cdump_Stop()
{
    QPushButton *button = ui->i2cdump_stop_pushButton;
    const bool streaming =
        button->text() == QLatin1String("Stop") || button->text() == QStringLiteral("停止");
    for (QPushButton *command :
         {ui->i2cdumpsancfpushButton, ui->i2cdumpwritepushButton, ui->i2cdumpreadpushButton})
        command->setEnabled(streaming);
    button->setText(streaming ? tr("Start") : tr("Stop"));
    button->setStyleSheet(QLatin1String(greenStyle));
    sendI2cCommand(streaming ? I2cCommands::stop() : I2cCommands::start());
}

void MainWindow::I2Cdump_Setaddr(int address)
{
    sendI2cCommand(I2cCommands::setAddress(address));
}

void MainWindow::I2Cdump_printscanf(const QByteArray &addresses)
{
    printI2cLog(I2cLogText::scanResult(addresses));
}

// The answer belongs to the last read sent, whether or not its dialog is
// still open.
void MainWindow::I2Cdump_printread(const QByteArray &values)
{
    printI2cLog(I2cLogText::readResult(i2cLastReadRegister, values));
}

void MainWindow::slotI2Cdump_read_ui()
{
    if (i2cReadDialogOpen)
        return;
    i2cReadDialog = newToolDialog([this] { slotI2Cdump_read_ui_dialogclose(); });
    i2cReadForm = i2cReadDialog->installForm<Ui::I2CDump_ReadREG>();
    connect(i2cReadForm->I2CDump_ReadREGCancel, &QPushButton::pressed, i2cReadDialog,
            &QDialog::close);
    i2cReadDialogOpen = true;
    i2cReadDialog->setWindowFlags(i2cReadDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    i2cReadDialog->show();
    i2cReadDialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    fillRegisterBox(i2cReadForm->reg_comboBox);
    fillRegisterBox(i2cReadForm->length_comboBox);
    i2cReadDialog->onPress(i2cReadForm->read_pushButton, this, &MainWindow::I2Cdump_Read);
}

void MainWindow::I2Cdump_Read()
{
    const int first = i2cReadForm->reg_comboBox->currentIndex();
    if (sendI2cCommand(
            I2cCommands::readRegisters(first, i2cReadForm->length_comboBox->currentIndex())))
        i2cLastReadRegister = first;
}

// The dialog has gone (its form with it): the next press opens a new one.
void MainWindow::slotI2Cdump_read_ui_dialogclose()
{
    i2cReadDialogOpen = false;
    i2cReadDialog = nullptr;
    i2cReadForm = nullptr;
}

void MainWindow::slotI2Cdump_write_ui()
{
    if (i2cWriteDialogOpen)
        return;
    i2cWriteDialog = newToolDialog([this] { slotI2Cdump_write_ui_dialogclose(); });
    i2cWriteForm = i2cWriteDialog->installForm<Ui::I2CDump_WriteREG>();
    connect(i2cWriteForm->I2CDump_WriteREGCancel, &QPushButton::pressed, i2cWriteDialog,
            &QDialog::close);
    i2cWriteDialogOpen = true;
    i2cWriteDialog->setWindowFlags(i2cWriteDialog->windowFlags() &
                                   ~Qt::WindowContextHelpButtonHint);
    i2cWriteDialog->show();
    i2cWriteDialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    fillRegisterBox(i2cWriteForm->reg_comboBox);
    // Room for one token more than a frame carries: text cut at this length
    // is never taken as shorter valid input, it is refused.
    i2cWriteForm->lineEdit->setMaxLength(int(I2cCommands::maxWriteData + 1) * 5);
    i2cWriteDialog->onPress(i2cWriteForm->send_pushButton, this, &MainWindow::I2Cdump_Send);
}

void MainWindow::I2Cdump_Send()
{
    const std::optional<QByteArray> values =
        I2cCommands::parseWriteData(i2cWriteForm->lineEdit->text());
    if (!values) {
        Prompt::warning(i2cWriteDialog, QStringLiteral("Warning"),
                        QStringLiteral("Invalid input format. Please enter the correct format "
                                       "(e.g., 0x01,0x34,0xab)"));
        return;
    }
    sendI2cCommand(
        I2cCommands::writeRegisters(i2cWriteForm->reg_comboBox->currentIndex(), *values));
}

void MainWindow::slotI2Cdump_write_ui_dialogclose()
{
    i2cWriteDialogOpen = false;
    i2cWriteDialog = nullptr;
    i2cWriteForm = nullptr;
}
