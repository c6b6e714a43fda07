#pragma once

#include "modbusreplycollector.h"
#include "portwait.h"

#include <QByteArray>

#include <functional>

class QIODevice;

// Sends one Modbus request and waits for its answer. The request goes out
// at once; a reply on a fast link (a local socket, a pty) comes within
// microseconds, so the wait blocks on the device itself for a few
// milliseconds and only then runs the event loop (PortWait) for the rest of
// the time. Events that have waited a while (20 ms) run first, once the
// request is out and its answer on its way: the window thus answers within
// a few tens of milliseconds throughout, quick replies cost no turn of the
// event loop, and the window's work costs little time between them. The
// outcomes are PortWait's: Busy, with nothing written, while another wait
// runs; Closed also when a socket's peer closed the connection before the
// answer was complete.
class ModbusReplyWait
{
public:
    // `whileSent` runs once the request is written, while its answer is on
    // its way: work that need not come before the request costs no time
    // there. The time-out counts from the write.
    [[nodiscard]] static PortWait::Outcome exchange(QIODevice *device, const QByteArray &request,
                                                    ModbusReplyCollector &collector, int timeoutMs,
                                                    const std::function<void()> &whileSent = {});
};
