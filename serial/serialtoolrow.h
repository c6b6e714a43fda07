#pragma once

#include <QList>

class MainWindow;
class QComboBox;
class QPushButton;
class QWidget;

// The nine serial tools, in the order of their port lists.
enum class SerialToolId {
    Terminal,
    Gps,
    Gsm,
    Environment,
    Oscilloscope,
    Spectra,
    I2cDump,
    Tof,
    Modbus
};

// One serial tool's row of the table that the port scan, the port-settings
// switches and the tool's open/close road all read.
struct SerialToolRow
{
    SerialToolId id = SerialToolId::Terminal;
    QComboBox *portName = nullptr;
    QComboBox *baudRate = nullptr;
    // Tools without these boxes use 8 data bits, no parity and one stop bit.
    QComboBox *dataBits = nullptr;
    QComboBox *parity = nullptr;
    QComboBox *stopBits = nullptr;
    QPushButton *openButton = nullptr;
    // Switched with the settings: the tool's COM/TCP source buttons.
    QList<QWidget *> extras;
    // The tool's own port-settings switch; its open button stays enabled.
    void (MainWindow::*settingsSwitch)(bool) = nullptr;
};
