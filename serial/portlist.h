#pragma once

#include <QStringList>

#include <functional>

// The serial ports the system reports, and how the port lists follow them.
namespace PortList {

// Returns the names of the ports present now, in the system's order.
using Lister = std::function<QStringList()>;

// The names from QSerialPortInfo, or from the lister a test installed.
[[nodiscard]] QStringList availablePortNames();
// An empty lister brings back the system's list.
void setLister(Lister lister);

struct Change
{
    QStringList added;   // to append to every list, in this order
    QStringList removed; // to remove from every list
};

// Compares the names listed now with the names reported: a reported name not
// yet listed is added unless it starts with "ttyS"; a listed name no longer
// reported is removed.
[[nodiscard]] Change change(const QStringList &listed, const QStringList &reported);

} // namespace PortList
