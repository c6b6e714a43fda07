#include "hexformat.h"

int HexFormat::charsPerByte(Style style)
{
    return style == Style::Compact ? 5 : 6;
}

// Written straight into a sized buffer: formatting each byte through
// QString::arg is far too slow for a fast port.
QString HexFormat::chunk(const QByteArray &bytes, Style style, bool timeStamped)
{
    const bool compact = style == Style::Compact;
    const char *const digits = compact ? "0123456789abcdef" : "0123456789ABCDEF";
    const qsizetype lineFeeds =
        compact ? bytes.count('\n') : (!timeStamped && !bytes.isEmpty() ? 1 : 0);
    QString dump(bytes.size() * charsPerByte(style) + lineFeeds, Qt::Uninitialized);
    QChar *out = dump.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QLatin1Char('0');
        *out++ = QLatin1Char('x');
        *out++ = QLatin1Char(digits[byte >> 4]);
        *out++ = QLatin1Char(digits[byte & 0x0f]);
        *out++ = QLatin1Char(',');
        if (!compact)
            *out++ = QLatin1Char(' ');
        else if (byte == 0x0a)
            *out++ = QLatin1Char('\n');
    }
    if (!compact && lineFeeds)
        *out++ = QLatin1Char('\n');
    return dump;
}
