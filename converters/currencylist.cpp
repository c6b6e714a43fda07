#include "currencylist.h"

#include <QtGlobal>

QString Currency::flagPath() const
{
    return QStringLiteral(":/img/") + QLatin1String(flag) + QStringLiteral(".svg");
}

const std::array<Currency, currencyCount> &currencyList()
{
    static const std::array<Currency, currencyCount> list{{
        {"AUD", QT_TRANSLATE_NOOP("QObject", "AUD(Australian Dollar)"), "au"},
        {"BGN", QT_TRANSLATE_NOOP("QObject", "BGN(Bulgarian Lev)"), "bg"},
        {"BRL", QT_TRANSLATE_NOOP("QObject", "BRL(Brazilian Real)"), "br"},
        {"CAD", QT_TRANSLATE_NOOP("QObject", "CAD(Canadian Dollar)"), "ca"},
        {"CHF", QT_TRANSLATE_NOOP("QObject", "CHF(Swiss Franc)"), "ch"},
        {"CNY", QT_TRANSLATE_NOOP("QObject", "CNY(Chinese Yuan)"), "cn"},
        {"CZK", QT_TRANSLATE_NOOP("QObject", "CZK(Czech Koruna)"), "cz"},
        {"DKK", QT_TRANSLATE_NOOP("QObject", "DKK(Danish Krone)"), "dk"},
        {"EUR", QT_TRANSLATE_NOOP("QObject", "EUR(Euro)"), "eu"},
        {"GBP", QT_TRANSLATE_NOOP("QObject", "GBP(British Pound Sterling)"), "gb"},
        {"HKD", QT_TRANSLATE_NOOP("QObject", "HKD(Hong Kong Dollar)"), "hk"},
        {"HUF", QT_TRANSLATE_NOOP("QObject", "HUF(Hungarian Forint)"), "hu"},
        {"IDR", QT_TRANSLATE_NOOP("QObject", "IDR(Indonesian Rupiah)"), "id"},
        {"ILS", QT_TRANSLATE_NOOP("QObject", "ILS(Israeli New Shekel)"), "il"},
        {"INR", QT_TRANSLATE_NOOP("QObject", "INR(Indian Rupee)"), "in"},
        {"ISK", QT_TRANSLATE_NOOP("QObject", "ISK(Icelandic Króna)"), "is"},
        {"JPY", QT_TRANSLATE_NOOP("QObject", "JPY(Japanese Yen)"), "jp"},
        {"KRW", QT_TRANSLATE_NOOP("QObject", "KRW(South Korean Won)"), "kr"},
        {"MXN", QT_TRANSLATE_NOOP("QObject", "MXN(Mexican Peso)"), "mx"},
        {"MYR", QT_TRANSLATE_NOOP("QObject", "MYR(Malaysian Ringgit)"), "my"},
        {"NOK", QT_TRANSLATE_NOOP("QObject", "NOK(Norwegian Krone)"), "no"},
        {"NZD", QT_TRANSLATE_NOOP("QObject", "NZD(New Zealand Dollar)"), "nz"},
        {"PHP", QT_TRANSLATE_NOOP("QObject", "PHP(Philippine Peso)"), "ph"},
        {"PLN", QT_TRANSLATE_NOOP("QObject", "PLN(Polish Złoty)"), "pl"},
        {"RON", QT_TRANSLATE_NOOP("QObject", "RON(Romanian Leu)"), "ro"},
        {"SEK", QT_TRANSLATE_NOOP("QObject", "SEK(Swedish Krona)"), "se"},
        {"SGD", QT_TRANSLATE_NOOP("QObject", "SGD(Singapore Dollar)"), "sg"},
        {"THB", QT_TRANSLATE_NOOP("QObject", "THB(Thai Baht)"), "th"},
        {"TRY", QT_TRANSLATE_NOOP("QObject", "TRY(Turkish Lira)"), "tr"},
        {"USD", QT_TRANSLATE_NOOP("QObject", "USD(United States Dollar)"), "us"},
        {"ZAR", QT_TRANSLATE_NOOP("QObject", "ZAR(South African Rand)"), "za"},
    }};
    return list;
}
