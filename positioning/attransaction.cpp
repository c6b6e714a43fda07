#include "attransaction.h"

#include "portwait.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
double timeScale = 1.0;

// A line without its line end (and the CRs an echo may add).
QByteArrayView content(QByteArrayView line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

// The lines of what was written, for recognising the modem's echo of it.
QByteArrayList linesOf(const QByteArray &written)
{
    QByteArrayList lines;
    for (const QByteArray &line : written.split('\n')) {
        const QByteArrayView text = content(line);
        if (!text.isEmpty())
            lines.append(text.toByteArray());
    }
    return lines;
}
} // namespace

AtTransaction::AtTransaction(QByteArray command, int polls, int intervalMs)
    : m_command(std::move(command))
    , m_polls(std::max(polls, 1))
    , m_intervalMs(std::max(intervalMs, 1))
    , m_echo(linesOf(m_command))
{}

void AtTransaction::await(const QByteArray &text)
{
    m_awaited.append({[text](const QByteArray &reply) { return reply.contains(text); }, text});
    m_found.append(false);
}

void AtTransaction::await(Match match)
{
    m_awaited.append({std::move(match), {}});
    m_found.append(false);
}

void AtTransaction::failOn(const QByteArray &text)
{
    if (!text.isEmpty())
        m_failureTexts.append(text);
}

void AtTransaction::setEndRule(EndRule rule)
{
    m_rule = rule;
}

void AtTransaction::setOnFound(std::function<void(int)> onFound)
{
    m_onFound = std::move(onFound);
}

void AtTransaction::setForeignLines(LineFilter isForeign)
{
    m_isForeign = std::move(isForeign);
}

void AtTransaction::expectEcho(const QByteArray &written)
{
    m_echo.append(linesOf(written));
}

// The rules are applied after each line and after an unfinished tail, so
// that the wait ends on the line that completes the reply (or on an awaited
// prompt that has no line end) and what follows it in the same read is
// handed back. They judge the reply as it is kept, after the bound: what the
// caller reads is what ended the wait.
QByteArray AtTransaction::take(QByteArrayView bytes)
{
    if (m_ended)
        return bytes.toByteArray();
    QByteArray handedBack;
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype lineFeed = bytes.indexOf('\n', from);
        const qsizetype end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
        m_reply.append(bytes.sliced(from, end - from));
        from = end;
        if (lineFeed >= 0) {
            const QByteArrayView line = QByteArrayView(m_reply).sliced(m_lineStart);
            if (foreign(line)) {
                handedBack.append(line);
                m_reply.truncate(m_lineStart);
            }
            m_lineStart = m_reply.size();
        }
        bound();
        applyRules();
        if (m_ended) {
            // The line that ended the wait is the reply's, finished or not.
            m_lineStart = m_reply.size();
            handedBack.append(bytes.sliced(from));
            break;
        }
    }
    return handedBack;
}

QByteArray AtTransaction::takeUnfinished()
{
    const QByteArrayView line = QByteArrayView(m_reply).sliced(m_lineStart);
    if (line.isEmpty() || plainlyOwn(line))
        return {};
    QByteArray unfinished = line.toByteArray();
    m_reply.truncate(m_lineStart);
    return unfinished;
}

void AtTransaction::applyRules()
{
    for (int i = 0; i < m_awaited.size(); ++i) {
        if (m_found.at(i) || !m_awaited.at(i).match(m_reply))
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
    // A failure text counts only within whole lines: the failure line is
    // shown to the user and the rest of a cut one must not be taken for
    // lines of others.
    const QByteArrayView lines = QByteArrayView(m_reply).first(m_lineStart);
    for (const QByteArray &text : std::as_const(m_failureTexts)) {
        const qsizetype at = lines.indexOf(text);
        if (at >= 0) {
            m_failureLine = lineAround(at);
            m_failed = true;
            m_ended = true;
            return;
        }
    }
}

void AtTransaction::bound()
{
    if (m_reply.size() <= maximumReply)
        return;
    const qsizetype cut = m_reply.size() - maximumReply;
    m_reply.remove(0, cut);
    m_lineStart = std::max<qsizetype>(m_lineStart - cut, 0);
}

bool AtTransaction::plainlyOwn(QByteArrayView line) const
{
    const auto holds = [line](const QByteArray &text) {
        return line.contains(text);
    };
    if (std::any_of(m_failureTexts.cbegin(), m_failureTexts.cend(), holds))
        return true;
    if (std::any_of(m_awaited.cbegin(), m_awaited.cend(), [&holds](const Awaited &awaited) {
            return !awaited.text.isEmpty() && holds(awaited.text);
        }))
        return true;
    return m_echo.contains(content(line));
}

bool AtTransaction::foreign(QByteArrayView line) const
{
    return m_isForeign && !plainlyOwn(line) && m_isForeign(content(line));
}

QByteArray AtTransaction::lineAround(qsizetype at) const
{
    const qsizetype start = m_reply.lastIndexOf('\n', at) + 1;
    qsizetype end = m_reply.indexOf('\n', at);
    if (end < 0)
        end = m_reply.size();
    return content(QByteArrayView(m_reply).sliced(start, end - start)).trimmed().toByteArray();
}

void AtTransaction::restart()
{
    m_reply.clear();
    m_lineStart = 0;
    std::fill(m_found.begin(), m_found.end(), false);
    m_failureLine.clear();
    m_ended = false;
    m_failed = false;
    m_cancelled = false;
    m_matched = -1;
}

void AtTransaction::cancel()
{
    if (m_ended)
        return;
    m_cancelled = true;
    m_ended = true;
}

bool AtTransaction::found(int index) const
{
    return index >= 0 && index < m_found.size() && m_found.at(index);
}

int AtTransaction::timeoutMs() const
{
    return m_polls * std::max(scaled(m_intervalMs), 1);
}

AtTransaction::Outcome AtTransaction::run(QIODevice *port)
{
    return exchange(port, m_command, m_polls);
}

AtTransaction::Outcome AtTransaction::wait(QIODevice *port, int polls)
{
    return exchange(port, {}, std::max(polls, 1));
}

// One port wait per poll, so that a cancel takes effect within an interval.
AtTransaction::Outcome AtTransaction::exchange(QIODevice *port, const QByteArray &request,
                                               int polls)
{
    const int interval = std::max(scaled(m_intervalMs), 1);
    QByteArray toWrite = request;
    for (m_pollsUsed = 1;; ++m_pollsUsed) {
        const PortWait::Outcome waited = PortWait::exchange(port, std::exchange(toWrite, {}),
                                                            interval, [this] { return m_ended; });
        if (waited == PortWait::Outcome::Closed || waited == PortWait::Outcome::Busy)
            return Outcome::Closed;
        if (m_ended || m_pollsUsed >= polls)
            return outcome();
    }
}

AtTransaction::Outcome AtTransaction::outcome() const
{
    if (m_cancelled)
        return Outcome::Cancelled;
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
