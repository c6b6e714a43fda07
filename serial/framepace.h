#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Paces the shows of something a stream keeps changing: a request after a
// quiet frame is due at once; requests within a frame of the last show are
// due together when that frame ends. So a stream is shown at most once a
// frame of the screen, no work goes into pictures the screen never gets to
// show, and what came last is always shown.
class FramePace : public QObject
{
    Q_OBJECT

public:
    explicit FramePace(int frameMs, QObject *parent = nullptr);

    // The time of one frame of a screen refreshing `refreshRate` times a
    // second, in whole milliseconds (at least 1); a rate below 1 Hz counts
    // as 60 Hz.
    [[nodiscard]] static int frameMsOf(qreal refreshRate);

    // Asks for a show: `due` comes at once or when the frame ends.
    void request();
    // Shows now, whether asked for or not, and starts a new frame.
    void dueNow();

Q_SIGNALS:
    void due();

private:
    const int m_frameMs;
    QTimer m_frameEnd;
    QElapsedTimer m_sinceShown;
};
