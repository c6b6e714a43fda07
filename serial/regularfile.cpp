#include "regularfile.h"

#include <QFile>

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
