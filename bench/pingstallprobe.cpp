#include "pingstallprobe.h"

#include "benchsupport.h"

#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {
// How long the pinger may take to start, and an answer to come back.
constexpr int startMs = 5000;
constexpr qint64 answerWaitMs = 10000;
} // namespace

// Microseconds on the clock the pinger prints.
qint64 PingStallProbe::nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

PingStallProbe::PingStallProbe(QWidget *window)
{
    connect(&m_pinger, &QProcess::readyReadStandardOutput, this, &PingStallProbe::readAnswers);
    m_pinger.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_pinger.start(QStringLiteral(WMPINGER), {QString::number(window->winId())});
    if (!m_pinger.waitForStarted(startMs))
        std::printf("the window pinger did not start: %s\n", qPrintable(m_pinger.errorString()));
}

PingStallProbe::~PingStallProbe()
{
    // The pinger ends when its input does.
    m_pinger.closeWriteChannel();
    if (!m_pinger.waitForFinished(startMs))
        m_pinger.kill();
}

std::optional<PingStallProbe::Figures> PingStallProbe::figures()
{
    const qint64 untilUs = nowUs();
    // The window answers in order: once a ping sent after now is answered,
    // so are all before it.
    const bool answered = Bench::runUntil(
        [this, untilUs] {
            return m_pinger.state() != QProcess::Running || m_lastSentUs >= untilUs;
        },
        answerWaitMs, 1);
    if (m_pinger.state() != QProcess::Running && m_figures.pings == 0)
        return std::nullopt;
    if (!answered)
        m_figures.longestMs = qMax(m_figures.longestMs, (nowUs() - untilUs) / 1000.0);
    return m_figures;
}

QString PingStallProbe::describe(const std::optional<Figures> &figures)
{
    if (!figures)
        return QStringLiteral("outside NOT MEASURED (no window pinger)");
    return QStringLiteral("%1 ms outside (%2 pings, %3 over 50 ms)")
        .arg(figures->longestMs, 0, 'f', 1)
        .arg(figures->pings)
        .arg(figures->over50Ms);
}

void PingStallProbe::readAnswers()
{
    while (m_pinger.canReadLine()) {
        const QList<QByteArray> fields = m_pinger.readLine().trimmed().split(' ');
        if (fields.size() != 2)
            continue;
        const qint64 sentUs = fields.at(0).toLongLong();
        const double roundTripMs = fields.at(1).toLongLong() / 1000.0;
        m_lastSentUs = qMax(m_lastSentUs, sentUs);
        m_answers.push_back({sentUs, roundTripMs});
        ++m_figures.pings;
        m_figures.longestMs = qMax(m_figures.longestMs, roundTripMs);
        if (roundTripMs > 50)
            ++m_figures.over50Ms;
    }
}
