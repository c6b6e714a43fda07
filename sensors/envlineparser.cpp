#include "envlineparser.h"

#include <QString>

#include <cmath>
#include <utility>

EnvLineParser::EnvLineParser(qsizetype maximumLength)
    : m_lines(qMax<qsizetype>(2, maximumLength), LineFramer::Ending::Lf)
{}

ParsedChunk<EnvReading> EnvLineParser::feed(const QByteArray &bytes)
{
    ParsedChunk<EnvReading> parsed;
    for (LineFramer::Piece &piece : m_lines.feedInOrder(bytes)) {
        const QByteArray &line = piece.bytes;
        if (!piece.overlong && line.endsWith('\r')) {
            if (const std::optional<EnvReading> reading =
                    readLine(QByteArrayView(line).chopped(1))) {
                parsed.results.append(*reading);
                continue;
            }
        }
        if (!line.isEmpty() && line != "\r")
            parsed.corrupt.append(std::move(piece.bytes));
    }
    return parsed;
}

bool EnvLineParser::needsMore() const
{
    return m_lines.needsMore();
}

void EnvLineParser::reset()
{
    m_lines.reset();
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
    while (!line.isEmpty() && (quint8(line.front()) <= ' ' || line.front() == '\x7f'))
        line = line.sliced(1);
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
