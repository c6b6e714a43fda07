#pragma once

#include "trackreplay.h"

#include <QObject>

#include <memory>

class QIODevice;

// Reads a track file a slice at a time on the event loop, so that the window
// answers while a long file is read, and hands over the batches that draw
// it as they come ready.
class TrackImport : public QObject
{
    Q_OBJECT

public:
    // Reads `file`, open for reading, from the next turn of the event loop.
    explicit TrackImport(std::unique_ptr<QIODevice> file, QObject *parent = nullptr);
    ~TrackImport() override;

    // Why a read failed.
    [[nodiscard]] QString errorString() const;

Q_SIGNALS:
    void batchReady(const TrackReplay::Batch &batch);
    // The file has been read, whole or up to a read that failed, and the
    // batches of what was read handed over.
    void finished(bool whole);

private:
    void readSlice();

    std::unique_ptr<QIODevice> m_file;
    TrackReplay m_replay;
};
