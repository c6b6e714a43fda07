#pragma once

#include <QtGlobal>

#include <array>

// The 256 register values of the i2cdump table and the shade of each cell:
// white for a value that stayed, green for one that changed, pink for one
// that changed again while green, so every change shows.
class I2cRegisterTable
{
public:
    static constexpr int size = 256;

    enum class Shade { Default, White, Green, Pink };

    // Takes a new value of one register; returns whether the cell's shade
    // changed. An index outside the table changes nothing.
    bool apply(int index, quint8 value);

    [[nodiscard]] quint8 value(int index) const { return m_cells.at(index).value; }
    [[nodiscard]] Shade shade(int index) const { return m_cells.at(index).shade; }

private:
    struct Cell
    {
        quint8 value = 0;
        Shade shade = Shade::Default;
    };
    std::array<Cell, size> m_cells{};
};
