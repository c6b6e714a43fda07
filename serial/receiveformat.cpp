#include "receiveformat.h"

#include <QTime>

namespace ReceiveFormat {

QString hexDump(const QByteArray &bytes)
{
    // Written straight into a sized buffer: formatting each byte through
    // QString::arg is far too slow for a fast port.
    static const char digits[] = "0123456789abcdef";
    const qsizetype lineFeeds = bytes.count('\n');
    QString dump(bytes.size() * 5 + lineFeeds, Qt::Uninitialized);
    QChar *out = dump.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QLatin1Char('0');
        *out++ = QLatin1Char('x');
        *out++ = QLatin1Char(digits[byte >> 4]);
        *out++ = QLatin1Char(digits[byte & 0x0f]);
        *out++ = QLatin1Char(',');
        if (byte == 0x0a)
            *out++ = QLatin1Char('\n');
    }
    return dump;
}

QString timeStamp(const QTime &time)
{
    return time.toString(QStringLiteral("[hh:mm:ss.zzz]"));
}

} // namespace ReceiveFormat
