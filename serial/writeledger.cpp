#include "writeledger.h"

#include <algorithm>

void WriteLedger::queued(Writer writer, qint64 bytes)
{
    if (bytes <= 0)
        return;
    m_entries.push_back({writer, bytes});
    pendingOf(writer) += bytes;
}

WriteLedger::Written WriteLedger::written(qint64 bytes)
{
    Written done;
    while (bytes > 0 && !m_entries.empty()) {
        Entry &oldest = m_entries.front();
        const qint64 taken = std::min(bytes, oldest.bytes);
        bytes -= taken;
        oldest.bytes -= taken;
        pendingOf(oldest.writer) -= taken;
        if (oldest.writer == Writer::Send)
            done.sendBytes += taken;
        if (oldest.bytes > 0)
            break;
        if (oldest.writer == Writer::Send)
            ++done.sendsDone;
        m_entries.pop_front();
    }
    return done;
}

void WriteLedger::dropNewest(qint64 bytes)
{
    while (bytes > 0 && !m_entries.empty()) {
        Entry &newest = m_entries.back();
        const qint64 dropped = std::min(bytes, newest.bytes);
        bytes -= dropped;
        newest.bytes -= dropped;
        pendingOf(newest.writer) -= dropped;
        if (newest.bytes == 0)
            m_entries.pop_back();
    }
}

void WriteLedger::clear()
{
    m_entries.clear();
    m_pendingSend = 0;
    m_pendingFile = 0;
}

qint64 WriteLedger::pending(Writer writer) const
{
    return writer == Writer::Send ? m_pendingSend : m_pendingFile;
}

qint64 WriteLedger::pending() const
{
    return m_pendingSend + m_pendingFile;
}

qint64 &WriteLedger::pendingOf(Writer writer)
{
    return writer == Writer::Send ? m_pendingSend : m_pendingFile;
}
