#pragma once

#include <QObject>
#include <QString>

class QLCDNumber;
class QStatusBar;
class ReceiveView;

// Shows what a tool received, on its byte counter and in the status bar,
// when its receive view shows the data: a device that sends many small
// reads would otherwise repaint the counter and the status bar (and what
// lies behind them) on every read.
class ReceiveReport : public QObject
{
    Q_OBJECT

public:
    ReceiveReport(ReceiveView *view, QLCDNumber *counter, QStatusBar *statusBar,
                  QObject *parent = nullptr);

    // Counts `bytes` and shows `message` with the view's next update. A
    // message shown by anyone else meanwhile is newer and stays.
    void add(qint64 bytes, const QString &message);
    // The counter was cleared: what is not shown yet is not counted.
    void clear();

private:
    void show();

    QLCDNumber *m_counter;
    QStatusBar *m_statusBar;
    qint64 m_bytes = 0;
    QString m_message;
    bool m_showing = false;
};
