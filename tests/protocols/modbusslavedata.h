#pragma once

#include <QtGlobal>

// What the test slave holds at start, unit 1, the same over TCP and RTU:
// `tableSize` entries of each kind from address 0; an address beyond them is
// refused with exception 2.
namespace ModbusSlaveData {

constexpr int unit = 1;
constexpr int tableSize = 200;

constexpr bool coil(int address)
{
    return address % 3 == 0;
}
constexpr bool discreteInput(int address)
{
    return address % 2 == 0;
}
constexpr quint16 inputRegister(int address)
{
    return quint16(0x2000 + address);
}
constexpr quint16 holdingRegister(int address)
{
    return quint16(0x1000 + address);
}

} // namespace ModbusSlaveData
