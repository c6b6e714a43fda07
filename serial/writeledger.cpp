#include "writeledger.h"

#include <algorithm>

namespace {
// unwrite() knows the writers of this many of the newest written bytes, far
// more than any serial driver holds.
constexpr qint64 recentLimit = 1 << 20;
} // namespace

void WriteLedger::queue(Writer writer, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_entries.push_back({writer, bytes});
    pendingOf(writer) += bytes.size();
}

QByteArray WriteLedger::nextPiece(qint64 maxBytes) const
{
    for (const Entry &entry : m_entries)
        if (entry.held() > 0)
            return entry.bytes.mid(entry.offset, std::min(maxBytes, entry.held()));
    return {};
}

void WriteLedger::handedOver(qint64 bytes)
{
    for (Entry &entry : m_entries) {
        if (entry.held() == 0)
            continue;
        const qint64 taken = std::min(bytes, entry.held());
        entry.offset += taken;
        entry.handed += taken;
        m_handed += taken;
        // The port has all of it: the bytes are not needed any more.
        if (entry.held() == 0) {
            entry.bytes = QByteArray();
            entry.offset = 0;
        }
        return;
    }
}

WriteLedger::Written WriteLedger::written(qint64 bytes)
{
    Written done;
    bytes = std::min(bytes, m_handed);
    while (bytes > 0 && !m_entries.empty()) {
        Entry &oldest = m_entries.front();
        const qint64 taken = std::min(bytes, oldest.handed);
        const bool send = isSend(oldest.writer);
        bytes -= taken;
        oldest.handed -= taken;
        m_handed -= taken;
        pendingOf(oldest.writer) -= taken;
        if (send)
            done.sendBytes += taken;
        noteWritten(send, taken);
        if (oldest.handed > 0 || oldest.held() > 0)
            break;
        if (send && !oldest.cut)
            ++done.sendsDone;
        m_entries.pop_front();
    }
    return done;
}

qint64 WriteLedger::takeBack(Writer writer)
{
    qint64 taken = 0;
    for (auto entry = m_entries.begin(); entry != m_entries.end();) {
        if (entry->writer != writer || entry->held() == 0) {
            ++entry;
            continue;
        }
        taken += entry->held();
        pendingOf(writer) -= entry->held();
        entry->bytes = QByteArray();
        entry->offset = 0;
        if (entry->handed > 0) {
            entry->cut = true;
            ++entry;
        } else {
            entry = m_entries.erase(entry);
        }
    }
    return taken;
}

qint64 WriteLedger::unwrite(qint64 bytes)
{
    qint64 sends = 0;
    while (bytes > 0 && !m_recent.empty()) {
        Run &newest = m_recent.back();
        const qint64 taken = std::min(bytes, newest.bytes);
        if (newest.send)
            sends += taken;
        bytes -= taken;
        newest.bytes -= taken;
        m_recentBytes -= taken;
        if (newest.bytes == 0)
            m_recent.pop_back();
    }
    return sends;
}

void WriteLedger::counterCleared()
{
    m_recent.clear();
    m_recentBytes = 0;
}

void WriteLedger::noteWritten(bool send, qint64 bytes)
{
    if (bytes <= 0)
        return;
    if (!m_recent.empty() && m_recent.back().send == send)
        m_recent.back().bytes += bytes;
    else
        m_recent.push_back({send, bytes});
    m_recentBytes += bytes;
    while (m_recentBytes > recentLimit) {
        Run &oldest = m_recent.front();
        const qint64 forgotten = std::min(oldest.bytes, m_recentBytes - recentLimit);
        oldest.bytes -= forgotten;
        m_recentBytes -= forgotten;
        if (oldest.bytes == 0)
            m_recent.pop_front();
    }
}

void WriteLedger::clear()
{
    m_entries.clear();
    m_recent.clear();
    m_recentBytes = 0;
    std::fill(std::begin(m_pending), std::end(m_pending), 0);
    m_handed = 0;
}

qint64 WriteLedger::pending(Writer writer) const
{
    return m_pending[int(writer)];
}

qint64 WriteLedger::pending() const
{
    return m_pending[0] + m_pending[1] + m_pending[2];
}
