#include "ratefeed.h"

#include <QXmlStreamReader>

RateFeed RateFeed::parse(const QByteArray &xml)
{
    RateFeed feed;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() != QXmlStreamReader::StartElement ||
            reader.name() != QLatin1String("Cube"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString code = attributes.value(QLatin1String("currency")).toString();
        // The enclosing Cube elements carry no currency.
        if (code.isEmpty())
            continue;
        feed.rates.append({code, attributes.value(QLatin1String("rate")).toDouble()});
    }
    feed.readToEnd = !reader.hasError();
    return feed;
}
