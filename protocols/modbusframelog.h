#pragma once

#include "receivelines.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

// One of the Modbus tab's two logs, a read-only plain-text view: each frame
// on a line of its own, a green "[hh:mm:ss.zzz]" stamp taken when it is
// logged, then the frame in black as "0x%1," per byte without the last
// character (a line feed follows each 0x0a byte). Long frames go on in
// continuation lines and only the newest lines are kept. A frame received
// that answers no request of the moment is marked so. Frames are gathered
// and written together, within 10 ms after a quiet spell and at most ten
// times a second while they keep coming (less often when writes are long,
// and a large gathering in parts), so a run of quick transactions neither
// lays out and repaints the view for every frame nor holds the window long.
class ModbusFrameLog : public QObject
{
    Q_OBJECT

public:
    ModbusFrameLog(QPlainTextEdit *view, int maximumLines, QObject *parent = nullptr);

    void append(const QByteArray &frame, bool answersNoRequest = false);
    // Writes what is gathered now, or its next part when it is large.
    void flush();
    void clear();

private:
    void gather(ReceiveLines::Batch batch);

    QPlainTextEdit *m_view;
    ReceiveLines m_lines;
    // Lines taken and not yet written.
    ReceiveLines::Batch m_backlog;
    QTimer m_writeTimer;
    QElapsedTimer m_sinceWrite;
    qint64 m_refreshMs = 100;
    int m_stampMs = -1;
    QString m_stamp;
};
