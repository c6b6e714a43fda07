#include "base64text.h"

#include <QByteArray>
#include <QStringView>

QString Base64Text::encode(const QString &text)
{
    // A piece at a time, so that neither the whole text in UTF-8 nor its
    // Base64 bytes are held beside the result; the bytes of a piece's
    // incomplete last group wait for the next piece.
    QString base64;
    QByteArray bytes;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = qMin(text.size(), at + pieceLength);
        if (end < text.size() && text.at(end - 1).isHighSurrogate() &&
            text.at(end).isLowSurrogate())
            ++end;
        bytes += QStringView(text).mid(at, end - at).toUtf8();
        const qsizetype whole = bytes.size() / 3 * 3;
        base64 += QLatin1String(QByteArray::fromRawData(bytes.constData(), whole).toBase64());
        bytes.remove(0, whole);
        at = end;
    }
    return base64 + QLatin1String(bytes.toBase64());
}

qsizetype Base64Text::encodedLength(QStringView text)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;
        }
    }
    return (bytes + 2) / 3 * 4;
}

// Each step lets go of what it came from, so that no more than two forms of
// a long text are held at any time.
QString Base64Text::decode(QString base64)
{
    QByteArray bytes = base64.toUtf8();
    base64 = QString();
    bytes = QByteArray::fromBase64(bytes);
    return QString::fromUtf8(bytes);
}
