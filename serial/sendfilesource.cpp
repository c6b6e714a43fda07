#include "sendfilesource.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <fcntl.h>
#include <unistd.h>

namespace {
// Runs on the worker: counts what the pieces of the file behind `handle` (a
// handle of its own, on the same open file) from `position` to its end would
// hold, keeping `soFar` up to date. No result when the file cannot be read
// to its end.
void countPieces(QPromise<qint64> &promise, int handle, qint64 position, bool heldCr,
                 const std::shared_ptr<std::atomic<qint64>> &soFar)
{
    QFile file;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (handle >= 0)
            ::close(handle);
        return;
    }
    if (!file.seek(position))
        return;
    const std::optional<qint64> rest =
        FilePieces::countRest(file, heldCr, [&promise, &soFar](qint64 counted) {
            *soFar = counted;
            return !promise.isCanceled();
        });
    if (rest)
        promise.addResult(*rest);
}
} // namespace

SendFileSource::SendFileSource(QFile *file, QObject *parent)
    : QObject(parent)
    , m_file(file)
    , m_pieces(*file)
{
    m_file->setParent(this);
    connect(&m_count, &QFutureWatcherBase::finished, this, &SendFileSource::counted);
}

SendFileSource::~SendFileSource()
{
    m_count.cancel();
}

bool SendFileSource::atEnd() const
{
    return m_pieces.atEnd();
}

QByteArray SendFileSource::next()
{
    return m_pieces.next();
}

QString SendFileSource::errorString() const
{
    return m_file->errorString();
}

// The worker reads through a handle of its own on the file the send read, so
// it counts that file even when its name has gone or names another one since;
// the send's own handle is closed, so nothing here reads the file any more.
// A rest that is known to be empty needs no worker.
void SendFileSource::countRest()
{
    if (m_pieces.atEnd()) {
        m_file->close();
        m_rest = 0;
        Q_EMIT counted();
        return;
    }
    const int handle = ::fcntl(m_file->handle(), F_DUPFD_CLOEXEC, 0);
    const qint64 position = m_file->pos();
    m_file->close();
    m_count.setFuture(
        QtConcurrent::run(countPieces, handle, position, m_pieces.holdsCr(), m_countedSoFar));
}

std::optional<qint64> SendFileSource::rest() const
{
    if (m_rest)
        return m_rest;
    const QFuture<qint64> count = m_count.future();
    if (count.isFinished() && count.resultCount() > 0)
        return count.result();
    return std::nullopt;
}

bool SendFileSource::waitForCount(int ms) const
{
    if (m_rest)
        return true;
    const QDeadlineTimer deadline(ms);
    while (!m_count.future().isFinished() && !deadline.hasExpired())
        QThread::msleep(1);
    return m_count.future().isFinished();
}
