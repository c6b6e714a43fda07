#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "portsettings.h"
#include "serialtool.h"
#include "threadserial.h"

#include <QSerialPort>
#include <QTimer>

namespace {
const char *const openStyle = "QPushButton {   background-color: #4CAF50;   color: white;   "
                              "font-weight: bold;}QPushButton:pressed {   background-color: "
                              "#45A049;}";
const char *const closeStyle = "QPushButton {   background-color: #FF4A19;   color: white;   "
                               "font-weight: bold;}QPushButton:pressed {   background-color: "
                               "#FF5722;}";
} // namespace

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

PortSettings MainWindow::readPortSettings(const SerialTool &tool) const
{
    PortSettings port;
    port.portName = tool.portNameBox->currentText();
    port.baudRate = PortSettings::numberFromText(tool.baudRateBox->currentText());
    if (tool.dataBitsBox)
        port.dataBits = PortSettings::numberFromText(tool.dataBitsBox->currentText());
    if (tool.parityBox)
        port.parity = tool.parityBox->currentIndex();
    if (tool.stopBitsBox)
        port.stopBits = tool.stopBitsBox->currentIndex();
    return port;
}

void MainWindow::openSerialTool(const SerialTool &tool)
{
    const PortSettings port = readPortSettings(tool);
    if (port.portName.isEmpty())
        return;

    // Parented to the window so that a port still open at shut-down goes
    // with it; a closed worker is dropped at once.
    serialThread = new ThreadSerial(this);
    serialThread->portName = port.portName;
    serialThread->baudRate = port.baudRate;
    serialThread->dataBits = port.dataBits;
    serialThread->parity = port.parity;
    serialThread->stopBits = port.stopBits;
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

    statusBar()->showMessage(tr("Serial opened"));
    tool.openButton->setText(tr("Close"));
    if (tool.opened)
        tool.opened();
    (this->*tool.settingsSwitch)(false);
    serialPortOpen = true;
    stop_SerialSacn_new();
    serialThread->start();
    setOpenButtonStyle(tool.openButton, true);
}

void MainWindow::closeSerialTool(const SerialTool &tool)
{
    if (tool.beforeClose)
        tool.beforeClose();
    serialPortOpen = false;
    if (serialThread)
        serialThread->serialPort->close();
    dropSerialWorker(tool);
    (this->*tool.settingsSwitch)(true);
    if (tool.closed)
        tool.closed();
    statusBar()->showMessage(tr("Serial closed"));
    tool.openButton->setText(tr("Open"));
    serialScanTimer->start(500);
    setOpenButtonStyle(tool.openButton, false);
}

// Cuts the tool's connections to the worker and lets the worker go. The
// worker stops and waits for its thread before it is destroyed; deleteLater
// because the close may run inside one of the worker's own signals.
void MainWindow::dropSerialWorker(const SerialTool &tool)
{
    if (!serialThread)
        return;
    if (tool.receive)
        disconnect(serialThread, &ThreadSerial::Serial_read_Data, this, tool.receive);
    if (tool.disconnectAtClose)
        tool.disconnectAtClose();
    serialThread->quit();
    serialThread->wait();
    serialThread->deleteLater();
    serialThread = nullptr;
}
