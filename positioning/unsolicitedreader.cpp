#include "unsolicitedreader.h"

namespace {
const QByteArray numberTypes[] = {",161,", ",145,", ",129,"};
const QByteArray callerLine("+CLIP: \"");
const QByteArray smsStore("\"SM\",");
} // namespace

QList<UnsolicitedReader::Event> UnsolicitedReader::feed(QByteArray &buffer, bool &ringSeen,
                                                        bool &callerNumberReady,
                                                        QByteArrayView chunk)
{
    buffer.append(chunk);
    bound(buffer);
    QList<Event> events;

    if (buffer.contains("NO CARRIER\r\n")) {
        events.append({Kind::CallEnded, {}});
        endCall(buffer, ringSeen, callerNumberReady);
    }
    if (buffer.contains("BUSY\r\n")) {
        events.append({Kind::Busy, {}});
        endCall(buffer, ringSeen, callerNumberReady);
    }
    if (buffer.contains("COLP")) {
        events.append({Kind::Connected, {}});
        buffer.clear();
    }
    if (ringSeen && !callerNumberReady) {
        for (const QByteArray &type : numberTypes) {
            if (buffer.contains(type)) {
                ringSeen = false;
                callerNumberReady = true;
                break;
            }
        }
    }
    // The number runs between the quotes of the caller line; a line not yet
    // complete waits for the rest.
    const qsizetype line = buffer.indexOf(callerLine);
    if (callerNumberReady && line >= 0) {
        const qsizetype start = line + callerLine.size();
        const qsizetype end = buffer.indexOf('"', start);
        if (end >= 0) {
            events.append(
                {Kind::CallerNumber, QString::fromLatin1(buffer.mid(start, end - start))});
            callerNumberReady = false;
            buffer.clear();
        }
    }
    // Every RING line is used up, so that a ring already announced is never
    // announced again; what came after it (the caller line) stays.
    const qsizetype ring = buffer.lastIndexOf("RING");
    if (ring >= 0) {
        if (!ringSeen) {
            events.append({Kind::Ring, {}});
            ringSeen = true;
            callerNumberReady = false;
        }
        buffer.remove(0, ring + 4);
    }
    if (buffer.contains("+CMTI")) {
        const qsizetype store = buffer.indexOf(smsStore);
        if (store >= 0 && buffer.indexOf("\r\n", store) >= 0) {
            QByteArray index = buffer.mid(store + smsStore.size());
            index.replace("\r\n", "");
            events.append({Kind::NewSms, QString::fromLatin1(index)});
            buffer.clear();
        }
    }
    return events;
}

void UnsolicitedReader::endCall(QByteArray &buffer, bool &ringSeen, bool &callerNumberReady)
{
    buffer.clear();
    ringSeen = false;
    callerNumberReady = false;
}

// Drops the oldest text beyond the bound, from a line start where the kept
// part holds one, so that no rule sees the tail of a cut line.
void UnsolicitedReader::bound(QByteArray &buffer)
{
    if (buffer.size() <= maximumBuffer)
        return;
    qsizetype cut = buffer.size() - maximumBuffer;
    const qsizetype lineEnd = buffer.indexOf('\n', cut);
    if (lineEnd >= 0 && lineEnd + 1 < buffer.size())
        cut = lineEnd + 1;
    buffer.remove(0, cut);
}
