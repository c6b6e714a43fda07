#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Reads the GSM modem's unsolicited lines (call ended, busy, connected,
// incoming call and caller number, new text message) from the text collected
// between AT transactions. The collected text and the two call flags belong
// to the caller; the rules empty the text when they have used it.
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

    // Appends `chunk` to `buffer` and applies the rules in order: NO CARRIER,
    // BUSY, COLP, the caller-number type after a RING, the caller line, RING,
    // +CMTI. A RING is announced once until the call ends; the text up to the
    // last RING is dropped.
    [[nodiscard]] static QList<Event> feed(QByteArray &buffer, bool &ringSeen,
                                           bool &callerNumberReady, QByteArrayView chunk);
    // The call is over (hung up here): the next RING is a new call, and what
    // is left of this call's lines is dropped.
    static void endCall(QByteArray &buffer, bool &ringSeen, bool &callerNumberReady);

private:
    static void bound(QByteArray &buffer);
};
