#pragma once

#include <QString>

// The outcome of one blocking HTTP GET.
struct FetchResult
{
    enum class Error {
        None,
        ConnectionRefused, // nobody listens at the address
        Network,           // any other transport failure: host not found, TLS, ...
        HttpStatus,        // the server answered with a status other than 200
        Timeout,           // no complete answer within the time limit
    };

    Error error = Error::None;
    // The HTTP status of the answer, 0 when none arrived.
    int httpStatus = 0;
    // The network layer's description of a failure, for a detail line.
    QString errorText;
    // The body decoded as UTF-8; empty unless the fetch succeeded.
    QString body;

    [[nodiscard]] bool ok() const { return error == Error::None; }
};

inline constexpr int defaultFetchTimeoutMs = 10000;

// Fetches the address with HTTP GET and waits for the whole answer, at most
// timeoutMs. The wait runs a local event loop on the calling thread, so it
// works on the GUI thread (other events keep flowing) and on a worker thread
// without an event loop of its own. Every network object is released on return.
[[nodiscard]] FetchResult fetchUrlBlocking(const QString &url,
                                           int timeoutMs = defaultFetchTimeoutMs);
