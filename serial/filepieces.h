#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>
#include <optional>

class QIODevice;

// How Send File reads its file: a piece at a time, a line or at most 4 KB of
// a long one, so a file without line ends is never held whole. The file is
// read as bytes: each CR LF goes out as LF and every other byte, a lone CR
// among them, as it is. A CR that ends what a read took waits for the next
// byte to tell whether it begins a CR LF, so a CR LF split between two reads
// still goes out as one LF.
class FilePieces
{
public:
    static constexpr qint64 maxBytes = 4096;

    // Reads `file` from where it stands; `heldCr` when the byte before that
    // is a CR not sent yet (holdsCr() of the pieces read before).
    explicit FilePieces(QIODevice &file, bool heldCr = false);

    // Nothing is left to send: the file is at its end and no CR waits.
    [[nodiscard]] bool atEnd() const;
    [[nodiscard]] bool holdsCr() const { return m_heldCr; }
    // The next piece; empty at the end or when the read fails.
    [[nodiscard]] QByteArray next();

    // The bytes the pieces of `file` from where it stands to its end would
    // hold (`heldCr` as for the constructor), read in large blocks: every
    // byte less one for each CR LF. `goOn` is told the bytes counted so far
    // after each block; once it says no, the count ends. None when it ends
    // so or a read fails.
    [[nodiscard]] static std::optional<qint64> countRest(QIODevice &file, bool heldCr,
                                                         const std::function<bool(qint64)> &goOn);

private:
    // Reads the next piece into `buffer` (maxBytes + 2 bytes); returns its
    // size and sets `start` to where it begins there.
    qint64 read(char *buffer, qint64 &start);

    QIODevice &m_file;
    bool m_heldCr;
};
