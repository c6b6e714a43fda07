#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// One text message as the modem's text-mode read reply ("+CMGR: ") gives it
// in the UCS2 character set, decoded.
struct SmsReply
{
    QString sender;
    QString time; // empty for a stored message
    QString body;

    // The message of a reply that holds a received ("+CMGR: \"REC") or a
    // stored ("+CMGR: \"STO") message; none for any other. A separator that
    // is missing leaves the rest of its field empty or whole, never more
    // than the reply.
    [[nodiscard]] static std::optional<SmsReply> parse(const QByteArray &reply);
    // The text the read view shows: "Sender:", "Time:" and the body on
    // three lines.
    [[nodiscard]] QString display() const;
};
