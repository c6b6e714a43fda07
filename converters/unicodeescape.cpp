#include "unicodeescape.h"

namespace {
constexpr int groupDigits = 4;

// The value of a hex digit, or -1.
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The unit a group spells, read as an integer in base 16 is read: blanks
// around it, a sign and a "0x" are allowed. A group that reads as no such
// integer, or as a negative one, is the unit 0.
char16_t groupUnit(QStringView group)
{
    char16_t unit = 0;
    for (const QChar c : group) {
        const int value = digitValue(c);
        if (value < 0) {
            // Four plain digits are the rule; anything else is read the slow way.
            bool isNumber = false;
            const int number = group.toInt(&isNumber, 16);
            return isNumber && number > 0 ? char16_t(number) : char16_t(0);
        }
        unit = char16_t(unit * 16 + value);
    }
    return unit;
}
} // namespace

qsizetype UnicodeEscape::encodedLength(QStringView text, bool prefixed)
{
    return text.size() * (prefixed ? groupDigits + 2 : groupDigits);
}

QString UnicodeEscape::encode(const QString &text, bool prefixed)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    QString escaped(encodedLength(text, prefixed), Qt::Uninitialized);
    QChar *out = escaped.data();
    for (const QChar c : text) {
        if (prefixed) {
            *out++ = u'\\';
            *out++ = u'U';
        }
        const char16_t unit = c.unicode();
        for (int shift = 12; shift >= 0; shift -= 4)
            *out++ = digits[(unit >> shift) & 0xF];
    }
    return escaped;
}

QString UnicodeEscape::decode(QString hex, bool prefixed)
{
    if (prefixed)
        hex.remove(QLatin1String("\\U")).remove(QLatin1String("\\u"));
    const qsizetype units = hex.size() / groupDigits;
    QString text;
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i)
        text += QChar(groupUnit(QStringView(hex).mid(i * groupDigits, groupDigits)));
    return text;
}
