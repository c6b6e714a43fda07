#pragma once

#include "modbusreplycollector.h"
#include "receivelines.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

class QPlainTextEdit;

// One of the Modbus tab's two logs, a read-only plain-text view: each frame
// on a line of its own, a green "[hh:mm:ss.zzz]" stamp taken when it is
// logged, then the frame in black as "0x%1," per byte without the last
// character (a line feed follows each 0x0a byte). Long frames go on in
// continuation lines and only the newest lines are kept. A frame received
// that answers no request of the moment is marked so.
//
// Frames are kept as they came and written out as text only when they are
// to show: within 10 ms after a quiet spell and at most ten times a second
// while they keep coming (less often when writes are long, and a large
// write in parts), so a run of quick transactions neither lays out and
// repaints the view for every frame nor holds the window long. While frames
// come faster than a refresh can show them, a refresh shows only the newest
// few hundred lines, once a second; once they stop, the view gets all the
// newest lines it keeps. Frames pushed out of the line limit before their
// turn are never written.
class ModbusFrameLog : public QObject
{
    Q_OBJECT

public:
    ModbusFrameLog(QPlainTextEdit *view, int maximumLines, QObject *parent = nullptr);

    void append(const QByteArray &frame, bool answersNoRequest = false);
    // Each frame on its own, marked when it answers no request.
    void append(const QList<ModbusReplyCollector::Frame> &frames);
    // Writes what the view does not show yet, or the next part of a large
    // write under way.
    void flush();
    void clear();

private:
    // A frame as it was logged, and when (milliseconds into the day).
    struct Entry
    {
        QByteArray frame;
        int loggedAtMs = 0;
        bool answersNoRequest = false;
    };
    // What a write takes: the frames not written yet, behind what the view
    // shows; or the newest frames, a few hundred lines of them or as many
    // as the view keeps, in place of what it shows.
    enum class Take { Unwritten, Preview, Complete };

    void refresh();
    void gather(Take take);
    void writePart();
    void planWrite();

    QPlainTextEdit *m_view;
    int m_maximumLines;
    // The newest frames logged, no more than the view could show (they take
    // at least m_entryLines lines), the last m_unwritten of them not written
    // yet (at least m_unwrittenLines lines).
    std::deque<Entry> m_entries;
    qsizetype m_entryLines = 0;
    qsizetype m_unwritten = 0;
    qsizetype m_unwrittenLines = 0;
    // The view shows all it keeps of the frames written, not only the
    // newest few.
    bool m_complete = true;
    ReceiveLines m_lines;
    // Lines taken and not yet written.
    ReceiveLines::Batch m_backlog;
    QTimer m_writeTimer;
    // Since the current or last write began, how long its parts took, and
    // whether it showed only the newest lines.
    QElapsedTimer m_sinceWrite;
    qint64 m_writeNs = 0;
    bool m_preview = false;
    qint64 m_refreshMs = 100;
    int m_stampMs = -1;
    QString m_stamp;
};
