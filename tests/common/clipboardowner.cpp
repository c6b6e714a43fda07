#include "clipboardowner.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <csignal>

namespace {
// Once xclip holds the clipboard, it answers what forms it has.
bool xclipAnswers()
{
    QProcess targets;
    targets.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", "TARGETS"});
    return targets.waitForFinished() && targets.readAllStandardOutput().contains("UTF8_STRING");
}
} // namespace

ClipboardOwner::ClipboardOwner(const QString &file)
{
    m_xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-i", "-quiet", file});
    if (!m_xclip.waitForStarted())
        return;
    // Until this program sees that it lost the clipboard, it would be asked
    // itself, and could not answer while it waits: its events go on.
    QElapsedTimer waited;
    waited.start();
    while (!m_held && waited.elapsed() < 30'000) {
        QCoreApplication::processEvents();
        m_held = !QGuiApplication::clipboard()->ownsClipboard() && xclipAnswers();
        if (!m_held)
            QThread::msleep(20);
    }
}

ClipboardOwner::~ClipboardOwner()
{
    ::kill(pid_t(m_xclip.processId()), SIGCONT);
    m_xclip.kill();
    m_xclip.waitForFinished();
}

void ClipboardOwner::stopAnswering()
{
    ::kill(pid_t(m_xclip.processId()), SIGSTOP);
}
