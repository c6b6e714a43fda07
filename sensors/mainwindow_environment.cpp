#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dashboard.h"
#include "sensorbuffer.h"
#include "serialtool.h"

void MainWindow::ENVironment_Init_Start()
{
    for (QGridLayout *layout :
         {ui->temperature_gridLayout, ui->humidity_gridLayout, ui->ultraviolet_gridLayout,
          ui->CO2_gridLayout, ui->TVOC_gridLayout, ui->barometer_gridLayout})
        layout->addWidget(new DashBoard(this), 0, 0);
    connect(ui->ENVopencompushButton, &QPushButton::pressed, this,
            &MainWindow::ENVactionOpen_triggered);
    setOpenButtonStyle(ui->ENVopencompushButton, false);
}

// The receive buffer keeps its bytes across a close and reopen.
SerialTool MainWindow::environmentSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Environment;
    tool.receive = &MainWindow::readENVCom;
    return tool;
}

void MainWindow::ENVactionOpen_triggered()
{
    openOrCloseSerialTool(environmentSerialTool());
}

void MainWindow::readENVCom(const QByteArray &data)
{
    SensorBuffer::append(envRxBuffer, data);
}
