#pragma once

#include <QByteArrayView>
#include <QList>
#include <QtGlobal>

#include <array>

// The 256 register values of the i2cdump table and the shade of each cell:
// white for a value that stayed, green for one that changed, pink for one
// that changed again while green, so every change shows. The board may send
// tables faster than the cells are shown: every table is taken, and a show
// puts each register's newest value on its cell. A register counts as
// changed when any table taken since the last show changed it, so a change
// that only a table never shown carried still shows, even when the value
// went back; the shades step once per show, not once per table.
class I2cRegisterTable
{
public:
    static constexpr int size = 256;

    enum class Shade { Default, White, Green, Pink };

    // What a show changes on one cell.
    struct CellChange
    {
        int index;
        bool text;
        bool shade;
    };

    // Takes a register table: byte i is register i's new value; bytes past
    // the last register are ignored.
    void take(QByteArrayView values);
    // Takes a new value of one register; an index outside the table changes
    // nothing.
    void take(int index, quint8 value);
    // Whether registers were taken since the last show.
    [[nodiscard]] bool hasPending() const { return !m_pending.isEmpty(); }
    // Shades the registers taken since the last show and returns the cells
    // whose text or shade that changes.
    [[nodiscard]] QList<CellChange> show();

    // The newest value taken.
    [[nodiscard]] quint8 value(int index) const { return m_cells.at(index).value; }
    // The shade of the last show.
    [[nodiscard]] Shade shade(int index) const { return m_cells.at(index).shade; }

private:
    // What the tables taken since the last show did to a register.
    enum class Since : quint8 { Untaken, Same, Changed };
    struct Cell
    {
        quint8 value = 0;
        quint8 shown = 0;
        Shade shade = Shade::Default;
        Since since = Since::Untaken;
    };
    std::array<Cell, size> m_cells{};
    // The registers taken since the last show, each once.
    QList<int> m_pending;
};
