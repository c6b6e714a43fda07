// libFuzzer target of the Unicode escape converter. The first byte chooses
// the "\U" prefixes; the rest is read both as escaped text typed by the user
// and as text (UTF-16 units) to escape. Text escaped reads back as itself,
// and hex groups read and escaped again come back in upper case.

#include "fuzzcheck.h"
#include "unicodeescape.h"

#include <cctype>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const bool prefixed = input.byte() & 1;
    const QByteArray rest = input.rest();

    const QString escaped = QString::fromLatin1(rest);
    const QString decoded = UnicodeEscape::decode(escaped, prefixed);
    require(decoded.size() <= escaped.size() / 4, "a unit comes from a group of four");

    const QString text(reinterpret_cast<const QChar *>(rest.constData()), rest.size() / 2);
    const QString encoded = UnicodeEscape::encode(text, prefixed);
    require(UnicodeEscape::decode(encoded, prefixed) == text, "text escaped reads back");

    QString hex = escaped;
    hex.removeIf([](QChar c) { return !isxdigit(c.toLatin1()); });
    hex.truncate(hex.size() / 4 * 4);
    require(UnicodeEscape::encode(UnicodeEscape::decode(hex, false), false) == hex.toUpper(),
            "hex groups read and escaped again come back");
    return 0;
}
