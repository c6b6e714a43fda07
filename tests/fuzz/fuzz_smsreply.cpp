// libFuzzer target of the text-mode read reply. The input is a reply as a
// modem might send it; then a sender, a time and a body cut from it are put
// into a well-formed reply in the UCS2 character set, which must read back
// exactly.

#include "fuzzcheck.h"
#include "smsreply.h"
#include "ucs2hex.h"

#include <optional>

namespace {
QString textOf(const QByteArray &bytes)
{
    return QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const QByteArray reply = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<SmsReply> message = SmsReply::parse(reply)) {
        require(message->sender.size() <= reply.size() && message->time.size() <= reply.size() &&
                    message->body.size() <= reply.size(),
                "no field is longer than the reply");
        static_cast<void>(message->display());
    }

    const QString sender = textOf(input.until('\0', 64));
    QByteArray time = input.until('\0', 32);
    time.replace('"', '\'');
    const QString body = textOf(input.rest());
    const QByteArray wellFormed = "+CMGR: \"REC READ\",\"" + Ucs2Hex::encode(sender).toLatin1() +
                                  "\",\"\",\"" + time + "\"\r\n" +
                                  Ucs2Hex::encode(body).toLatin1() + "\r\n\r\nOK\r\n";
    const std::optional<SmsReply> message = SmsReply::parse(wellFormed);
    require(message && message->sender == sender && message->body == body &&
                message->time == QString::fromUtf8(time),
            "a well-formed reply reads back as written");
    return 0;
}
