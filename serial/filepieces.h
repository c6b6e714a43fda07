#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

class QIODevice;

// How Send File reads its file: a piece at a time, a line or at most 4 KB of
// a long one, so a file without line ends is never held whole. The file is
// opened as text, so a piece may hold fewer bytes than it took from the disk
// (a line's CR LF reads as LF).
namespace FilePieces {

inline constexpr qint64 maxBytes = 4096;

// The next piece; empty at the file's end or when the read fails.
[[nodiscard]] QByteArray next(QIODevice &file);

// Reads the rest of the file piece by piece and returns the bytes of those
// pieces: what the rest would still have sent, not what it takes on disk. A
// pipe is left unread, since its end may never come: its rest counts as none.
// `stopped`, when given, is asked before each piece: once it says so, the
// reading ends and the pieces read so far are returned.
qint64 skipRest(QIODevice &file, const std::function<bool()> &stopped = {});

} // namespace FilePieces
