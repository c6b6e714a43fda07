#pragma once

#include "bytecounter.h"

#include <QLCDNumber>
#include <QString>

#include <functional>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class ReceiveReport;
class ReceiveView;

// What the three terminals (serial, UDP, TCP) handle alike: their receive
// views and switches, send box, repeat controls and byte counters, with the
// repeat interval and the terminal's own single send. The handlers shared by
// the terminals take this, so each terminal's named slot is one call with
// its own widgets.
struct TerminalWidgets
{
    ReceiveView *receiveView = nullptr;
    ReceiveReport *receiveReport = nullptr;
    QCheckBox *timeBox = nullptr;
    QCheckBox *hexBox = nullptr;
    QPlainTextEdit *sendBox = nullptr;
    QPushButton *sendButton = nullptr;
    QString sendText; // the send button's text while no repeat runs
    QCheckBox *keepSendBox = nullptr;
    QSpinBox *intervalBox = nullptr;
    QTimer *sendTimer = nullptr;
    int sendInterval = 0;
    std::function<void()> sendOnce;
    // Takes back what the transport still holds of a repeat that ends, where
    // it can; may be left empty.
    std::function<void()> dropQueued;
    QLCDNumber *sentCounter = nullptr;
    QLCDNumber *receivedCounter = nullptr;
};

// Adds `bytes` to one of a terminal's counters, which stop at 99999.
inline void addToCounter(QLCDNumber *counter, qint64 bytes)
{
    counter->display(ByteCounter::added(counter->intValue(), bytes));
}

// Takes back `bytes` that one of a terminal's counters had counted.
inline void takeFromCounter(QLCDNumber *counter, qint64 bytes)
{
    counter->display(ByteCounter::taken(counter->intValue(), bytes));
}
