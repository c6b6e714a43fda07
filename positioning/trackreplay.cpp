#include "trackreplay.h"

#include "positionline.h"

void TrackReplay::addLine(const QByteArray &line)
{
    const std::optional<PositionLine> texts = PositionLine::parse(line);
    if (const std::optional<LatLong> position = texts ? texts->position() : std::nullopt) {
        ++m_positions;
        m_thinning.add(*position, m_ready);
    } else if (line.contains("Latitude:")) {
        ++m_badLines;
    }
}

std::optional<TrackReplay::Batch> TrackReplay::takeBatch(bool end)
{
    if (end && !m_ended) {
        m_thinning.finish(m_ready);
        m_ended = true;
    }
    const bool full = m_ready.size() >= batchPoints;
    const bool last = m_ended && (m_begun ? !m_ready.isEmpty() : m_ready.size() > 1);
    if (!full && !last)
        return std::nullopt;
    Batch batch{m_ready.first(qMin(m_ready.size(), batchPoints)), m_begun};
    m_ready.remove(0, batch.points.size());
    m_begun = true;
    return batch;
}
