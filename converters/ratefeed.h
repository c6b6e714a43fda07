#pragma once

#include "exchangerates.h"

#include <QByteArray>
#include <QDate>
#include <QList>

// What the bank's daily reference-rate XML says: a rate for every "Cube"
// element, at any depth, that carries a "currency" attribute.
struct RateFeed
{
    // In document order, up to where reading stopped; only the rates that
    // can be used (see ExchangeRates::isUsable): a rate that is no number, a
    // decimal comma included, or not above zero or infinite, is left out.
    QList<ExchangeRates::Rate> rates;
    // False when the document is no well-formed XML or ends early (an empty
    // body included).
    bool readToEnd = false;
    // The day the rates are of: the "time" attribute of the first "Cube"
    // that has one; null when none does.
    QDate date;

    [[nodiscard]] static RateFeed parse(const QByteArray &xml);
};
