#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSocketNotifier>

class PtyPair;

// Plays a modem on the master end of a pty: answers each command it receives
// as scripted, says unsolicited lines when told, and records every byte the
// program sends. A command is what arrives up to and including CR LF or
// Ctrl-Z; it takes the answer of the longest scripted key it ends with, and a
// command without one meets silence.
class ScriptedModem : public QObject
{
    Q_OBJECT

public:
    // One answer: pieces written in turn, each its delay after the one before.
    struct Piece
    {
        int delayMs = 0;
        QByteArray bytes;
    };
    using Answer = QList<Piece>;

    explicit ScriptedModem(PtyPair &pty, QObject *parent = nullptr);

    // Answers queued for one key are used in turn; the last one stays. An
    // empty answer is silence.
    void answer(const QByteArray &key, const Answer &reply);
    void answer(const QByteArray &key, const QByteArray &reply);
    // Writes bytes at once, as the modem's own.
    void say(const QByteArray &bytes);

    [[nodiscard]] const QByteArray &received() const { return m_received; }
    [[nodiscard]] const QByteArrayList &commands() const { return m_commands; }
    // Forgets what was received.
    void clearReceived();

Q_SIGNALS:
    // Each command as it arrives, before it is answered.
    void commandReceived(const QByteArray &command);

private:
    void readCommands();
    void respond(const QByteArray &command);

    PtyPair &m_pty;
    QSocketNotifier m_notifier;
    QByteArray m_received;
    QByteArray m_pending;
    QByteArrayList m_commands;
    QMap<QByteArray, QList<Answer>> m_answers;
};
