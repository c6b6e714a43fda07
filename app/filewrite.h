#pragma once

#include <QString>

class QByteArray;

// Writes files so that a failure, a full disk among them, is told with its
// reason and never leaves a file cut short.
class FileWrite
{
public:
    enum class Failure { None, Open, Write };

    struct Result
    {
        Failure failure = Failure::None;
        // The system's reason of a failure.
        QString reason;
    };

    // Writes the bytes into a new file beside `path`, which takes its place
    // only once every byte is written: on a failure the old file stays whole.
    [[nodiscard]] static Result replace(const QString &path, const QByteArray &bytes);
    // Appends the bytes whole or not at all: a failure cuts the file back to
    // where it ended.
    [[nodiscard]] static Result append(const QString &path, const QByteArray &bytes);
};
