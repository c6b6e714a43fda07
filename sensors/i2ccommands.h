#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>

// The command frames the host sends to the I2C bridge board, and the write
// dialog's data text read as bytes.
namespace I2cCommands {

// A write frame carries the register and at most this many data bytes.
constexpr qsizetype maxWriteData = 0xFFFF - 1;

[[nodiscard]] QByteArray stop();
[[nodiscard]] QByteArray scan();
[[nodiscard]] QByteArray start();
// The device address, its low byte sent.
[[nodiscard]] QByteArray setAddress(int address);
// `count` registers from `first`, each its low byte.
[[nodiscard]] QByteArray readRegisters(int first, int count);
// The data bytes to the register (its low byte); empty when there are no
// data bytes or more than maxWriteData.
[[nodiscard]] QByteArray writeRegisters(int reg, QByteArrayView data);

// The bytes of a text such as "0x01,0x34,0xab": tokens of "0x" and two hex
// digits, single commas between them, no blanks. None for any other text and
// for more bytes than a write frame carries.
[[nodiscard]] std::optional<QByteArray> parseWriteData(QStringView text);

} // namespace I2cCommands
