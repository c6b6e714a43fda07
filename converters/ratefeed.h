#pragma once

#include "exchangerates.h"

#include <QByteArray>
#include <QList>

// What the bank's daily reference-rate XML says: a rate for every "Cube"
// element, at any depth, that carries a "currency" attribute.
struct RateFeed
{
    // In document order, up to where reading stopped.
    QList<ExchangeRates::Rate> rates;
    // False when the document is no well-formed XML or ends early (an empty
    // body included).
    bool readToEnd = false;

    // A "rate" that is no number reads as 0.
    [[nodiscard]] static RateFeed parse(const QByteArray &xml);
};
