#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <deque>

// The bytes a tool sends through a port, write by write, oldest first, at
// three stages: held by the tool, handed to the port (its own queue), and
// written by the port to the system's driver, which passes them on to the
// device. The tool hands the port one bounded piece at a time, once the port
// has written the piece before, so that what it has not handed over can still
// be taken back (a Pause, a Close) without touching what the driver took:
// those bytes are counted as sent and are on their way. A port tells what it
// wrote only as a number of bytes; the ledger gives those back to the writes
// they belong to, so the serial terminal counts its sends as the port writes
// them and knows when a send, or a piece of Send File, has gone.
class WriteLedger
{
public:
    // Sends (typed, repeated, stored commands) are counted in the terminal's
    // counter; pieces of a file are not. A repeated send is what a Pause
    // takes back.
    enum class Writer { Send, Repeat, File };

    // What one report of written bytes came to.
    struct Written
    {
        qint64 sendBytes = 0; // bytes of sends among them
        int sendsDone = 0;    // sends written whole, their last byte among them
    };

    void queue(Writer writer, const QByteArray &bytes);
    // The next piece for the port: at most `maxBytes` of the oldest write
    // that still holds bytes; empty when none does. handedOver() then notes
    // what the port took of it.
    [[nodiscard]] QByteArray nextPiece(qint64 maxBytes) const;
    void handedOver(qint64 bytes);
    // The port wrote `bytes` more of what it was handed; bytes beyond that
    // are passed over.
    Written written(qint64 bytes);
    // Takes back the bytes of one writer's writes that the port was not
    // handed; returns how many. A write of which the port has a part is cut:
    // that part still goes, but the write never counts as done.
    qint64 takeBack(Writer writer);
    // The driver dropped the newest `bytes` the port had written: they were
    // not sent after all. Returns the bytes of sends among them that were
    // written since the terminal's counter was last cleared.
    qint64 unwrite(qint64 bytes);
    // The terminal's counter was cleared: the sends written so far are no
    // longer in it, so unwrite() gives none of them back.
    void counterCleared();
    void clear();

    // Bytes queued and not written yet, of one writer or of all.
    [[nodiscard]] qint64 pending(Writer writer) const;
    [[nodiscard]] qint64 pending() const;
    // Bytes handed to the port and not written yet.
    [[nodiscard]] qint64 handed() const { return m_handed; }

private:
    struct Entry
    {
        Writer writer;
        QByteArray bytes;
        qint64 offset = 0; // of `bytes`, handed to the port so far
        qint64 handed = 0; // handed to the port and not written yet
        bool cut = false;
        [[nodiscard]] qint64 held() const { return bytes.size() - offset; }
    };
    // A run of written bytes, newest last, kept for unwrite().
    struct Run
    {
        bool send;
        qint64 bytes;
    };
    std::deque<Entry> m_entries;
    std::deque<Run> m_recent;
    qint64 m_recentBytes = 0;
    qint64 m_pending[3] = {};
    qint64 m_handed = 0;

    [[nodiscard]] static bool isSend(Writer writer) { return writer != Writer::File; }
    [[nodiscard]] qint64 &pendingOf(Writer writer) { return m_pending[int(writer)]; }
    void noteWritten(bool send, qint64 bytes);
};
