#pragma once

#include <QString>

// Where two texts part, for a message that does not print megabytes.
inline QString textDifference(const QString &actual, const QString &expected)
{
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return QStringLiteral("%1 characters, %2 expected, apart from %3")
        .arg(actual.size())
        .arg(expected.size())
        .arg(at);
}
