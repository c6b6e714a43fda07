#pragma once

#include <QtGlobal>

// Paces the shows of a view that a stream keeps changing: what comes after a
// quiet spell shows at once, a stream at most once a frame of the screen, so
// no work goes into pictures the screen never gets to show.
class FramePace
{
public:
    // The screen's refresh rate in Hz; a rate below 1 Hz or none counts as
    // 60 Hz.
    explicit FramePace(qreal refreshRate);

    // The time of one frame, in whole milliseconds (at least 1).
    [[nodiscard]] int frameMs() const { return m_frameMs; }
    // How long to wait before the next show when the last one was
    // `sinceShownMs` ago; negative when there was none.
    [[nodiscard]] int delayMs(qint64 sinceShownMs) const;

private:
    int m_frameMs;
};
