#pragma once

#include "lineframer.h"
#include "trackreplay.h"

#include <QObject>

#include <memory>

class QIODevice;

// Reads a track file a slice at a time on the event loop, so that the window
// answers while a long file is read, and hands over the batches that draw
// it as they come ready. Lines are read in bounded pieces: a line longer
// than any position line is passed over as it comes, never held whole.
class TrackImport : public QObject
{
    Q_OBJECT

public:
    // Reads `file`, open for reading, from the next turn of the event loop.
    explicit TrackImport(std::unique_ptr<QIODevice> file, QObject *parent = nullptr);
    ~TrackImport() override;

    // Why a read failed.
    [[nodiscard]] QString errorString() const;
    // Real positions read so far.
    [[nodiscard]] qsizetype positions() const;
    // Lines passed over so far as meant for positions but giving none: those
    // longer than any position line, and those that hold "Latitude:" without
    // a real position.
    [[nodiscard]] qsizetype skippedLines() const;

Q_SIGNALS:
    void batchReady(const TrackReplay::Batch &batch);
    // The file has been read, whole or up to a read that failed, and the
    // batches of what was read handed over.
    void finished(bool whole);

private:
    void readSlice();
    void takeLines(const QByteArray &bytes);

    std::unique_ptr<QIODevice> m_file;
    LineFramer m_lines;
    TrackReplay m_replay;
    qsizetype m_overlongLines = 0;
};
