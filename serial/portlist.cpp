#include "portlist.h"

#include <QSerialPortInfo>
#include <QSet>

namespace PortList {

namespace {
Lister &installedLister()
{
    static Lister lister;
    return lister;
}
} // namespace

QStringList availablePortNames()
{
    if (installedLister())
        return installedLister()();
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports)
        names.append(port.portName());
    return names;
}

void setLister(Lister lister)
{
    installedLister() = std::move(lister);
}

Change change(const QStringList &listed, const QStringList &reported)
{
    Change result;
    QSet<QString> known(listed.cbegin(), listed.cend());
    for (const QString &name : reported) {
        if (known.contains(name) || name.startsWith(QLatin1String("ttyS")))
            continue;
        result.added.append(name);
        known.insert(name);
    }
    const QSet<QString> present(reported.cbegin(), reported.cend());
    for (const QString &name : listed) {
        if (!present.contains(name))
            result.removed.append(name);
    }
    return result;
}

} // namespace PortList
