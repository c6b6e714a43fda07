#pragma once

#include <QByteArray>

// Stored commands are typed on one line; two-character backslash escapes in
// them stand for control characters and quotes.
namespace CommandEscapes {

// Replaces \r \n \t \a \b \f \v \\ \? \' \" by the bytes they name, one kind
// after the other in that order over the whole text; any other backslash
// stays as it is.
[[nodiscard]] QByteArray expand(QByteArray bytes);

} // namespace CommandEscapes
