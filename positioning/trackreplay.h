#pragma once

#include "latlong.h"
#include "trackthinning.h"

#include <QByteArray>
#include <QList>

#include <optional>

// Plans the replay of a track file on the map: one line through the file's
// real positions, in their order, thinned to what the map can show, handed
// out in batches that the page adds to the line one after another. Fed line
// by line.
class TrackReplay
{
public:
    // Points per batch at most: a page call of about a megabyte.
    static constexpr qsizetype batchPoints = 50000;

    struct Batch
    {
        QList<LatLong> points;
        // Adds to the line that the batches before began.
        bool continued = false;
    };

    // Takes the next line of the file; lines that hold no real position are
    // passed over.
    void addLine(const QByteArray &line);
    // Real positions taken so far.
    [[nodiscard]] qsizetype positions() const { return m_positions; }
    // Lines passed over so far that hold "Latitude:" but no real position.
    // Other lines without a position (a header, a blank line) are not
    // counted: they were never meant as positions.
    [[nodiscard]] qsizetype badLines() const { return m_badLines; }
    // A full batch once one is ready. With `end` the file is over and what
    // is left comes too; a file with a single position draws nothing. None
    // when there is nothing to hand out.
    [[nodiscard]] std::optional<Batch> takeBatch(bool end);

private:
    TrackThinning m_thinning;
    QList<LatLong> m_ready;
    bool m_ended = false;
    bool m_begun = false;
    qsizetype m_positions = 0;
    qsizetype m_badLines = 0;
};
