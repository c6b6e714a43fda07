#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_spectroscopy.h"
#include "serialtool.h"
#include "spectrachannels.h"

#include <QSignalBlocker>

void MainWindow::Spectra_Init_Start()
{
    spectroscopy = new nuvelix_spectroscopy(this);
    ui->gridLayout_spectra->addWidget(spectroscopy);
    spectraRxBuffer.reset();
    connect(ui->SpectraopencompushButton, &QPushButton::pressed, this,
            &MainWindow::SpectraOpen_triggered);
    connect(ui->SpectraportChartComboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::onSpectraportChartComboBoxChanged);
    connect(ui->SpectraYPEcomboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::onSpectraTYPEComboBoxChanged);
    setOpenButtonStyle(ui->SpectraopencompushButton, false);
    // "Line Chart" is offered only with the AS7265X.
    onSpectraTYPEComboBoxChanged(ui->SpectraYPEcomboBox->currentIndex());
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
    // Every open attempt starts with no part line.
    if (!serialPortOpen)
        spectraRxBuffer.reset();
    openOrCloseSerialTool(spectraSerialTool());
}

void MainWindow::readSpectraCom(const QByteArray &bytes)
{
    for (const QByteArray &line : spectraRxBuffer.feed(bytes).results)
        extractValuesFromQString(QString::fromUtf8(line));
}

// Sensor type and chart mode are read from the boxes for every value.
void MainWindow::extractValuesFromQString(const QString &text)
{
    for (const SpectraReading &reading : SpectraChannels::readings(text))
        spectroscopy->update_data_barset(
            quint8(reading.channel), reading.value,
            SpectraChannels::sensorType(ui->SpectraYPEcomboBox->currentText()),
            quint8(ui->SpectraportChartComboBox->currentIndex()));
}

// The chart box goes back to "Bar Chart", and the display to the type's bars.
void MainWindow::onSpectraTYPEComboBoxChanged(int index)
{
    {
        const QSignalBlocker refill(ui->SpectraportChartComboBox);
        ui->SpectraportChartComboBox->clear();
        ui->SpectraportChartComboBox->addItem(tr("Bar Chart"));
        if (ui->SpectraYPEcomboBox->currentText() == QLatin1String("AS7265X"))
            ui->SpectraportChartComboBox->addItem(tr("Line Chart"));
    }
    spectroscopy->change(index);
}

// Only the AS7265X has a curve: "Bar Chart" shows its bars, "Line Chart" the
// curve.
void MainWindow::onSpectraportChartComboBoxChanged(int index)
{
    if (ui->SpectraYPEcomboBox->currentIndex() == 2)
        spectroscopy->change(index + 2);
}
