#pragma once

#include <QByteArray>

#include <functional>

class MainWindow;
class QComboBox;
class QPushButton;

// What one serial tool hands to the shared open/close road: its port-settings
// boxes, its open button, where received bytes go and its own additions at
// each step. Boxes left null take the fixed values 8 data bits, no parity and
// one stop bit.
struct SerialTool
{
    QComboBox *portNameBox = nullptr;
    QComboBox *baudRateBox = nullptr;
    QComboBox *dataBitsBox = nullptr;
    QComboBox *parityBox = nullptr;
    QComboBox *stopBitsBox = nullptr;
    QPushButton *openButton = nullptr;
    // The tool's port-settings switch (its own button stays enabled).
    void (MainWindow::*settingsSwitch)(bool) = nullptr;
    // Forward the port's bytes through Serial_read_Data to `receive`; a tool
    // that reads the port itself leaves `receive` null.
    bool connectRead = true;
    void (MainWindow::*receive)(const QByteArray &) = nullptr;

    // The tool's own additions; any of them may be left empty.
    std::function<void()> connectAtOpen;     // connections made with the read one
    std::function<void()> disconnectAtClose; // undoes them (failed open or close)
    std::function<void()> opened;            // after a successful open
    std::function<void()> failed;            // after a failed open
    std::function<void()> beforeClose;       // before the port closes
    std::function<void()> closed;            // after the settings are enabled again
};
