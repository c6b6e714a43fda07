#pragma once

#include <QByteArray>

#include <optional>

class QFile;
class QIODevice;

// Opens a file to read its bytes only when it is a regular file. A named
// pipe, a device or a socket is refused before anything could block on it:
// opening a pipe to read waits for its writer, and a device never ends.
namespace RegularFile {

enum class Opened { Yes, NotRegular, Failed };

// Opens `file` (its name set) read-only, as bytes: no text mode.
Opened openToRead(QFile &file);

// Reads `file` from where it stands until a read gives no more bytes, never
// by the size it reports (a /proc file reports none), and at most `limit`
// bytes. None when a read fails.
std::optional<QByteArray> readAtMost(QIODevice &file, qint64 limit);

} // namespace RegularFile
