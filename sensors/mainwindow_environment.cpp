#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dashboard.h"

void MainWindow::ENVironment_Init_Start()
{
    for (QGridLayout *layout :
         {ui->temperature_gridLayout, ui->humidity_gridLayout, ui->ultraviolet_gridLayout,
          ui->CO2_gridLayout, ui->TVOC_gridLayout, ui->barometer_gridLayout})
        layout->addWidget(new DashBoard(this), 0, 0);
}
