#include "trackimport.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QTimer>

namespace {
// A slice reads for this long at most, half of a 60 Hz frame: the other half
// is left to the window's painting and input.
constexpr qint64 sliceMs = 8;
} // namespace

TrackImport::TrackImport(std::unique_ptr<QIODevice> file, QObject *parent)
    : QObject(parent)
    , m_file(std::move(file))
{
    QTimer::singleShot(0, this, &TrackImport::readSlice);
}

TrackImport::~TrackImport() = default;

QString TrackImport::errorString() const
{
    return m_file->errorString();
}

void TrackImport::readSlice()
{
    QElapsedTimer clock;
    clock.start();
    bool failed = false;
    while (!m_file->atEnd() && clock.elapsed() < sliceMs) {
        const QByteArray line = m_file->readLine();
        // Before the end a line holds at least one byte: none is a failed read.
        failed = line.isEmpty();
        if (failed)
            break;
        m_replay.addLine(line);
    }
    const bool end = failed || m_file->atEnd();
    while (const std::optional<TrackReplay::Batch> batch = m_replay.takeBatch(end))
        Q_EMIT batchReady(*batch);
    if (end)
        Q_EMIT finished(!failed);
    else
        QTimer::singleShot(0, this, &TrackImport::readSlice);
}
