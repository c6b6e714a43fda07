#include "filewrite.h"

#include <QFile>
#include <QSaveFile>

namespace {
// Unbuffered, so that a write the disk takes only in part is retried at once
// and the one after it fails with the system's reason (a flush that fails
// midway reports none).
constexpr QIODevice::OpenMode unbuffered = QIODevice::WriteOnly | QIODevice::Unbuffered;

bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}
} // namespace

FileWrite::Result FileWrite::replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(unbuffered))
        return {Failure::Open, file.errorString()};
    if (!writeAll(file, bytes)) {
        // Cancelling replaces the reason with its own, so it is taken first.
        const QString reason = file.errorString();
        file.cancelWriting();
        return {Failure::Write, reason};
    }
    if (!file.commit())
        return {Failure::Write, file.errorString()};
    return {};
}

FileWrite::Result FileWrite::append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(unbuffered | QIODevice::Append))
        return {Failure::Open, file.errorString()};
    const qint64 end = file.size();
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        (void)file.resize(end);
        return {Failure::Write, reason};
    }
    return {};
}
