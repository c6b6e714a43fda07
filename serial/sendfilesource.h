#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>

#include <optional>

class QFile;

// The file Send File reads, a piece at a time (FilePieces, read as text),
// and what is left of it to send. As the send begins, a worker thread counts
// the whole file in the same pieces, so that what is left (the count less
// the pieces read so far) is known at once when a close cuts the send short:
// the window never reads the rest of a large file to count it.
class SendFileSource : public QObject
{
    Q_OBJECT

public:
    // Takes `file`, open at its start, and starts the count: the worker
    // opens the file again by its name, in the same mode, and never touches
    // this one. A pipe is not counted, since its end may never come: its
    // rest counts as none.
    SendFileSource(QFile *file, QObject *parent);
    // A count under way is cancelled and ends at its next piece. The worker
    // uses nothing of this object, so it may end after it.
    ~SendFileSource() override;

    [[nodiscard]] QFile &file() const { return *m_file; }
    // The next piece; empty at the file's end or when the read fails.
    [[nodiscard]] QByteArray next();
    // The bytes of the pieces not read yet; none while the worker counts.
    [[nodiscard]] std::optional<qint64> rest();
    void waitForCount();

Q_SIGNALS:
    // The worker has counted the file: rest() is known from now on.
    void counted();

private:
    QFile *m_file;
    QFutureWatcher<qint64> m_count;
    std::optional<qint64> m_total;
    qint64 m_read = 0;
};
