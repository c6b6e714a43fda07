#include "smsreply.h"

#include "ucs2hex.h"

namespace {
const QByteArray separator("\",\"");

// The bytes after the first `delimiter`; empty without one.
QByteArray after(const QByteArray &bytes, const QByteArray &delimiter)
{
    const qsizetype at = bytes.indexOf(delimiter);
    return at < 0 ? QByteArray() : bytes.mid(at + delimiter.size());
}

// The bytes before the first `delimiter`; all of them without one.
QByteArray upTo(const QByteArray &bytes, char delimiter)
{
    const qsizetype at = bytes.indexOf(delimiter);
    return at < 0 ? bytes : bytes.left(at);
}

QString fromUcs2(const QByteArray &hex)
{
    return Ucs2Hex::decode(QString::fromUtf8(hex));
}
} // namespace

std::optional<SmsReply> SmsReply::parse(const QByteArray &reply)
{
    const bool received = reply.contains("+CMGR: \"REC");
    if (!received && !reply.contains("+CMGR: \"STO"))
        return std::nullopt;

    const QByteArray s1 = after(reply, separator);
    const QByteArray s2 = after(s1, separator);
    SmsReply message;
    message.sender = fromUcs2(upTo(s1, '"'));
    if (received) {
        const QByteArray s3 = after(s2, separator);
        message.time = QString::fromUtf8(upTo(s3, '"'));
        message.body = fromUcs2(upTo(after(s3, "\"\r\n"), '\r'));
    } else {
        QByteArray body = after(s2, "\r\n");
        body.replace("OK", "");
        body.replace("\r\n", "");
        message.body = fromUcs2(body);
    }
    return message;
}

QString SmsReply::display() const
{
    return QStringLiteral("Sender:") + sender + QStringLiteral("\nTime:") + time +
           QLatin1Char('\n') + body;
}
