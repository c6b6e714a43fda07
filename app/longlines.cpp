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

qsizetype LongLines::sliceEnd(QStringView text, qsizetype from, qsizetype length)
{
    qsizetype end = qMin(text.size(), from + length);
    if (end < text.size() && end > from &&
        (text[end].isLowSurrogate() || (text[end - 1] == u'\r' && text[end] == u'\n')))
        --end;
    return end;
}
