#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The maker's version file: any text, a double quote, the version as
// major.minor.patch in decimal digits, a double quote and a line end.
namespace VersionFile {

// The program's own version 3.3.8 as major × 10000 + minor × 100 + patch.
inline constexpr qint64 builtInNumber = 30308;

// The version in the file as major × 10000 + minor × 100 + patch, with the
// patch cut to its first three digits; nothing when the text holds no version.
[[nodiscard]] std::optional<qint64> versionNumber(const QString &text);

// Whether a version number names a newer version than the program's own.
[[nodiscard]] constexpr bool isNewer(qint64 number)
{
    return number > builtInNumber;
}

} // namespace VersionFile
