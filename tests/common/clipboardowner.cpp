#include "clipboardowner.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <csignal>

namespace {
// Once xclip holds the selection, it answers its forms: TARGETS and its own.
bool xclipAnswers(const QString &selection, const QString &target)
{
    QProcess targets;
    targets.start(QStringLiteral("xclip"), {"-o", "-selection", selection, "-t", "TARGETS"});
    return targets.waitForFinished() &&
           targets.readAllStandardOutput() == "TARGETS\n" + target.toLatin1() + '\n';
}
} // namespace

ClipboardOwner::ClipboardOwner(const QString &file, const QString &selection, const QString &target)
{
    hold(file, selection, target);
}

ClipboardOwner::ClipboardOwner(const QByteArray &bytes, const QString &selection,
                               const QString &target)
{
    if (m_file.open() && m_file.write(bytes) == bytes.size() && m_file.flush())
        hold(m_file.fileName(), selection, target);
}

void ClipboardOwner::hold(const QString &file, const QString &selection, const QString &target)
{
    m_xclip.start(QStringLiteral("xclip"),
                  {"-selection", selection, "-t", target, "-i", "-quiet", file});
    if (!m_xclip.waitForStarted())
        return;
    // Until this program sees that it lost the clipboard, it would be asked
    // itself, and could not answer while it waits: its events go on.
    QElapsedTimer waited;
    waited.start();
    while (!m_held && waited.elapsed() < 30'000) {
        QCoreApplication::processEvents();
        const QClipboard *clipboard = QGuiApplication::clipboard();
        m_held = !(selection == QLatin1String("primary") ? clipboard->ownsSelection()
                                                         : clipboard->ownsClipboard()) &&
                 xclipAnswers(selection, target);
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
