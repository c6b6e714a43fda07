#pragma once

#include "filepieces.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>
#include <optional>

class QFile;

// The file Send File reads, a piece at a time (FilePieces), and what is left
// of it to send when the send is cut short. Only then is the rest counted:
// a worker thread reads the file, as it is by then, from where the send
// stopped to its present end, by the pieces' rule (each CR LF one byte), so
// a file that shrank or grew during the send is told as it is, and the
// window never reads the rest of a large file to count it.
class SendFileSource : public QObject
{
    Q_OBJECT

public:
    // Takes `file`, a regular file open at its start to read its bytes.
    SendFileSource(QFile *file, QObject *parent);
    // A count under way is cancelled and ends after the block it reads. The
    // worker uses nothing of this object, so it may end after it.
    ~SendFileSource() override;

    // Nothing is left to send.
    [[nodiscard]] bool atEnd() const;
    // The next piece; empty at the end or when the read fails.
    [[nodiscard]] QByteArray next();
    // Why the last read failed.
    [[nodiscard]] QString errorString() const;

    // The send ends here: the file is closed and a worker counts what its
    // rest would still have sent; counted() tells when it is done.
    void countRest();
    // The bytes the rest would have sent, once countRest() has counted all of
    // it; none while it counts or when the file could not be read to its end.
    [[nodiscard]] std::optional<qint64> rest() const;
    // The bytes counted so far: all the rest holds, or less.
    [[nodiscard]] qint64 restCountedSoFar() const { return *m_countedSoFar; }
    // Waits at most `ms` for the count to end; returns whether it has.
    bool waitForCount(int ms) const;

Q_SIGNALS:
    // The count of the rest has ended, whole or not: rest() tells which.
    void counted();

private:
    QFile *m_file;
    FilePieces m_pieces;
    QFutureWatcher<qint64> m_count;
    const std::shared_ptr<std::atomic<qint64>> m_countedSoFar =
        std::make_shared<std::atomic<qint64>>(0);
    // Known without a count: the send had nothing left.
    std::optional<qint64> m_rest;
};
