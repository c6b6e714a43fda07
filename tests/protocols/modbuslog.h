#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

// A frame shows in its log at most this long after it was logged: the logs
// gather frames for up to 100 ms.
constexpr int logSettleMs = 150;

// The frames a Modbus log shows, one per time-stamped line, read back from
// its "0x%1," hex text (a frame may run over several lines after 0x0a).
inline QByteArrayList loggedFrames(const QPlainTextEdit &log)
{
    static const QRegularExpression stamp(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]"));
    static const QRegularExpression byte(QStringLiteral("0x([0-9a-f]{2})"));
    QByteArrayList frames;
    const QStringList entries = log.toPlainText().split(stamp);
    for (qsizetype i = 1; i < entries.size(); ++i) {
        QByteArray frame;
        QRegularExpressionMatchIterator bytes = byte.globalMatch(entries.at(i));
        while (bytes.hasNext())
            frame.append(char(bytes.next().captured(1).toInt(nullptr, 16)));
        frames.append(frame);
    }
    return frames;
}
