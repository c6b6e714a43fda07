#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_tof.h"

void MainWindow::TOF_Init_Start()
{
    ui->gridLayout_tof->addWidget(new nuvelix_tof(this));
}
