#pragma once

#include <QByteArrayView>
#include <QString>

// What the i2cdump tab's log prints of the bridge board's answers, each line
// ended by CR LF.
namespace I2cLogText {

// "Searching for I2C devices on the bus:" and a line of the addresses found,
// e.g. "0x3c, 0x48, ".
[[nodiscard]] QString scanResult(QByteArrayView addresses);
// "Reg addr 0x10: 0xaa, 0x05, ": the first register read and the values.
[[nodiscard]] QString readResult(int reg, QByteArrayView values);

} // namespace I2cLogText
