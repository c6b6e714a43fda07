#pragma once

#include "modbusreplycollector.h"
#include "portwait.h"

#include <QByteArray>

class QIODevice;

// Sends one Modbus request and waits for its answer. The request goes out
// at once; a reply on a fast link (a local socket, a pty) comes within
// microseconds, so the wait first blocks on the device for a few
// milliseconds, as long as the thread's event loop went round a moment ago,
// and only then runs the event loop (PortWait) for the rest of the time.
// The window thus answers within a few tens of milliseconds throughout
// while quick replies cost no turn of the event loop. The outcomes are
// PortWait's: Busy, with nothing written, while another wait runs.
class ModbusReplyWait
{
public:
    [[nodiscard]] static PortWait::Outcome exchange(QIODevice *device, const QByteArray &request,
                                                    ModbusReplyCollector &collector, int timeoutMs);
};
