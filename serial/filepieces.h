#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>
#include <optional>

class QIODevice;

// How Send File reads its file: a piece at a time, a line or at most 4 KB of
// a long one, so a file without line ends is never held whole. The file is
// read as bytes until a read gives none, whatever size the file reports (a
// /proc file reports none, a /sys file a page): each CR LF goes out as LF
// and every other byte, a lone CR among them, as it is. A CR that a read
// ends on waits for the next byte to tell whether it begins a CR LF, so a CR
// LF split between two reads still goes out as one LF.
class FilePieces
{
public:
    static constexpr qint64 maxBytes = 4096;
    // The rest is counted a block at a time, and the count asked after each
    // whether to go on.
    static constexpr qint64 countBlockBytes = qint64(1) << 20;

    // Reads `file` from where it stands.
    explicit FilePieces(QIODevice &file);

    // The next piece, read as long as the file takes; empty at the end or
    // when a read fails (failed() tells which). The bytes read before a read
    // failed still come first.
    [[nodiscard]] QByteArray next();
    // A read failed: nothing more comes.
    [[nodiscard]] bool failed() const { return m_failed; }

    // The bytes the pieces not taken yet would hold, to the file's end as it
    // is now: every byte less one for each CR LF. `goOn` is told the bytes
    // counted so far after each block; once it says no, the count ends. None
    // when it ends so or a read fails.
    [[nodiscard]] std::optional<qint64> countRest(const std::function<bool(qint64)> &goOn);

private:
    // Reads until the buffer holds a line, or a piece's bytes and the one
    // after them, or the file ends: a read that waits never holds back a
    // piece it has read.
    void fill();

    QIODevice &m_file;
    // Bytes read and not yet cut into pieces.
    QByteArray m_buffer;
    bool m_ended = false;
    bool m_failed = false;
};
