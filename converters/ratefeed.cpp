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
        if (feed.date.isNull() && attributes.hasAttribute(QLatin1String("time")))
            feed.date =
                QDate::fromString(attributes.value(QLatin1String("time")).toString(), Qt::ISODate);
        const QString code = attributes.value(QLatin1String("currency")).toString();
        // The enclosing Cube elements carry no currency.
        if (code.isEmpty())
            continue;
        bool isNumber = false;
        const double rate = attributes.value(QLatin1String("rate")).toDouble(&isNumber);
        if (isNumber && ExchangeRates::isUsable(rate))
            feed.rates.append({code, rate});
    }
    feed.readToEnd = !reader.hasError();
    return feed;
}
