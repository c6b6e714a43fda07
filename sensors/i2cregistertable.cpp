#include "i2cregistertable.h"

void I2cRegisterTable::take(QByteArrayView values)
{
    const qsizetype count = qMin<qsizetype>(values.size(), size);
    for (int index = 0; index < count; ++index)
        take(index, quint8(values[index]));
}

void I2cRegisterTable::take(int index, quint8 value)
{
    if (index < 0 || index >= size)
        return;
    Cell &cell = m_cells[index];
    if (cell.since == Since::Untaken) {
        cell.since = Since::Same;
        m_pending.append(index);
    }
    if (value != cell.value)
        cell.since = Since::Changed;
    cell.value = value;
}

QList<I2cRegisterTable::CellChange> I2cRegisterTable::show()
{
    QList<CellChange> changes;
    for (const int index : std::as_const(m_pending)) {
        Cell &cell = m_cells[index];
        const Shade before = cell.shade;
        if (cell.since == Since::Changed)
            cell.shade = before == Shade::Green ? Shade::Pink : Shade::Green;
        else
            cell.shade = Shade::White;
        const bool text = cell.value != cell.shown;
        cell.shown = cell.value;
        cell.since = Since::Untaken;
        if (text || cell.shade != before)
            changes.append({index, text, cell.shade != before});
    }
    m_pending.clear();
    return changes;
}
