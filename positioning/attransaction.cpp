#include "attransaction.h"

#include "portwait.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
double timeScale = 1.0;
} // namespace

AtTransaction::AtTransaction(QByteArray command, int polls, int intervalMs)
    : m_command(std::move(command))
    , m_polls(std::max(polls, 1))
    , m_intervalMs(std::max(intervalMs, 1))
{}

void AtTransaction::await(const QByteArray &text)
{
    await([text](const QByteArray &reply) { return reply.contains(text); });
}

void AtTransaction::await(Match match)
{
    m_awaited.append(std::move(match));
    m_found.append(false);
}

void AtTransaction::setFailureText(const QByteArray &text)
{
    m_failureText = text;
}

void AtTransaction::setEndRule(EndRule rule)
{
    m_rule = rule;
}

void AtTransaction::setOnFound(std::function<void(int)> onFound)
{
    m_onFound = std::move(onFound);
}

void AtTransaction::take(QByteArrayView bytes)
{
    if (m_ended || bytes.isEmpty())
        return;
    m_reply.append(bytes);
    if (m_reply.size() > maximumReply)
        m_reply.remove(0, m_reply.size() - maximumReply);

    for (int i = 0; i < m_awaited.size(); ++i) {
        if (m_found.at(i) || !m_awaited.at(i)(m_reply))
            continue;
        m_found[i] = true;
        if (m_onFound)
            m_onFound(i);
        if (m_rule == EndRule::FirstMatch) {
            m_matched = i;
            m_ended = true;
            return;
        }
    }
    if (!m_failureText.isEmpty() && m_reply.contains(m_failureText)) {
        m_failed = true;
        m_ended = true;
    }
}

void AtTransaction::restart()
{
    m_reply.clear();
    std::fill(m_found.begin(), m_found.end(), false);
    m_ended = false;
    m_failed = false;
    m_matched = -1;
}

bool AtTransaction::found(int index) const
{
    return index >= 0 && index < m_found.size() && m_found.at(index);
}

int AtTransaction::timeoutMs() const
{
    return scaled(m_polls * m_intervalMs);
}

AtTransaction::Outcome AtTransaction::run(QIODevice *port)
{
    return exchange(port, m_command, timeoutMs());
}

AtTransaction::Outcome AtTransaction::wait(QIODevice *port, int ms)
{
    return exchange(port, {}, scaled(ms));
}

AtTransaction::Outcome AtTransaction::exchange(QIODevice *port, const QByteArray &request, int ms)
{
    QElapsedTimer clock;
    clock.start();
    const PortWait::Outcome waited =
        PortWait::exchange(port, request, ms, [this] { return m_ended; });
    const int interval = std::max(scaled(m_intervalMs), 1);
    m_pollsUsed = std::clamp(int(clock.elapsed() / interval) + 1, 1, m_polls);
    if (waited == PortWait::Outcome::Closed || waited == PortWait::Outcome::Busy)
        return Outcome::Closed;
    return outcome();
}

AtTransaction::Outcome AtTransaction::outcome() const
{
    if (m_failed)
        return Outcome::Failed;
    if (m_matched >= 0)
        return Outcome::Matched;
    return Outcome::TimedOut;
}

void AtTransaction::setTimeScale(double scale)
{
    timeScale = scale > 0 ? scale : 1.0;
}

int AtTransaction::scaled(int ms)
{
    return int(std::lround(std::max(ms, 0) * timeScale));
}
