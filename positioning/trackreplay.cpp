#include "trackreplay.h"

std::optional<TrackReplay::Segment> TrackReplay::addLine(const QByteArray &line)
{
    std::optional<PositionLine> point = PositionLine::parse(line);
    if (!point || !point->position())
        return std::nullopt;
    if (!m_from) {
        m_from = std::move(point);
        return std::nullopt;
    }
    if (m_to)
        m_from = std::move(m_to);
    m_to = std::move(point);
    if (m_drawn && *m_from == *m_to)
        return std::nullopt;
    m_drawn = true;
    return Segment{*m_from, *m_to};
}
