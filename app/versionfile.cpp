#include "versionfile.h"

#include <algorithm>

namespace VersionFile {

namespace {
// Only this many characters after the first double quote are looked at.
constexpr int fieldLength = 10;
constexpr int patchDigits = 3;

// Whole decimal digits only: a sign, a blank or a letter is no version part.
std::optional<qint64> decimal(const QString &part)
{
    if (part.isEmpty())
        return std::nullopt;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = part.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}
} // namespace

std::optional<qint64> versionNumber(const QString &text)
{
    // Without a double quote the text is read from its first character.
    QString field = text.mid(text.indexOf(QLatin1Char('"')) + 1, fieldLength);
    // The version ends at the closing quote or at the line end, LF or CR LF.
    const auto end = std::find_if(field.cbegin(), field.cend(), [](QChar c) {
        return c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
    field.truncate(int(end - field.cbegin()));

    const int firstDot = field.indexOf(QLatin1Char('.'));
    if (firstDot < 0)
        return std::nullopt;
    const int secondDot = field.indexOf(QLatin1Char('.'), firstDot + 1);
    if (secondDot < 0)
        return std::nullopt;

    const auto major = decimal(field.left(firstDot));
    const auto minor = decimal(field.mid(firstDot + 1, secondDot - firstDot - 1));
    const auto patch = decimal(field.mid(secondDot + 1, patchDigits));
    if (!major || !minor || !patch)
        return std::nullopt;
    return *major * 10000 + *minor * 100 + *patch;
}

} // namespace VersionFile
