#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QList>

#include <functional>

class QIODevice;

// One AT command of the GSM console and the rules of the wait for its reply:
// awaited texts, failure texts, a budget of polls of a given interval (the
// wait lasts at most polls x interval) and an end rule. The reply is made of
// the lines of the command's own that arrived since it was written, however
// they were split, kept up to a bound, and the rules judge what is kept;
// lines that are not its own (an
// unsolicited line, a peer's data) and whatever follows the end of the wait
// are handed back to the caller in the order they came.
class AtTransaction
{
public:
    enum class EndRule {
        FirstMatch, // the first awaited text found ends the wait
        FullLength, // awaited texts only mark their finding; the budget runs out
    };
    enum class Outcome {
        Matched,   // an awaited text ended the wait (first-match rule)
        Failed,    // a failure text ended it
        TimedOut,  // the budget ran out
        Cancelled, // cancel() ended it
        Closed,    // the port went away or another wait runs: leave the port alone
    };
    // Tells whether the reply so far holds what is awaited.
    using Match = std::function<bool(const QByteArray &reply)>;
    // Tells whether a whole line (without its line end) is not the reply's.
    using LineFilter = std::function<bool(QByteArrayView line)>;

    // The newest bytes of a reply beyond this many are dropped from its front.
    static constexpr qsizetype maximumReply = 16 * 1024;

    // An empty command writes nothing: the wait then only takes what arrives.
    AtTransaction(QByteArray command, int polls, int intervalMs);

    // Awaited texts, tried in the order given; a text is found anywhere in
    // the reply.
    void await(const QByteArray &text);
    void await(Match match);
    // `text` found in the finished lines of the reply ends the wait as a
    // failure; several may be given.
    void failOn(const QByteArray &text);
    void setEndRule(EndRule rule);
    // Called once for each awaited text when it is first found.
    void setOnFound(std::function<void(int index)> onFound);
    // Which lines are not this command's reply. A line that holds an awaited
    // or a failure text, or repeats what was written (the modem's echo), is
    // always the reply's.
    void setForeignLines(LineFilter isForeign);
    // Bytes written before the command whose echo may still come (the data
    // of a send before its Ctrl-Z).
    void expectEcho(const QByteArray &written);

    // Takes the next bytes from the port and applies the rules. Returns the
    // bytes that are not the reply, in order: foreign lines, and everything
    // after the line that ended the wait.
    [[nodiscard]] QByteArray take(QByteArrayView bytes);
    // For when the wait is over: the unfinished last line, unless it is
    // plainly the reply's; it leaves the reply.
    [[nodiscard]] QByteArray takeUnfinished();
    // Forgets the reply and what was found in it, as before the command.
    void restart();
    // Ends the wait at its next poll; the outcome is Cancelled.
    void cancel();

    [[nodiscard]] bool ended() const { return m_ended; }
    [[nodiscard]] bool found(int index) const;
    // The awaited text that ended the wait, or -1.
    [[nodiscard]] int matchedIndex() const { return m_matched; }
    [[nodiscard]] bool failed() const { return m_failed; }
    // The line of the reply that held the failure text, without its end.
    [[nodiscard]] QByteArray failureLine() const { return m_failureLine; }
    [[nodiscard]] const QByteArray &reply() const { return m_reply; }
    [[nodiscard]] QByteArray command() const { return m_command; }
    // The longest wait: polls x interval, scaled.
    [[nodiscard]] int timeoutMs() const;
    // Polls the wait took (at least 1).
    [[nodiscard]] int pollsUsed() const { return m_pollsUsed; }

    // Writes the command and waits on `port` until the rules end the wait,
    // the budget runs out, the wait is cancelled or the port goes away;
    // events keep running. The reply reaches take() from whoever reads the
    // port meanwhile.
    [[nodiscard]] Outcome run(QIODevice *port);
    // As run() without writing, for at most `polls` polls of the interval
    // instead of the transaction's own budget.
    [[nodiscard]] Outcome wait(QIODevice *port, int polls);

    // Every wait lasts `scale` times its stated time; tests shorten them.
    static void setTimeScale(double scale);
    [[nodiscard]] static int scaled(int ms);

private:
    struct Awaited
    {
        Match match;
        QByteArray text; // empty for a match that is no plain text
    };

    [[nodiscard]] Outcome exchange(QIODevice *port, const QByteArray &request, int polls);
    [[nodiscard]] Outcome outcome() const;
    void applyRules();
    void bound();
    [[nodiscard]] bool plainlyOwn(QByteArrayView line) const;
    [[nodiscard]] bool foreign(QByteArrayView line) const;
    [[nodiscard]] QByteArray lineAround(qsizetype at) const;

    QByteArray m_command;
    int m_polls;
    int m_intervalMs;
    QList<Awaited> m_awaited;
    QList<bool> m_found;
    QByteArrayList m_failureTexts;
    QByteArrayList m_echo;
    EndRule m_rule = EndRule::FirstMatch;
    std::function<void(int)> m_onFound;
    LineFilter m_isForeign;
    QByteArray m_reply;
    // Where the unfinished last line of the reply begins.
    qsizetype m_lineStart = 0;
    QByteArray m_failureLine;
    bool m_ended = false;
    bool m_failed = false;
    bool m_cancelled = false;
    int m_matched = -1;
    int m_pollsUsed = 0;
};
