#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Reads the GSM modem's unsolicited lines (call ended, busy, connected,
// incoming call and caller number, a dial that failed late, new text
// message). Each whole line is read on its own, in order; the collected
// text holds only the unfinished last line. The collected text and the two
// call flags belong to the caller.
class UnsolicitedReader
{
public:
    enum class Kind {
        CallEnded,    // "NO CARRIER": the call is over
        Busy,         // "BUSY": the call is over
        Connected,    // "COLP": the called party answered
        Ring,         // "RING": a call comes in; the number may follow
        CallerNumber, // the caller's number of an incoming call, in `text`
        NewSms,       // a new message in the SIM store, its index in `text`
        CallFailed,   // "NO ANSWER" or "NO DIALTONE", the line in `text`
    };
    struct Event
    {
        Kind kind;
        QString text;
        [[nodiscard]] bool operator==(const Event &other) const
        {
            return kind == other.kind && text == other.text;
        }
    };

    // The collected text keeps at most this many of its newest bytes.
    static constexpr qsizetype maximumBuffer = 4096;

    // Appends `chunk` to `buffer` and reads every line it completes, each by
    // the rules in order: NO CARRIER, BUSY, COLP, the caller-number type
    // after a RING, the caller line, RING, +CMTI, NO ANSWER and NO DIALTONE.
    // A RING is announced once until the call ends. A whole line that no
    // rule takes is dropped.
    [[nodiscard]] static QList<Event> feed(QByteArray &buffer, bool &ringSeen,
                                           bool &callerNumberReady, QByteArrayView chunk);
    // The call is over (hung up here): the next RING is a new call, and what
    // is left of this call's lines is dropped.
    static void endCall(QByteArray &buffer, bool &ringSeen, bool &callerNumberReady);
    // Whether a line (without its line end) is one the rules read.
    [[nodiscard]] static bool isUnsolicited(QByteArrayView line);

private:
    static void read(QByteArrayView line, bool &ringSeen, bool &callerNumberReady,
                     QList<Event> &events);
    static void bound(QByteArray &buffer);
};
