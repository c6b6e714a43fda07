#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>

class QIODevice;

// One AT command of the GSM console and the rules of the wait for its reply:
// awaited texts, an optional failure text, a budget of polls of a given
// interval (the wait lasts at most polls x interval) and an end rule. The
// reply is everything that arrived since the command was written, however
// it was split, kept up to a bound.
class AtTransaction
{
public:
    enum class EndRule {
        FirstMatch, // the first awaited text found ends the wait
        FullLength, // awaited texts only mark their finding; the budget runs out
    };
    enum class Outcome {
        Matched,  // an awaited text ended the wait (first-match rule)
        Failed,   // the failure text ended it
        TimedOut, // the budget ran out
        Closed,   // the port went away or another wait runs: leave the port alone
    };
    // Tells whether the reply so far holds what is awaited.
    using Match = std::function<bool(const QByteArray &reply)>;

    // The newest bytes of a reply beyond this many are dropped from its front.
    static constexpr qsizetype maximumReply = 16 * 1024;

    // An empty command writes nothing: the wait then only takes what arrives.
    AtTransaction(QByteArray command, int polls, int intervalMs);

    // Awaited texts, tried in the order given; a text is found anywhere in
    // the reply.
    void await(const QByteArray &text);
    void await(Match match);
    void setFailureText(const QByteArray &text);
    void setEndRule(EndRule rule);
    // Called once for each awaited text when it is first found.
    void setOnFound(std::function<void(int index)> onFound);

    // Adds bytes of the reply and applies the rules.
    void take(QByteArrayView bytes);
    // Forgets the reply and what was found in it, as before the command.
    void restart();

    [[nodiscard]] bool ended() const { return m_ended; }
    [[nodiscard]] bool found(int index) const;
    // The awaited text that ended the wait, or -1.
    [[nodiscard]] int matchedIndex() const { return m_matched; }
    [[nodiscard]] bool failed() const { return m_failed; }
    [[nodiscard]] const QByteArray &reply() const { return m_reply; }
    [[nodiscard]] QByteArray command() const { return m_command; }
    // The longest wait: polls x interval, scaled.
    [[nodiscard]] int timeoutMs() const;
    // Polls the wait took, counted as whole intervals begun (at least 1).
    [[nodiscard]] int pollsUsed() const { return m_pollsUsed; }

    // Writes the command and waits on `port` until the rules end the wait,
    // the budget runs out or the port goes away; events keep running. The
    // reply reaches take() from whoever reads the port meanwhile.
    [[nodiscard]] Outcome run(QIODevice *port);
    // As run() without writing, for at most `ms` scaled milliseconds.
    [[nodiscard]] Outcome wait(QIODevice *port, int ms);

    // Every wait lasts `scale` times its stated time; tests shorten them.
    static void setTimeScale(double scale);
    [[nodiscard]] static int scaled(int ms);

private:
    [[nodiscard]] Outcome exchange(QIODevice *port, const QByteArray &request, int ms);
    [[nodiscard]] Outcome outcome() const;

    QByteArray m_command;
    int m_polls;
    int m_intervalMs;
    QList<Match> m_awaited;
    QList<bool> m_found;
    QByteArray m_failureText;
    EndRule m_rule = EndRule::FirstMatch;
    std::function<void(int)> m_onFound;
    QByteArray m_reply;
    bool m_ended = false;
    bool m_failed = false;
    int m_matched = -1;
    int m_pollsUsed = 0;
};
