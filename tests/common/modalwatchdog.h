#pragma once

#include <QObject>
#include <QTimer>

// Watches for modal windows while a window test runs. A modal box that no
// test answers would wait for a user forever; instead the running test
// fails, naming the box, and the box is closed so the test can go on.
class ModalWatchdog : public QObject
{
public:
    ModalWatchdog();

private:
    void check();

    QTimer m_timer;
};
