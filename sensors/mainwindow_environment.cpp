#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "cthermometer.h"
#include "dashboard.h"
#include "progressbarpercent.h"
#include "receiveview.h"
#include "serialtool.h"
#include "ultraviolet.h"

namespace {
// Lines the raw log keeps; older ones are dropped.
constexpr int envLogLines = 100;

DashBoard *newDial(const QString &name, const QString &title, const QString &units, int minimum,
                   int maximum)
{
    auto *dial = new DashBoard;
    dial->setObjectName(name);
    dial->setTitle(title);
    dial->setUnits(units);
    // The maximum first: a dial takes only a minimum below its maximum.
    dial->setMaxValue(maximum);
    dial->setMinValue(minimum);
    dial->setValue(minimum);
    return dial;
}
} // namespace

void MainWindow::ENVironment_Init_Start()
{
    envParser.reset();
    envReceiveView =
        new ReceiveView(ui->ENV_StrTextBrowser, nullptr, this, HexFormat::Style::Compact,
                        ReceiveDecoder::Encoding::Utf8OrGbk);
    envReceiveView->setUp(envLogLines);
    connect(ui->ENVopencompushButton, &QPushButton::pressed, this,
            &MainWindow::ENVactionOpen_triggered);
    connect(ui->EVN_Clear_pushButton, &QPushButton::pressed, this,
            &MainWindow::ENVactionClear_triggered);
    for (int row = 0; row < 3; ++row)
        ui->env_gridLayout->setRowStretch(row, 1);
    // The dials' row grows with the tab too, so that their numbers stay
    // readable on a large window.
    ui->env_gridLayout->setRowStretch(11, 3);
    ui->gridLayout_27->setRowStretch(1, 1);
    for (int column = 0; column < 3; ++column)
        ui->gridLayout_27->setColumnStretch(column, 1);

    // Each gauge is made without a parent; its layout puts it into the tab.
    ultravioletGauge = new Ultraviolet;
    ultravioletGauge->setObjectName(QStringLiteral("ultravioletGauge"));
    ui->ultraviolet_gridLayout->addWidget(ultravioletGauge, 0, 0);
    ultravioletGauge->setValue(0.0);

    humidityGauge = new ProgressBarPercent;
    humidityGauge->setObjectName(QStringLiteral("humidityGauge"));
    ui->humidity_gridLayout->addWidget(humidityGauge, 0, 0);
    humidityGauge->setPercentStyle(ProgressBarPercent::PercentStyle_Arc_Polo);
    humidityGauge->setNullPosition(0);

    temperatureGauge = new CThermometer;
    temperatureGauge->setObjectName(QStringLiteral("temperatureGauge"));
    ui->temperature_gridLayout->addWidget(temperatureGauge, 0, 0);
    temperatureGauge->setValue(0.0);
    temperatureGauge->setPrecision(CThermometer::PRECISION_2);
    temperatureGauge->setMaxValue(80);
    temperatureGauge->setMinValue(-30);

    barometerDial =
        newDial(QStringLiteral("barometerDial"), tr("Barometer"), QStringLiteral("Pa"), 0, 1100);
    ui->barometer_gridLayout->addWidget(barometerDial, 0, 0);
    co2Dial = newDial(QStringLiteral("co2Dial"), tr("CO2"), QStringLiteral("ppm"), 400, 15000);
    ui->CO2_gridLayout->addWidget(co2Dial, 0, 0);
    tvocDial = newDial(QStringLiteral("tvocDial"), tr("TVOC"), QStringLiteral("ppb"), 0, 5000);
    ui->TVOC_gridLayout->addWidget(tvocDial, 0, 0);

    setOpenButtonStyle(ui->ENVopencompushButton, false);
}

// The environment tab's row of the shared open/close road. The bytes of an
// unfinished line are kept across a close and reopen.
SerialTool MainWindow::environmentSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Environment;
    tool.receive = &MainWindow::readENVCom;
    tool.opened = [this] {
        envReceiveView->resetDecoder();
    };
    // What arrived before the close still reaches the log.
    tool.beforeClose = [this] {
        envReceiveView->flush();
    };
    return tool;
}

void MainWindow::ENVactionOpen_triggered()
{
    openOrCloseSerialTool(environmentSerialTool());
}

// Every complete line feeds its gauge; every chunk goes to the log.
void MainWindow::readENVCom(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    for (const EnvReading &reading : envParser.feed(bytes).results)
        showEnvReading(reading);
    envReceiveView->appendBytes(bytes, false);
}

void MainWindow::showEnvReading(const EnvReading &reading)
{
    switch (reading.quantity) {
    case EnvQuantity::Humidity:
        humidityGauge->setValue(reading.value);
        break;
    case EnvQuantity::Temperature:
        temperatureGauge->setValue(reading.value);
        break;
    case EnvQuantity::Barometer:
        barometerDial->setValue(int(reading.value));
        break;
    case EnvQuantity::Ultraviolet:
        ultravioletGauge->setValue(reading.value);
        break;
    case EnvQuantity::CO2:
        co2Dial->setValue(int(reading.value));
        break;
    case EnvQuantity::TVOC:
        tvocDial->setValue(int(reading.value));
        break;
    }
}

// Empties the log; the bytes of an unfinished line stay.
void MainWindow::ENVactionClear_triggered()
{
    envReceiveView->clear();
}
