#pragma once

#include "positionline.h"

#include <QByteArray>

#include <optional>

// Plans the replay of a track file on the map: the segments between
// consecutive points, leaving out a segment whose two ends are the same
// point unless nothing has been drawn yet. Fed line by line.
class TrackReplay
{
public:
    struct Segment
    {
        PositionLine from;
        PositionLine to;
    };

    // Takes the next line of the file; returns the segment it completes,
    // whose ends are real positions. Lines that hold none are passed over.
    [[nodiscard]] std::optional<Segment> addLine(const QByteArray &line);

private:
    std::optional<PositionLine> m_from;
    std::optional<PositionLine> m_to;
    bool m_drawn = false;
};
