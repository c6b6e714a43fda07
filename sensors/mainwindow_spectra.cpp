#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_spectroscopy.h"
#include "sensorbuffer.h"
#include "serialtool.h"

void MainWindow::Spectra_Init_Start()
{
    ui->gridLayout_spectra->addWidget(new nuvelix_spectroscopy(this));
    connect(ui->SpectraopencompushButton, &QPushButton::pressed, this,
            &MainWindow::SpectraOpen_triggered);
    setOpenButtonStyle(ui->SpectraopencompushButton, false);
}

SerialTool MainWindow::spectraSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Spectra;
    tool.receive = &MainWindow::readSpectraCom;
    return tool;
}

void MainWindow::SpectraOpen_triggered()
{
    // Every open attempt starts with an empty receive buffer.
    if (!serialPortOpen)
        spectraRxBuffer.clear();
    openOrCloseSerialTool(spectraSerialTool());
}

void MainWindow::readSpectraCom(const QByteArray &data)
{
    SensorBuffer::append(spectraRxBuffer, data);
}
