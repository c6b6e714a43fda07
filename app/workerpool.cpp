#include "workerpool.h"

#include <QThreadPool>

namespace {
// Room for every job a user can have going at once (a send's reader, the
// counts of sends cut short, a paste into each box, a conversion) even
// while some wait on a storage that does not answer.
constexpr int maxThreads = 16;
} // namespace

// Made once and never destroyed: destroying a pool waits for its jobs, and
// a read that hangs would then hold the program's exit.
QThreadPool *WorkerPool::instance()
{
    static QThreadPool *const pool = [] {
        auto *made = new QThreadPool;
        made->setMaxThreadCount(maxThreads);
        return made;
    }();
    return pool;
}
