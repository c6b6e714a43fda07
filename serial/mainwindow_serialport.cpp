#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "portsettings.h"
#include "serialtool.h"
#include "threadserial.h"

#include <QTimer>

namespace {
const char *const openStyle = "QPushButton {   background-color: #4CAF50;   color: white;   "
                              "font-weight: bold;}QPushButton:pressed {   background-color: "
                              "#45A049;}";
const char *const closeStyle = "QPushButton {   background-color: #FF4A19;   color: white;   "
                               "font-weight: bold;}QPushButton:pressed {   background-color: "
                               "#FF5722;}";
} // namespace

// The nine serial tools with their port-settings boxes, open buttons and
// switches, in the order of their port lists (the serial terminal's first:
// it is the reference for what is listed).
QList<SerialToolRow> MainWindow::serialToolTable() const
{
    const Ui::MainWindow &f = *ui;
    return {
        {SerialToolId::Terminal,
         f.portNameComboBox,
         f.baudRateComboBox,
         f.dataBitsComboBox,
         f.parityComboBox,
         f.stopBitsComboBox,
         f.opencompushButton,
         {},
         &MainWindow::setComboBoxEnabled},
        {SerialToolId::Gps,
         f.GPSportNameComboBox,
         f.GPSbaudRateComboBox,
         nullptr,
         nullptr,
         nullptr,
         f.GPSopencompushButton,
         {f.GPSportMode_01, f.GPSportMode_02},
         &MainWindow::GPSsetComboBoxEnabled},
        {SerialToolId::Gsm,
         f.GSMportNameComboBox,
         f.GSMbaudRateComboBox,
         nullptr,
         nullptr,
         nullptr,
         f.GSMopencompushButton,
         {},
         &MainWindow::GSMsetComboBoxEnabled},
        {SerialToolId::Environment,
         f.ENVportNameComboBox,
         f.ENVbaudRateComboBox,
         nullptr,
         nullptr,
         nullptr,
         f.ENVopencompushButton,
         {},
         &MainWindow::ENVsetComboBoxEnabled},
        {SerialToolId::Oscilloscope,
         f.OSCportNameComboBox,
         f.OSCbaudRateComboBox,
         nullptr,
         nullptr,
         nullptr,
         f.OSCopencompushButton,
         {},
         &MainWindow::OSCsetComboBoxEnabled},
        {SerialToolId::Spectra,
         f.SpectraportNameComboBox,
         f.SpectrabaudRateComboBox,
         nullptr,
         nullptr,
         nullptr,
         f.SpectraopencompushButton,
         {},
         &MainWindow::SpectrasetsetComboBoxEnabled},
        {SerialToolId::I2cDump,
         f.i2cdumpportNameComboBox,
         f.i2cdumpbaudRateComboBox,
         nullptr,
         nullptr,
         nullptr,
         f.i2cdumpopencompushButton,
         {},
         &MainWindow::i2cdumpsetsetComboBoxEnabled},
        {SerialToolId::Tof,
         f.TOFportNameComboBox,
         f.TOFbaudRateComboBox,
         nullptr,
         nullptr,
         nullptr,
         f.TOFopencompushButton,
         {},
         &MainWindow::TOFsetsetComboBoxEnabled},
        {SerialToolId::Modbus,
         f.ModbusportNameComboBox,
         f.ModbusbaudRateComboBox,
         f.ModbusdataBitsComboBox,
         f.ModbusparityComboBox,
         f.ModbusstopBitsComboBox,
         f.ModbusopencompushButton,
         {f.ModbusportMode_1, f.ModbusportMode_2},
         &MainWindow::ModbussetsetComboBoxEnabled},
    };
}

SerialToolRow MainWindow::serialToolRow(SerialToolId id) const
{
    return serialToolTable().at(int(id));
}

// The tool's own road; tools without additions of their own take the plain one.
SerialTool MainWindow::serialTool(SerialToolId id)
{
    switch (id) {
    case SerialToolId::Terminal:
        return serialTerminalTool();
    case SerialToolId::Gps:
        return gpsSerialTool();
    case SerialToolId::Gsm:
        return gsmSerialTool();
    case SerialToolId::Environment:
        return environmentSerialTool();
    case SerialToolId::Oscilloscope:
        return oscilloscopeSerialTool();
    case SerialToolId::Spectra:
        return spectraSerialTool();
    case SerialToolId::I2cDump:
        return i2cdumpSerialTool();
    case SerialToolId::Tof:
        return tofSerialTool();
    case SerialToolId::Modbus:
        return modbusSerialTool();
    default: {
        SerialTool tool;
        tool.id = id;
        return tool;
    }
    }
}

void MainWindow::setOpenButtonStyle(QPushButton *button, bool portOpen)
{
    button->setStyleSheet(QLatin1String(portOpen ? closeStyle : openStyle));
}

// Every serial tool's open button runs this: it opens the port with the
// tool's settings while no port is open and closes it otherwise.
void MainWindow::openOrCloseSerialTool(const SerialTool &tool)
{
    if (serialPortOpen)
        closeSerialTool(tool);
    else
        openSerialTool(tool);
}

PortSettings MainWindow::readPortSettings(const SerialToolRow &row)
{
    PortSettings port;
    port.portName = row.portName->currentText();
    port.baudRate = PortSettings::numberFromText(row.baudRate->currentText());
    if (row.dataBits)
        port.dataBits = PortSettings::numberFromText(row.dataBits->currentText());
    if (row.parity)
        port.parity = row.parity->currentIndex();
    if (row.stopBits)
        port.stopBits = row.stopBits->currentIndex();
    return port;
}

void MainWindow::openSerialTool(const SerialTool &tool)
{
    const SerialToolRow row = serialToolRow(tool.id);
    const PortSettings port = readPortSettings(row);
    if (port.portName.isEmpty())
        return;

    // Parented to the window so that a port still open at shut-down goes
    // with it; a closed worker is dropped at once.
    serialThread = new ThreadSerial(this);
    serialThread->setPortSettings(port);
    serialThread->Init(tool.connectRead);

    if (tool.receive)
        connect(serialThread, &ThreadSerial::Serial_read_Data, this, tool.receive);
    if (tool.connectAtOpen)
        tool.connectAtOpen();

    if (!serialThread->opened) {
        statusBar()->showMessage(
            tr("Serial failed to open, The serial does not exist or already used."));
        dropSerialWorker(tool);
        if (tool.failed)
            tool.failed();
        return;
    }

    ThreadSerial *worker = serialThread;
    connect(worker, &ThreadSerial::portLost, this,
            [this, worker, id = tool.id](const QString &why) {
                if (worker == serialThread && serialPortOpen)
                    loseSerialPort(id, why);
            });
    statusBar()->showMessage(tr("Serial opened"));
    row.openButton->setText(tr("Close"));
    if (tool.opened)
        tool.opened();
    (this->*row.settingsSwitch)(false);
    serialPortOpen = true;
    serialPortHolder = tool.id;
    stop_SerialSacn_new();
    serialThread->start();
    setOpenButtonStyle(row.openButton, true);
}

QString MainWindow::closeSerialTool(const SerialTool &tool)
{
    const SerialToolRow row = serialToolRow(tool.id);
    const QString note = tool.closeNote ? tool.closeNote() : QString();
    if (tool.beforeClose)
        tool.beforeClose();
    serialPortOpen = false;
    if (serialThread) {
        serialThread->running = false;
        serialThread->serialPort->close();
    }
    dropSerialWorker(tool);
    (this->*row.settingsSwitch)(true);
    if (tool.closed)
        tool.closed();
    statusBar()->showMessage(withNote(tr("Serial closed"), note));
    row.openButton->setText(tr("Open"));
    serialScanTimer->start(500);
    setOpenButtonStyle(row.openButton, false);
    return note;
}

QString MainWindow::withNote(const QString &message, const QString &note)
{
    return note.isEmpty() ? message : message + QStringLiteral("; ") + note;
}

// The device went away under an open port: the tool that holds it closes it
// by its own road, as a Close would, and the user learns which port was lost.
void MainWindow::loseSerialPort(SerialToolId id, const QString &reason)
{
    const QString port = serialThread->portName;
    const QString note = closeSerialTool(serialTool(id));
    statusBar()->showMessage(withNote(tr("Serial port %1 was lost: %2").arg(port, reason), note));
}

// Cuts the tool's connections to the worker and lets the worker go. The
// worker stops and waits for its thread before it is destroyed; deleteLater
// because the close may run inside one of the worker's own signals.
void MainWindow::dropSerialWorker(const SerialTool &tool)
{
    if (!serialThread)
        return;
    serialThread->disconnect(this);
    if (tool.disconnectAtClose)
        tool.disconnectAtClose();
    serialThread->quit();
    serialThread->wait();
    serialThread->deleteLater();
    serialThread = nullptr;
}

SerialPortClaim MainWindow::claimSerialPort(SerialToolId id) const
{
    SerialPortClaim claim;
    claim.tool = id;
    if (serialPortOpen && serialPortHolder == id)
        claim.worker = serialThread;
    return claim;
}

bool MainWindow::stillHolds(const SerialPortClaim &claim) const
{
    return claim.worker && claim.worker == serialThread && serialPortOpen &&
           serialPortHolder == claim.tool && serialThread->serialPort &&
           serialThread->serialPort->isOpen();
}
