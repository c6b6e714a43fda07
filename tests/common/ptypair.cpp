#include "ptypair.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
    m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
    termios raw{};
    if (m_slave >= 0 && tcgetattr(m_slave, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(m_slave, TCSANOW, &raw);
    }
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyPair::write(const QByteArray &bytes, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(1);
    }
    return true;
}

QByteArray PtyPair::readAvailable()
{
    QByteArray all;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        all.append(buffer, n);
    }
    return all;
}

QByteArray PtyPair::readAtMost(qsizetype count)
{
    QByteArray some(count, Qt::Uninitialized);
    const ssize_t n = count > 0 ? ::read(m_master, some.data(), count) : 0;
    some.truncate(n > 0 ? n : 0);
    return some;
}

QByteArray PtyPair::read(qsizetype count, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QByteArray all = readAvailable();
    while (all.size() < count && !deadline.hasExpired()) {
        QTest::qWait(2);
        all += readAvailable();
    }
    return all;
}

QByteArray PtyPair::readFor(int ms)
{
    const QDeadlineTimer deadline(ms);
    QByteArray all = readAvailable();
    while (!deadline.hasExpired()) {
        QTest::qWait(2);
        all += readAvailable();
    }
    return all;
}
