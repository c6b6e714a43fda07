#include "longlines.h"

bool LongLines::endsLine(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case QChar::ParagraphSeparator:
    case 0xFDD0: // the beginning and end of a document frame
    case 0xFDD1:
        return true;
    default:
        return false;
    }
}

QString LongLines::asBoxText(QString text)
{
    // A text mostly has none of these: a search for one character finds
    // that quickly, and a replacement then changes nothing.
    if (text.contains(u'\r'))
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const char16_t end : {u'\r', char16_t(QChar::ParagraphSeparator),
                               char16_t(QChar::LineSeparator), u'\xFDD0', u'\xFDD1'})
        text.replace(QChar(end), u'\n');
    return text.replace(QChar::Nbsp, u' ');
}

LongLines::Pieces LongLines::split(QStringView text, qsizetype run)
{
    Pieces pieces;
    pieces.shown.reserve(text.size() + text.size() / pieceLength + 1);
    qsizetype breaks = 0;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (endsLine(c)) {
            // CR LF is one break.
            if (!(c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n'))
                ++breaks;
            run = 0;
            continue;
        }
        // A surrogate pair goes whole into the next piece.
        const bool full = run + (c.isHighSurrogate() ? 2 : 1) > pieceLength;
        if (full && !c.isLowSurrogate()) {
            pieces.shown.append(text.mid(copied, i - copied));
            pieces.shown.append(u'\n');
            pieces.addedBreaks.append(breaks++);
            copied = i;
            run = 0;
        }
        ++run;
    }
    pieces.shown.append(text.mid(copied));
    pieces.lastRun = run;
    return pieces;
}

qsizetype LongLines::cut(QStringView text, qsizetype at)
{
    if (at > 0 && at < text.size() &&
        (text[at].isLowSurrogate() || (text[at - 1] == u'\r' && text[at] == u'\n')))
        return at - 1;
    return at;
}

QStringList LongLines::parts(QString text, qsizetype length)
{
    QStringList parts;
    while (text.size() > length) {
        const qsizetype at = cut(text, text.size() - length);
        parts.prepend(text.mid(at));
        text.truncate(at);
        text.squeeze();
    }
    parts.prepend(text);
    return parts;
}
