#include "envlineparser.h"

#include <QString>

#include <cmath>
#include <utility>

EnvLineParser::EnvLineParser(qsizetype maximumLength)
    : m_maximumLength(qMax<qsizetype>(2, maximumLength))
{}

ParsedChunk<EnvReading> EnvLineParser::feed(const QByteArray &bytes)
{
    ParsedChunk<EnvReading> parsed;
    const QByteArrayView view(bytes);
    qsizetype from = 0;
    while (from < view.size()) {
        const qsizetype lineFeed = view.indexOf('\n', from);
        const QByteArrayView piece =
            view.sliced(from, (lineFeed < 0 ? view.size() : lineFeed) - from);
        if (!m_dropping) {
            const qsizetype room = m_maximumLength - m_line.size();
            if (piece.size() <= room) {
                m_line.append(piece);
            } else {
                m_line.append(piece.first(room));
                parsed.corrupt.append(std::exchange(m_line, {}));
                m_dropping = true;
            }
        }
        if (lineFeed < 0)
            break;
        endLine(parsed);
        from = lineFeed + 1;
    }
    return parsed;
}

bool EnvLineParser::needsMore() const
{
    return !m_line.isEmpty();
}

void EnvLineParser::reset()
{
    m_line.clear();
    m_dropping = false;
}

void EnvLineParser::endLine(ParsedChunk<EnvReading> &parsed)
{
    const QByteArray line = std::exchange(m_line, {});
    if (std::exchange(m_dropping, false))
        return;
    if (line.endsWith('\r')) {
        if (const std::optional<EnvReading> reading = readLine(QByteArrayView(line).chopped(1))) {
            parsed.results.append(*reading);
            return;
        }
    }
    if (!line.isEmpty() && line != "\r")
        parsed.corrupt.append(line);
}

const QList<EnvLineFormat> &EnvLineParser::formats()
{
    static const QList<EnvLineFormat> table{
        {EnvQuantity::Humidity, "Humidity:", "%", false},
        {EnvQuantity::Temperature, "Temperature:", "C", false},
        {EnvQuantity::Barometer, "Barometer:", "Pa", true},
        {EnvQuantity::Ultraviolet, "Ultraviolet:", "", true},
        {EnvQuantity::CO2, "CO2:", "ppm", true},
        {EnvQuantity::TVOC, "TVOC:", "ppb", true},
    };
    return table;
}

std::optional<EnvReading> EnvLineParser::readLine(QByteArrayView line)
{
    for (const EnvLineFormat &format : formats()) {
        const QByteArrayView key(format.key);
        const QByteArrayView unit(format.unit);
        if (!line.startsWith(key) || line.size() < key.size() + unit.size() || !line.endsWith(unit))
            continue;
        const QString number =
            QString::fromUtf8(line.sliced(key.size(), line.size() - key.size() - unit.size()));
        bool ok = false;
        double value = 0;
        if (format.integer) {
            value = number.toInt(&ok, 10);
        } else {
            value = number.toDouble(&ok);
            ok = ok && std::isfinite(value);
        }
        return EnvReading{format.quantity, ok ? value : 0.0};
    }
    return std::nullopt;
}
