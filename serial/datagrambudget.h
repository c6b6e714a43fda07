#pragma once

#include <QtGlobal>

// How much one pass of a receive slot takes from a datagram socket. A flood
// must not hold the window: a pass stops before the datagram that would take
// it past its bytes, or past its number of datagrams, and the rest is read
// on a later turn of the event loop (the socket signals again while
// datagrams wait). The first datagram of a pass is always taken, however
// large, so a datagram above the budget never stops the reading.
class DatagramBudget
{
public:
    DatagramBudget(qint64 bytes, int datagrams);

    // Whether the pass takes a datagram of `size` bytes next.
    [[nodiscard]] bool admits(qint64 size) const;
    void take(qint64 size);
    [[nodiscard]] qint64 bytes() const { return m_bytes; }
    [[nodiscard]] int datagrams() const { return m_datagrams; }

private:
    qint64 m_maximumBytes;
    int m_maximumDatagrams;
    qint64 m_bytes = 0;
    int m_datagrams = 0;
};
