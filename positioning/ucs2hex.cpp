#include "ucs2hex.h"

QString Ucs2Hex::encode(const QString &text)
{
    QString hex;
    hex.reserve(text.size() * 4);
    for (const QChar unit : text)
        hex += QStringLiteral("%1").arg(unit.unicode(), 4, 16, QLatin1Char('0'));
    return hex;
}

QString Ucs2Hex::decode(const QString &hex)
{
    QString text;
    const qsizetype units = hex.size() / 4;
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        bool ok = false;
        const int value = QStringView(hex).mid(i * 4, 4).toInt(&ok, 16);
        text += QChar(char16_t(ok ? value & 0xFFFF : 0));
    }
    return text;
}
