#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_spectroscopy.h"

void MainWindow::Spectra_Init_Start()
{
    ui->gridLayout_spectra->addWidget(new nuvelix_spectroscopy(this));
}
