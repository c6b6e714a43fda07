#include "trackimport.h"

#include "positionline.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QTimer>

namespace {
// A slice reads for this long at most, half of a 60 Hz frame: the other half
// is left to the window's painting and input.
constexpr qint64 sliceMs = 8;
// The file is read in pieces of this size, about a hundred position lines
// or a quarter of a millisecond's work, so that a slice ends near its time
// however long the file's lines are.
constexpr qint64 pieceBytes = 4 * 1024;
} // namespace

TrackImport::TrackImport(std::unique_ptr<QIODevice> file, QObject *parent)
    : QObject(parent)
    , m_file(std::move(file))
    , m_lines(PositionLine::longestLine)
{
    QTimer::singleShot(0, this, &TrackImport::readSlice);
}

TrackImport::~TrackImport() = default;

QString TrackImport::errorString() const
{
    return m_file->errorString();
}

qsizetype TrackImport::positions() const
{
    return m_replay.positions();
}

qsizetype TrackImport::skippedLines() const
{
    return m_overlongLines + m_replay.badLines();
}

void TrackImport::takeLines(const QByteArray &bytes)
{
    for (const LineFramer::Piece &piece : m_lines.feedInOrder(bytes)) {
        if (piece.overlong)
            ++m_overlongLines;
        else
            m_replay.addLine(piece.bytes);
    }
}

void TrackImport::readSlice()
{
    QElapsedTimer clock;
    clock.start();
    // The file ends where a read gives no bytes, whatever size it reports
    // (a /proc file reports none).
    bool failed = false;
    bool end = false;
    while (!end && clock.elapsed() < sliceMs) {
        QByteArray piece(pieceBytes, Qt::Uninitialized);
        const qint64 read = m_file->read(piece.data(), pieceBytes);
        failed = read < 0;
        end = read <= 0;
        if (!end) {
            piece.truncate(read);
            takeLines(piece);
        }
    }
    // The file's last line may have no line end; one cut by a failed read is
    // not taken, its numbers may be cut too.
    if (end && !failed && m_lines.needsMore())
        takeLines("\n");
    while (const std::optional<TrackReplay::Batch> batch = m_replay.takeBatch(end))
        Q_EMIT batchReady(*batch);
    if (end)
        Q_EMIT finished(!failed);
    else
        QTimer::singleShot(0, this, &TrackImport::readSlice);
}
