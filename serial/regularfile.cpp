#include "regularfile.h"

#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The name is looked at first, so that a socket (which does not open) is
// told as what it is. The open itself does not wait, and what it opened is
// looked at again: the name may have come to name something else meanwhile.
RegularFile::Opened RegularFile::openToRead(QFile &file)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    struct stat status
    {};
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return Opened::NotRegular;
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return Opened::Failed;
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return Opened::NotRegular;
    }
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    if (file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Opened::Yes;
    ::close(handle);
    return Opened::Failed;
}

std::optional<QByteArray> RegularFile::readAtMost(QIODevice &file, qint64 limit)
{
    constexpr qint64 blockBytes = 16384;
    QByteArray bytes;
    while (bytes.size() < limit) {
        const qsizetype held = bytes.size();
        const qint64 asked = std::min(blockBytes, limit - held);
        bytes.resize(held + asked);
        const qint64 read = file.read(bytes.data() + held, asked);
        bytes.resize(held + std::max<qint64>(read, 0));
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            break;
    }
    return bytes;
}
