#pragma once

#include "regularfile.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;

// The file Send File reads. A worker of the program's own pool opens it and
// reads it ahead of the send, a few pieces (FilePieces) at a time, so the
// window never waits for the storage, however slow a read is. When the send
// is cut short, the same worker counts what is left to send: the pieces read
// and not sent, then the file, as it is by then, from where it read to its
// present end, by the pieces' rule (each CR LF one byte). A file that shrank
// or grew during the send is told as it is, and the window never reads the
// rest of a large file to count it.
class SendFileSource : public QObject
{
    Q_OBJECT

public:
    // What an open gave: the file open to read its bytes, or why not.
    struct Opening
    {
        RegularFile::Opened outcome = RegularFile::Opened::Failed;
        std::unique_ptr<QIODevice> file;
    };
    // Opens a file by its name; it runs on the worker.
    using Opener = std::function<Opening(const QString &name)>;
    // Tests read their own devices; none restores the regular files of the
    // file system (RegularFile::openToRead).
    static void setOpener(Opener opener);

    // Starts reading the file of that name.
    SendFileSource(const QString &name, QObject *parent);
    // The worker is told to stop and ends after the read it is in. Nothing
    // waits for it, and it uses nothing of this object.
    ~SendFileSource() override;

    [[nodiscard]] QString fileName() const { return m_name; }

    enum class Status {
        // A piece to send.
        Piece,
        // Nothing read yet: ask again later.
        Waiting,
        // Every piece is taken and the file has ended.
        End,
        NotRegular,
        OpenFailed,
        // A read failed; errorString() tells why.
        ReadFailed,
    };
    struct Next
    {
        Status status;
        QByteArray piece;
    };
    // The next piece if the worker has read it; it never waits.
    [[nodiscard]] Next next();
    [[nodiscard]] QString errorString() const;

    // The send ends here: no piece is taken any more, and the worker counts
    // what the pieces not taken and the rest of the file would still have
    // sent. counted() tells when it is done, unless restCounted() already
    // says so as this returns.
    void countRest();
    // The count of the rest has ended, whole or not.
    [[nodiscard]] bool restCounted() const;
    // The bytes not sent, once countRest() has counted all of them; none
    // while it counts or when the file could not be read to its end.
    [[nodiscard]] std::optional<qint64> rest() const;
    // The bytes counted so far: all the rest holds, or less.
    [[nodiscard]] qint64 restCountedSoFar() const;
    // Waits at most `ms` for the count to end; returns whether it has.
    bool waitForCount(int ms) const;

Q_SIGNALS:
    // The count of the rest has ended, whole or not: rest() tells which.
    void counted();

private:
    struct Shared;

    static void read(const std::shared_ptr<Shared> &shared, const QString &name,
                     const Opener &opener);

    const QString m_name;
    const std::shared_ptr<Shared> m_shared;
    QFutureWatcher<void> m_worker;
    bool m_counting = false;
};
