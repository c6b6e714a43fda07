#pragma once

#include <QByteArray>
#include <QString>

// Turns the text of a terminal's send box into the bytes to write.
namespace SendEncoder {

enum class Error { None, BadHexToken };

struct Result
{
    Error error = Error::None;
    QByteArray bytes;
    // The first blank-separated part that is not a hexadecimal number.
    QString badToken;
};

// Hex mode: parts separated by single blanks, empty parts skipped, each part
// a base-16 number of which the low eight bits make one byte; one bad part
// fails the whole text and no bytes are given.
[[nodiscard]] Result fromHexTokens(const QString &text);

// Text mode: the UTF-8 bytes with every line feed sent as CR LF; CR LF pairs
// already present stay single and a lone CR stays as it is.
[[nodiscard]] QByteArray fromText(const QString &text);

} // namespace SendEncoder
