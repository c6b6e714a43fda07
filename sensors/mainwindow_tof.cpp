#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_tof.h"
#include "sensorbuffer.h"
#include "serialtool.h"

void MainWindow::TOF_Init_Start()
{
    ui->gridLayout_tof->addWidget(new nuvelix_tof(this));
    connect(ui->TOFopencompushButton, &QPushButton::pressed, this, &MainWindow::TOFOpen_triggered);
    setOpenButtonStyle(ui->TOFopencompushButton, false);
}

SerialTool MainWindow::tofSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Tof;
    tool.receive = &MainWindow::readTOFCom;
    return tool;
}

void MainWindow::TOFOpen_triggered()
{
    // Every open attempt starts with an empty receive buffer.
    if (!serialPortOpen)
        tofRxBuffer.clear();
    openOrCloseSerialTool(tofSerialTool());
}

void MainWindow::readTOFCom(const QByteArray &data)
{
    SensorBuffer::append(tofRxBuffer, data);
}
