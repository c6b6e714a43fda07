#include "scriptedmodem.h"

#include "ptypair.h"

#include <QTimer>

ScriptedModem::ScriptedModem(PtyPair &pty, QObject *parent)
    : QObject(parent)
    , m_pty(pty)
    , m_notifier(pty.masterFd(), QSocketNotifier::Read)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &ScriptedModem::readCommands);
}

void ScriptedModem::answer(const QByteArray &key, const Answer &reply)
{
    m_answers[key].append(reply);
}

void ScriptedModem::answer(const QByteArray &key, const QByteArray &reply)
{
    answer(key, Answer{{0, reply}});
}

void ScriptedModem::say(const QByteArray &bytes)
{
    m_pty.write(bytes);
}

void ScriptedModem::clearReceived()
{
    m_received.clear();
    m_commands.clear();
}

void ScriptedModem::readCommands()
{
    const QByteArray bytes = m_pty.readAvailable();
    m_received += bytes;
    m_pending += bytes;
    for (;;) {
        const qsizetype lineEnd = m_pending.indexOf("\r\n");
        const qsizetype ctrlZ = m_pending.indexOf('\x1a');
        qsizetype end = -1;
        if (lineEnd >= 0)
            end = lineEnd + 2;
        if (ctrlZ >= 0 && (end < 0 || ctrlZ + 1 < end))
            end = ctrlZ + 1;
        if (end < 0)
            return;
        const QByteArray command = m_pending.left(end);
        m_pending.remove(0, end);
        m_commands.append(command);
        Q_EMIT commandReceived(command);
        respond(command);
    }
}

void ScriptedModem::respond(const QByteArray &command)
{
    QByteArray best;
    bool found = false;
    for (auto it = m_answers.cbegin(); it != m_answers.cend(); ++it) {
        if (command.endsWith(it.key()) && (!found || it.key().size() > best.size())) {
            best = it.key();
            found = true;
        }
    }
    if (!found)
        return;
    QList<Answer> &queue = m_answers[best];
    const Answer reply = queue.size() > 1 ? queue.takeFirst() : queue.first();
    int at = 0;
    for (const Piece &piece : reply) {
        at += piece.delayMs;
        QTimer::singleShot(at, this, [this, bytes = piece.bytes] { m_pty.write(bytes); });
    }
}
