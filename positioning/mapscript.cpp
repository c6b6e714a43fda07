#include "mapscript.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <initializer_list>

namespace {
// A call with one argument, or with none when argument is empty.
QString call(const char *function, const QString &argument = QString())
{
    return QLatin1String(function) + QLatin1Char('(') + argument + QLatin1Char(')');
}

// The shortest text that reads back as the same double.
QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

bool allFinite(std::initializer_list<double> values)
{
    for (const double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// Characters written as \uXXXX: controls, the line and paragraph separators
// that end a statement, surrogates, and the HTML specials so that the text
// cannot close a script element either.
bool needsUnicodeEscape(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029 || c.isSurrogate() ||
           u == u'<' || u == u'>' || u == u'&';
}
} // namespace

std::optional<double> MapScript::coordinate(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QStringList MapScript::position(double latitude, double longitude, bool centre, bool latitudeFirst)
{
    if (!allFinite({latitude, longitude}))
        return {};
    QStringList calls{call("Set_Longit", number(longitude)), call("Set_Latit", number(latitude))};
    if (latitudeFirst)
        calls.swapItemsAt(0, 1);
    calls << call(centre ? "Set_Location_First" : "Set_Location");
    return calls;
}

QStringList MapScript::track(const QList<LatLong> &points, bool continued)
{
    // A point takes about 25 characters: ",[39.92215,116.46478]".
    QString list;
    list.reserve(points.size() * 25 + 8);
    for (const LatLong &point : points) {
        if (!allFinite({point.latitude, point.longitude}))
            return {};
        list += list.isEmpty() ? QLatin1String("[[") : QLatin1String(",[");
        list += number(point.latitude);
        list += QLatin1Char(',');
        list += number(point.longitude);
        list += QLatin1Char(']');
    }
    list += list.isEmpty() ? QLatin1String("[]") : QLatin1String("]");
    return {
        call("savetrack", list + (continued ? QLatin1String(",true") : QLatin1String(",false")))};
}

QStringList MapScript::navigation(const QString &address)
{
    const QString literal = stringLiteral(address);
    return {call("Set_endaddress", literal), call("searchdriving", literal)};
}

QString MapScript::stringLiteral(const QString &text)
{
    QString literal(QLatin1Char('"'));
    literal.reserve(text.size() + 2);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            literal += QLatin1String("\\\\");
            break;
        case u'"':
            literal += QLatin1String("\\\"");
            break;
        case u'\'':
            literal += QLatin1String("\\'");
            break;
        case u'\n':
            literal += QLatin1String("\\n");
            break;
        case u'\r':
            literal += QLatin1String("\\r");
            break;
        case u'\t':
            literal += QLatin1String("\\t");
            break;
        default:
            if (needsUnicodeEscape(c))
                literal += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                literal += c;
        }
    }
    return literal + QLatin1Char('"');
}
