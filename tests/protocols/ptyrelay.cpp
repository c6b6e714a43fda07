#include "ptyrelay.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

PtyRelay::PtyRelay(QObject *parent)
    : QObject(parent)
    , m_fromClient(m_client.masterFd(), QSocketNotifier::Read)
    , m_fromServer(m_server.masterFd(), QSocketNotifier::Read)
{
    connect(&m_fromClient, &QSocketNotifier::activated, this, [this] { pass(m_client, m_server); });
    connect(&m_fromServer, &QSocketNotifier::activated, this, [this] { pass(m_server, m_client); });
}

// Copies what is waiting, waiting a while on a full pty rather than
// dropping bytes.
void PtyRelay::pass(PtyPair &from, PtyPair &to)
{
    constexpr int fullWaits = 50;
    const QByteArray bytes = from.readAvailable();
    qsizetype done = 0;
    for (int waits = 0; done < bytes.size() && waits < fullWaits;) {
        const ssize_t n = ::write(to.masterFd(), bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd writable{to.masterFd(), POLLOUT, 0};
            ::poll(&writable, 1, 100);
            ++waits;
        } else {
            return;
        }
    }
}
