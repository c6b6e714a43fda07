#pragma once

#include <QByteArray>

#include <functional>

class QIODevice;

// Writes a request to a port and waits for its reply while events keep running.
class PortWait
{
public:
    enum class Outcome {
        Ready,    // `ready` said the reply is complete; the port is open
        TimedOut, // the time ran out first; the port is open
        Closed,   // the port is null, closed, gone or refused the request, or the program
                  // quits: leave the port alone
        Busy,     // another wait runs on this thread; nothing was written
    };

    // Writes `request` (nothing when empty) and runs the event loop until
    // `ready()` says the reply is complete, `timeoutMs` has passed, the port is
    // closed or destroyed, or the program quits (Closed). `ready` is asked at
    // once after the write and after each readyRead of the port, never once the
    // port is gone; it reads what it needs from the port itself, so nothing
    // else may drain the port meanwhile. An empty `ready` is never satisfied.
    //
    // Slots run nested inside the wait. Only one wait runs per thread: a call
    // made from such a slot returns Busy at once. A port that will not take the
    // whole request counts as unusable and gives Closed. A wait ending in any
    // other way than Closed leaves the port open and alive. The port must live
    // on the calling thread; a negative time counts as zero.
    //
    // A serial port emits no readyRead while one of its own readyRead slots
    // runs, so a wait started from such a slot would only time out: queue it.
    [[nodiscard]] static Outcome exchange(QIODevice *port, const QByteArray &request, int timeoutMs,
                                          const std::function<bool()> &ready);
    // Runs the events pending now, once and without waiting for more, as a
    // wait would run them while `port` waits for a reply it was sent: Busy at
    // once while another wait runs, Closed when the port is or was closed or
    // went meanwhile (leave it alone then), else Ready.
    [[nodiscard]] static Outcome runPending(QIODevice *port);
    // Whether a wait runs on the calling thread.
    [[nodiscard]] static bool isWaiting();
};
