#include "datagrambudget.h"

DatagramBudget::DatagramBudget(qint64 bytes, int datagrams)
    : m_maximumBytes(bytes)
    , m_maximumDatagrams(datagrams)
{}

bool DatagramBudget::admits(qint64 size) const
{
    return m_datagrams == 0 ||
           (m_datagrams < m_maximumDatagrams && m_bytes + size <= m_maximumBytes);
}

void DatagramBudget::take(qint64 size)
{
    m_bytes += size;
    ++m_datagrams;
}
