#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "portlist.h"
#include "toolswitches.h"

#include <QSettings>
#include <QTimer>

void MainWindow::SerialSacn()
{
    QStringList listed;
    for (int i = 0; i < ui->portNameComboBox->count(); ++i)
        listed.append(ui->portNameComboBox->itemText(i));
    const PortList::Change change = PortList::change(listed, PortList::availablePortNames());
    const QList<SerialToolRow> tools = serialToolTable();
    for (const QString &name : change.added) {
        for (const SerialToolRow &tool : tools)
            tool.portName->addItem(name);
    }
    for (const QString &name : change.removed) {
        for (const SerialToolRow &tool : tools)
            tool.portName->removeItem(
                tool.portName->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
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
void MainWindow::setSerialSettingsEnabled(bool status, SerialToolId owner)
{
    for (const SerialToolRow &tool : serialToolTable()) {
        for (QComboBox *box :
             {tool.portName, tool.baudRate, tool.dataBits, tool.parity, tool.stopBits}) {
            if (box)
                box->setEnabled(status);
        }
        if (tool.id == owner) {
            for (QWidget *extra : tool.extras)
                extra->setEnabled(status);
        } else {
            tool.openButton->setEnabled(status);
        }
    }
}

void MainWindow::setComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Terminal);
}

void MainWindow::GPSsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Gps);
}

void MainWindow::GSMsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Gsm);
}

void MainWindow::ENVsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Environment);
}

void MainWindow::OSCsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Oscilloscope);
}

void MainWindow::SpectrasetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Spectra);
}

void MainWindow::i2cdumpsetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::I2cDump);
}

void MainWindow::TOFsetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Tof);
}

void MainWindow::ModbussetsetComboBoxEnabled(bool status)
{
    setSerialSettingsEnabled(status, SerialToolId::Modbus);
}
