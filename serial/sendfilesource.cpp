#include "sendfilesource.h"

#include "filepieces.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {
// Runs on the worker: the file's pieces from its start, on a file of its
// own. No result when the file does not open again.
void countPieces(QPromise<qint64> &promise, const QString &name, QIODevice::OpenMode mode)
{
    QFile file(name);
    if (!file.open(mode))
        return;
    const qint64 total = FilePieces::skipRest(file, [&promise] { return promise.isCanceled(); });
    if (!promise.isCanceled())
        promise.addResult(total);
}
} // namespace

SendFileSource::SendFileSource(QFile *file, QObject *parent)
    : QObject(parent)
    , m_file(file)
{
    m_file->setParent(this);
    connect(&m_count, &QFutureWatcherBase::finished, this, &SendFileSource::counted);
    if (m_file->isSequential()) {
        m_total = 0;
        return;
    }
    m_count.setFuture(QtConcurrent::run(countPieces, m_file->fileName(), m_file->openMode()));
}

SendFileSource::~SendFileSource()
{
    m_count.cancel();
}

QByteArray SendFileSource::next()
{
    QByteArray piece = FilePieces::next(*m_file);
    m_read += piece.size();
    return piece;
}

std::optional<qint64> SendFileSource::rest()
{
    if (!m_total) {
        const QFuture<qint64> count = m_count.future();
        if (!count.isFinished())
            return std::nullopt;
        // A file that did not open again (removed, or its rights changed,
        // since Send File opened it) is counted from here on the spot.
        m_total = count.resultCount() > 0 ? count.result() : m_read + FilePieces::skipRest(*m_file);
    }
    // A file that changed on disk may have come to less than was read.
    return std::max<qint64>(*m_total - m_read, 0);
}

void SendFileSource::waitForCount()
{
    m_count.waitForFinished();
}
