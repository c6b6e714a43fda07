#pragma once

#include <QtGlobal>

#include <deque>

// The bytes a tool has queued on a port, write by write, oldest first. A
// port reports what it wrote only as a number of bytes (bytesWritten, which
// counts bytes handed to the system); the ledger gives those bytes back to
// the writes they belong to, so the serial terminal counts its sends as the
// port writes them and knows when a send, or a piece of Send File, has gone.
class WriteLedger
{
public:
    // A send is counted in the terminal's counter; a piece of a file is not.
    enum class Writer { Send, File };

    // What one report of written bytes came to.
    struct Written
    {
        qint64 sendBytes = 0; // bytes of sends among them
        int sendsDone = 0;    // sends whose last byte was among them
    };

    void queued(Writer writer, qint64 bytes);
    // The port wrote `bytes` more of the queue; bytes beyond what was queued
    // (written before the ledger knew of them) are passed over.
    Written written(qint64 bytes);
    // The port dropped the newest `bytes` of its queue unwritten.
    void dropNewest(qint64 bytes);
    void clear();

    // Bytes queued and not written yet, of one writer or of all.
    [[nodiscard]] qint64 pending(Writer writer) const;
    [[nodiscard]] qint64 pending() const;

private:
    struct Entry
    {
        Writer writer;
        qint64 bytes;
    };
    std::deque<Entry> m_entries;
    qint64 m_pendingSend = 0;
    qint64 m_pendingFile = 0;

    [[nodiscard]] qint64 &pendingOf(Writer writer);
};
