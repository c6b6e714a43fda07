#include "i2cregistertable.h"

bool I2cRegisterTable::apply(int index, quint8 value)
{
    if (index < 0 || index >= size)
        return false;
    Cell &cell = m_cells[index];
    const Shade before = cell.shade;
    if (value == cell.value)
        cell.shade = Shade::White;
    else
        cell.shade = cell.shade == Shade::Green ? Shade::Pink : Shade::Green;
    cell.value = value;
    return cell.shade != before;
}
