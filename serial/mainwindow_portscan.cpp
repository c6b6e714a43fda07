#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "portlist.h"
#include "toolswitches.h"

#include <QSettings>
#include <QTimer>

// The port lists of the nine serial tools, the serial terminal's first: it is
// the reference for what is listed.
QList<QComboBox *> MainWindow::serialPortLists() const
{
    return {ui->portNameComboBox,        ui->GPSportNameComboBox, ui->GSMportNameComboBox,
            ui->ENVportNameComboBox,     ui->OSCportNameComboBox, ui->SpectraportNameComboBox,
            ui->i2cdumpportNameComboBox, ui->TOFportNameComboBox, ui->ModbusportNameComboBox};
}

void MainWindow::SerialSacn()
{
    QStringList listed;
    for (int i = 0; i < ui->portNameComboBox->count(); ++i)
        listed.append(ui->portNameComboBox->itemText(i));
    const PortList::Change change = PortList::change(listed, PortList::availablePortNames());
    const QList<QComboBox *> lists = serialPortLists();
    for (const QString &name : change.added) {
        for (QComboBox *list : lists)
            list->addItem(name);
    }
    for (const QString &name : change.removed) {
        for (QComboBox *list : lists)
            list->removeItem(list->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

// The scan switch reads like a tool switch: absent, empty or exactly "true"
// scans; any other text does not.
void MainWindow::SerialSacn_new()
{
    if (ToolSwitches::isOn(settings->value(QStringLiteral("Auto_Serial_Scan")).toString()))
        SerialSacn();
}

void MainWindow::stop_SerialSacn_new()
{
    if (serialScanTimer && serialScanTimer->isActive())
        serialScanTimer->stop();
}

// Enables or disables the port settings of all nine serial tools, the open
// buttons of every tool but the one holding the port, and that tool's extras.
void MainWindow::setSerialSettingsEnabled(bool status, const QPushButton *ownButton,
                                          const QList<QWidget *> &extras)
{
    const QList<QWidget *> settingsBoxes = {
        ui->portNameComboBox,        ui->baudRateComboBox,        ui->dataBitsComboBox,
        ui->parityComboBox,          ui->stopBitsComboBox,        ui->GPSportNameComboBox,
        ui->GPSbaudRateComboBox,     ui->GSMportNameComboBox,     ui->GSMbaudRateComboBox,
        ui->ENVportNameComboBox,     ui->ENVbaudRateComboBox,     ui->OSCportNameComboBox,
        ui->OSCbaudRateComboBox,     ui->SpectraportNameComboBox, ui->SpectrabaudRateComboBox,
        ui->i2cdumpportNameComboBox, ui->i2cdumpbaudRateComboBox, ui->TOFportNameComboBox,
        ui->TOFbaudRateComboBox,     ui->ModbusportNameComboBox,  ui->ModbusbaudRateComboBox,
        ui->ModbusdataBitsComboBox,  ui->ModbusparityComboBox,    ui->ModbusstopBitsComboBox};
    for (QWidget *box : settingsBoxes)
        box->setEnabled(status);
    const QList<QPushButton *> openButtons = {
        ui->opencompushButton,        ui->GPSopencompushButton, ui->GSMopencompushButton,
        ui->ENVopencompushButton,     ui->OSCopencompushButton, ui->SpectraopencompushButton,
        ui->i2cdumpopencompushButton, ui->TOFopencompushButton, ui->ModbusopencompushButton};
    for (QPushButton *button : openButtons) {
        if (button != ownButton)
            button->setEnabled(status);
    }
    for (QWidget *extra : extras)
        extra->setEnabled(status);
}

void MainWindow::setComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->opencompushButton);
}

void MainWindow::GPSsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->GPSopencompushButton,
                             {ui->GPSportMode_01, ui->GPSportMode_02});
}

void MainWindow::GSMsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->GSMopencompushButton);
}

void MainWindow::ENVsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->ENVopencompushButton);
}

void MainWindow::OSCsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->OSCopencompushButton);
}

void MainWindow::SpectrasetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->SpectraopencompushButton);
}

void MainWindow::i2cdumpsetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->i2cdumpopencompushButton);
}

void MainWindow::TOFsetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->TOFopencompushButton);
}

void MainWindow::ModbussetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, ui->ModbusopencompushButton,
                             {ui->ModbusportMode_1, ui->ModbusportMode_2});
}
