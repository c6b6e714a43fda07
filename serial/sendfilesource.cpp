#include "sendfilesource.h"

#include "filepieces.h"
#include "workerpool.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QMutex>
#include <QScopeGuard>
#include <QWaitCondition>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <deque>
#include <utility>

namespace {
// The worker reads this many pieces ahead of the send: enough to keep a
// device busy while a slow read comes, few enough that a file changed
// during the send is told nearly as it is at the Close.
constexpr size_t readAhead = 16;

SendFileSource::Opener &installedOpener()
{
    static SendFileSource::Opener opener;
    return opener;
}

SendFileSource::Opening openRegularFile(const QString &name)
{
    auto file = std::make_unique<QFile>(name);
    const RegularFile::Opened outcome = RegularFile::openToRead(*file);
    if (outcome != RegularFile::Opened::Yes)
        file.reset();
    return {outcome, std::move(file)};
}
} // namespace

// What the window and the worker share, guarded by `mutex`.
struct SendFileSource::Shared
{
    QMutex mutex;
    // Room for a piece, the send's end, the source gone, the worker's end.
    QWaitCondition changed;
    // Pieces read and not taken, and their bytes.
    std::deque<QByteArray> pieces;
    qint64 piecesBytes = 0;
    // What the window finds once it has taken every piece: Waiting while
    // the file opens and is read, never Piece.
    Status status = Status::Waiting;
    QString error;
    // The send ended short: the worker counts the rest.
    bool sendEnded = false;
    // Nothing waits for the worker any more.
    bool abandoned = false;
    bool done = false;
    std::optional<qint64> rest;
    std::atomic<qint64> countedSoFar = 0;
};

void SendFileSource::setOpener(Opener opener)
{
    installedOpener() = std::move(opener);
}

SendFileSource::SendFileSource(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_shared(std::make_shared<Shared>())
{
    connect(&m_worker, &QFutureWatcherBase::finished, this, [this] {
        if (std::exchange(m_counting, false))
            Q_EMIT counted();
    });
    m_worker.setFuture(QtConcurrent::run(WorkerPool::instance(), &SendFileSource::read, m_shared,
                                         name, installedOpener()));
}

SendFileSource::~SendFileSource()
{
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->abandoned = true;
    m_shared->changed.wakeAll();
}

// Runs on the worker. It holds the lock but while it opens or reads, so the
// window never waits for the storage.
void SendFileSource::read(const std::shared_ptr<Shared> &shared, const QString &name,
                          const Opener &opener)
{
    const Opening opening = opener ? opener(name) : openRegularFile(name);
    QMutexLocker lock(&shared->mutex);
    const auto finished = qScopeGuard([&shared] {
        shared->done = true;
        shared->changed.wakeAll();
    });
    if (opening.outcome != RegularFile::Opened::Yes) {
        shared->status = opening.outcome == RegularFile::Opened::NotRegular ? Status::NotRegular
                                                                            : Status::OpenFailed;
        shared->rest = 0;
        return;
    }
    FilePieces pieces(*opening.file);
    while (shared->status == Status::Waiting) {
        while (!shared->sendEnded && !shared->abandoned && shared->pieces.size() >= readAhead)
            shared->changed.wait(&shared->mutex);
        if (shared->sendEnded || shared->abandoned)
            break;
        lock.unlock();
        QByteArray piece = pieces.next();
        lock.relock();
        if (!piece.isEmpty()) {
            shared->piecesBytes += piece.size();
            shared->pieces.push_back(std::move(piece));
        } else if (pieces.failed()) {
            shared->status = Status::ReadFailed;
            shared->error = opening.file->errorString();
        } else {
            shared->status = Status::End;
        }
    }
    // Read to its end, the file is counted again only if the send ends
    // short: it may have grown since.
    while (!shared->sendEnded && !shared->abandoned)
        shared->changed.wait(&shared->mutex);
    if (shared->abandoned || shared->status == Status::ReadFailed)
        return;
    const qint64 notTaken = shared->piecesBytes;
    lock.unlock();
    const std::optional<qint64> rest = pieces.countRest([&shared, notTaken](qint64 counted) {
        shared->countedSoFar = notTaken + counted;
        const QMutexLocker blockLock(&shared->mutex);
        return !shared->abandoned;
    });
    lock.relock();
    if (rest)
        shared->rest = notTaken + *rest;
}

SendFileSource::Next SendFileSource::next()
{
    const QMutexLocker lock(&m_shared->mutex);
    if (m_shared->pieces.empty())
        return {m_shared->status, {}};
    QByteArray piece = std::move(m_shared->pieces.front());
    m_shared->pieces.pop_front();
    m_shared->piecesBytes -= piece.size();
    m_shared->changed.wakeAll();
    return {Status::Piece, std::move(piece)};
}

QString SendFileSource::errorString() const
{
    const QMutexLocker lock(&m_shared->mutex);
    return m_shared->error;
}

// The pieces not taken stay where they are to be counted; a worker that has
// ended already (the file could not be opened or read) has nothing to count.
void SendFileSource::countRest()
{
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->sendEnded = true;
    m_shared->countedSoFar = m_shared->piecesBytes;
    m_shared->changed.wakeAll();
    m_counting = !m_shared->done;
}

bool SendFileSource::restCounted() const
{
    const QMutexLocker lock(&m_shared->mutex);
    return m_shared->sendEnded && m_shared->done;
}

std::optional<qint64> SendFileSource::rest() const
{
    const QMutexLocker lock(&m_shared->mutex);
    return m_shared->done ? m_shared->rest : std::nullopt;
}

qint64 SendFileSource::restCountedSoFar() const
{
    return m_shared->countedSoFar;
}

bool SendFileSource::waitForCount(int ms) const
{
    const QDeadlineTimer deadline(ms);
    const QMutexLocker lock(&m_shared->mutex);
    while (!m_shared->done && !deadline.hasExpired())
        m_shared->changed.wait(&m_shared->mutex, deadline);
    return m_shared->done;
}
