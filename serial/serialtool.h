#pragma once

#include "serialtoolrow.h"

#include <QByteArray>
#include <QString>

#include <functional>

class MainWindow;

// What one serial tool hands to the shared open/close road: which row of the
// serial-tools table it is, where received bytes go and its own additions at
// each step.
struct SerialTool
{
    SerialToolId id = SerialToolId::Terminal;
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
    // Run as the port begins to close (by a Close or a lost device), before
    // beforeClose: takes back what the close cuts short and returns the note
    // that tells it after the close's message; empty for nothing.
    std::function<QString()> closeNote;
};
