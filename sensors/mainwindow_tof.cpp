#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "nuvelix_tof.h"
#include "nuvelix_tof_data.h"
#include "nuvelix_tof_surface.h"
#include "serialtool.h"

#include <QSignalBlocker>

void MainWindow::TOF_Init_Start()
{
    tofWidget = new nuvelix_tof(this);
    // The display fills the cell of the form's empty spacer.
    ui->gridLayout_tof->addWidget(tofWidget, 0, 0);
    tofRxBuffer.reset();
    connect(ui->TOFopencompushButton, &QPushButton::pressed, this, &MainWindow::TOFOpen_triggered);
    connect(ui->TOF_Clear_pushButton, &QPushButton::pressed, this,
            &MainWindow::TOFactionClear_triggered);
    connect(ui->TOFChartComboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::onTOFChartComboBoxChanged);
    connect(ui->TOFTYPEcomboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::onTOFTYPEComboBoxChanged);
    connect(ui->TOFArrangementcomboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::TOFchangeArrangement);
    setOpenButtonStyle(ui->TOFopencompushButton, false);
    tofZones = TofZones();
    ui->TOF_StrTextBrowser->setReadOnly(true);
    ui->TOF_StrTextBrowser->hide();
    ui->TOF_Clear_pushButton->hide();
    // Without the log the settings keep together at the top.
    ui->verticalLayout->addStretch();
    // Both views start in the arrangement the box shows.
    TOFchangeArrangement();
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
    // Every open attempt starts with no part line.
    if (!serialPortOpen)
        tofRxBuffer.reset();
    openOrCloseSerialTool(tofSerialTool());
}

void MainWindow::readTOFCom(const QByteArray &bytes)
{
    for (const QByteArray &line : tofRxBuffer.feed(bytes).results)
        TOFprocessFrame(line);
}

// The grid shows the zones the line held; the surface always takes all 64,
// each point of its arrangement from its own zone.
void MainWindow::TOFprocessFrame(const QByteArray &frameData)
{
    const auto sensor = ui->TOFTYPEcomboBox->currentIndex() == 1 ? TofZones::Sensor::TMF8828
                                                                 : TofZones::Sensor::VL53LMZ;
    const std::optional<int> count = tofZones.takeLine(frameData, sensor);
    if (!count)
        return;
    const QList<int> &zones = tofZones.zones();
    for (int i = 0; i < *count; ++i)
        tofWidget->grid()->updateLabelValues(i, zones.at(i));
    nuvelix_tof_surface *surface = tofWidget->surface();
    surface->updateMultipleDataPoints(surface->masterPoints(),
                                      QList<double>(zones.cbegin(), zones.cend()));
}

// The TMF8828 has only the 8 by 8 arrangement. The box is refilled quietly
// and both views then follow it once.
void MainWindow::onTOFTYPEComboBoxChanged(int index)
{
    {
        const QSignalBlocker refill(ui->TOFArrangementcomboBox);
        ui->TOFArrangementcomboBox->clear();
        if (index == 0)
            ui->TOFArrangementcomboBox->addItems({QStringLiteral("4x4"), QStringLiteral("8x8")});
        else if (index == 1)
            ui->TOFArrangementcomboBox->addItem(QStringLiteral("8x8"));
    }
    TOFchangeArrangement();
}

// "4x4" is arrangement 0; anything else, an empty box too, is 8 by 8. Both
// views start again from zeros (grid) and a flat surface.
void MainWindow::TOFchangeArrangement()
{
    const int arrangement =
        ui->TOFArrangementcomboBox->currentText() == QLatin1String("4x4") ? 0 : 1;
    tofWidget->surface()->changeArrangement(arrangement);
    tofWidget->grid()->changeArrangement(arrangement);
}

void MainWindow::onTOFChartComboBoxChanged(int index)
{
    tofWidget->change(index);
}

void MainWindow::TOFactionClear_triggered()
{
    ui->TOF_StrTextBrowser->clear();
}

void MainWindow::TOFmirrorPixels(QList<int> &pixels, int numRows, int numCols)
{
    TofZones::mirrorRows(pixels, numRows, numCols);
}

void MainWindow::TOF_rearrange_image(const int *image_data, int *new_image_data)
{
    if (!image_data || !new_image_data)
        return;
    for (int k = 0; k < TofZones::zoneCount; ++k)
        new_image_data[TofZones::tmf8828Zone(k)] = image_data[k];
}
