#pragma once

class QThreadPool;

// The program's own threads for work that may take long or block: a file
// read at the storage's pace, another program's clipboard, a conversion of
// megabytes. Such work never goes on Qt's global pool: Qt's own painting
// runs short tasks there and waits for them, so a task of ours that blocks
// there holds the window.
//
// The pool is bounded, and nothing waits for it as the program ends: a job
// still blocked in a read ends with the process. Jobs look for their own
// cancellation between reads.
namespace WorkerPool {

[[nodiscard]] QThreadPool *instance();

} // namespace WorkerPool
