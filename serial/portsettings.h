#pragma once

#include <QString>

// The parameters a serial tool reads from its port-settings boxes.
struct PortSettings
{
    QString portName;
    int baudRate = 0;
    int dataBits = 8;
    int parity = 0;   // index in "None", "Odd", "Even", "Mark", "Space"
    int stopBits = 0; // index in "1", "1.5", "2"

    // A decimal number, blanks around it ignored; 0 for anything else.
    [[nodiscard]] static int numberFromText(const QString &text);
};
