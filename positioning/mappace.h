#pragma once

#include "framepace.h"

#include <QObject>
#include <QStringList>

// Passes the map calls of the newest position on at the pace of a
// `FramePace`: calls offered after a quiet frame go at once; of those
// offered within a frame only the newest goes, as it ends. So a client
// streaming positions moves the map at the screen's pace, and the map ends
// at the last position sent.
class MapPace : public QObject
{
    Q_OBJECT

public:
    explicit MapPace(int frameMs, QObject *parent = nullptr);

    // Takes the calls of the newest position; calls still waiting are
    // dropped.
    void offer(const QStringList &calls);

Q_SIGNALS:
    void due(const QStringList &calls);

private:
    FramePace m_pace;
    QStringList m_waiting;
};
