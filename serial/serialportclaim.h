#pragma once

#include "serialtoolrow.h"

#include <QPointer>

class ThreadSerial;

// The shared port as one tool held it when a press of that tool began to
// wait (behind a question or a file dialog). Each open of the port makes a
// new worker, so the claim still holds only while the same tool holds the
// same open: what the press does after its wait never reaches a device that
// another tool, or a later open, holds meanwhile.
struct SerialPortClaim
{
    SerialToolId tool = SerialToolId::Terminal;
    QPointer<ThreadSerial> worker; // null: the tool held no port
};
