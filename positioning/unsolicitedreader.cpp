#include "unsolicitedreader.h"

#include <algorithm>
#include <iterator>

namespace {
const QByteArray numberTypes[] = {",161,", ",145,", ",129,"};
const QByteArray smsStore("\"SM\",");
// The texts that mark the lines the rules read.
const QByteArray callEnded("NO CARRIER");
const QByteArray busy("BUSY");
const QByteArray connected("COLP");
const QByteArray ring("RING");
const QByteArray newSms("+CMTI");
const QByteArray callerLine("+CLIP: \"");
const QByteArray failedDials[] = {"NO ANSWER", "NO DIALTONE"};
const QByteArrayView lineMarks[] = {callEnded, busy, connected, ring, newSms, callerLine};
} // namespace

QList<UnsolicitedReader::Event> UnsolicitedReader::feed(QByteArray &buffer, bool &ringSeen,
                                                        bool &callerNumberReady,
                                                        QByteArrayView chunk)
{
    QList<Event> events;
    qsizetype from = 0;
    while (from < chunk.size()) {
        const qsizetype lineFeed = chunk.indexOf('\n', from);
        if (lineFeed < 0) {
            buffer.append(chunk.sliced(from));
            bound(buffer);
            break;
        }
        buffer.append(chunk.sliced(from, lineFeed - from));
        bound(buffer);
        from = lineFeed + 1;
        QByteArrayView line(buffer);
        while (line.endsWith('\r'))
            line.chop(1);
        read(line, ringSeen, callerNumberReady, events);
        buffer.clear();
    }
    return events;
}

void UnsolicitedReader::read(QByteArrayView line, bool &ringSeen, bool &callerNumberReady,
                             QList<Event> &events)
{
    if (line.contains(callEnded)) {
        events.append({Kind::CallEnded, {}});
        ringSeen = false;
        callerNumberReady = false;
        return;
    }
    if (line.contains(busy)) {
        events.append({Kind::Busy, {}});
        ringSeen = false;
        callerNumberReady = false;
        return;
    }
    if (line.contains(connected)) {
        events.append({Kind::Connected, {}});
        return;
    }
    if (ringSeen && !callerNumberReady) {
        for (const QByteArray &type : numberTypes) {
            if (line.contains(type)) {
                ringSeen = false;
                callerNumberReady = true;
                break;
            }
        }
    }
    // The number runs between the quotes of the caller line, to the line's
    // end when the closing quote is missing.
    const qsizetype caller = line.indexOf(callerLine);
    if (callerNumberReady && caller >= 0) {
        const QByteArrayView number = line.sliced(caller + callerLine.size());
        const qsizetype quote = number.indexOf('"');
        events.append(
            {Kind::CallerNumber, QString::fromLatin1(quote < 0 ? number : number.first(quote))});
        callerNumberReady = false;
        return;
    }
    if (line.contains(ring)) {
        if (!ringSeen) {
            events.append({Kind::Ring, {}});
            ringSeen = true;
            callerNumberReady = false;
        }
        return;
    }
    const qsizetype store = line.indexOf(smsStore);
    if (line.contains(newSms) && store >= 0) {
        events.append(
            {Kind::NewSms, QString::fromLatin1(line.sliced(store + smsStore.size()).trimmed())});
        return;
    }
    for (const QByteArray &failed : failedDials) {
        if (line.contains(failed)) {
            events.append({Kind::CallFailed, QString::fromLatin1(line.trimmed())});
            return;
        }
    }
}

void UnsolicitedReader::endCall(QByteArray &buffer, bool &ringSeen, bool &callerNumberReady)
{
    buffer.clear();
    ringSeen = false;
    callerNumberReady = false;
}

bool UnsolicitedReader::isUnsolicited(QByteArrayView line)
{
    const auto holds = [line](QByteArrayView text) {
        return line.contains(text);
    };
    return std::any_of(std::cbegin(lineMarks), std::cend(lineMarks), holds) ||
           std::any_of(std::cbegin(failedDials), std::cend(failedDials), holds);
}

// An unfinished line longer than the bound keeps its newest bytes, where the
// text a rule looks for ends.
void UnsolicitedReader::bound(QByteArray &buffer)
{
    if (buffer.size() > maximumBuffer)
        buffer.remove(0, buffer.size() - maximumBuffer);
}
