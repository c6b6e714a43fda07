#include "modbushexinput.h"

#include <QRegularExpression>

bool ModbusHexInput::isValid(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("((0x[0-9A-Fa-f]+)(\\s*|,\\s*)?)*")));
    return pattern.match(text).hasMatch();
}

QByteArray ModbusHexInput::toBytes(const QByteArray &text)
{
    // A token ends where the next "0x" begins, as the check reads it, so
    // tokens written without a separator are not run together.
    static const QRegularExpression token(QStringLiteral("0x([0-9A-Fa-f]+?)(?=0x|[^0-9A-Fa-f]|$)"));
    QByteArray bytes;
    QRegularExpressionMatchIterator tokens = token.globalMatch(QString::fromLatin1(text));
    while (tokens.hasNext()) {
        bool fits = false;
        const int value = tokens.next().capturedView(1).toInt(&fits, 16);
        bytes.append(char(fits ? value & 0xFF : 0));
    }
    return bytes;
}
