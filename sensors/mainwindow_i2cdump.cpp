#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_i2c_tools.h"
#include "sensorbuffer.h"
#include "serialtool.h"

void MainWindow::I2Cdump_Init_Start()
{
    ui->gridLayout_i2cdump->addWidget(new nuvelix_i2c_tools(this));
    connect(ui->i2cdumpopencompushButton, &QPushButton::pressed, this,
            &MainWindow::I2CdumpOpen_triggered);
    setOpenButtonStyle(ui->i2cdumpopencompushButton, false);
    // The commands go to the board: they wait for the port.
    setI2cdumpCommandsEnabled(false);
}

void MainWindow::setI2cdumpCommandsEnabled(bool enabled)
{
    for (QPushButton *command : {ui->i2cdump_stop_pushButton, ui->i2cdumpsancfpushButton,
                                 ui->i2cdumpreadpushButton, ui->i2cdumpwritepushButton})
        command->setEnabled(enabled);
}

// The receive buffer keeps its bytes across a close and reopen.
SerialTool MainWindow::i2cdumpSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::I2cDump;
    tool.receive = &MainWindow::readi2cdumpCom;
    tool.opened = [this] {
        setI2cdumpCommandsEnabled(true);
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

void MainWindow::readi2cdumpCom(const QByteArray &data)
{
    SensorBuffer::append(i2cdumpRxBuffer, data);
}
