#pragma once

class QFile;

// Opens a file to read its bytes only when it is a regular file. A named
// pipe, a device or a socket is refused before anything could block on it:
// opening a pipe to read waits for its writer, and a device never ends.
namespace RegularFile {

enum class Opened { Yes, NotRegular, Failed };

// Opens `file` (its name set) read-only, as bytes: no text mode.
Opened openToRead(QFile &file);

} // namespace RegularFile
