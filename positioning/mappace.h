#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Passes the map calls of the newest position on at most once per interval
// (a frame of the screen): calls offered after a quiet interval go at once;
// of those offered within an interval only the newest goes, as it ends. So
// a client streaming positions moves the map at the screen's pace, and the
// map ends at the last position sent.
class MapPace : public QObject
{
    Q_OBJECT

public:
    explicit MapPace(int intervalMs, QObject *parent = nullptr);

    // Takes the calls of the newest position; calls still waiting are
    // dropped.
    void offer(const QStringList &calls);

Q_SIGNALS:
    void due(const QStringList &calls);

private:
    void intervalEnded();

    QTimer m_interval;
    QStringList m_waiting;
};
