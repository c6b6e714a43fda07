#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_i2c_tools.h"

void MainWindow::I2Cdump_Init_Start()
{
    ui->gridLayout_i2cdump->addWidget(new nuvelix_i2c_tools(this));
}
