#include "exchangerates.h"

#include "unitlabel.h"

#include <QSettings>

#include <cmath>
#include <optional>
#include <utility>

namespace {
const QLatin1String euro("EUR");
const QLatin1String ratesDateKey("exchangeRatesDate");

// The rate stored under `code` when it can be used.
std::optional<double> usableRate(const QSettings &settings, const QString &code)
{
    bool isNumber = false;
    const double rate = settings.value(code).toDouble(&isNumber);
    if (isNumber && ExchangeRates::isUsable(rate))
        return rate;
    return std::nullopt;
}
} // namespace

ExchangeRates::ExchangeRates(QString settingsPath)
    : m_settingsPath(std::move(settingsPath))
{}

double ExchangeRates::rate(const QString &code) const
{
    if (code.isEmpty())
        return 0.0;
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.beginGroup(group());
    if (const std::optional<double> stored = usableRate(settings, code))
        return *stored;
    for (const auto &[builtInCode, builtInRate] : builtInRates()) {
        if (builtInCode == code)
            return builtInRate;
    }
    return 0.0;
}

double ExchangeRates::toEuro(double amount, const QString &label) const
{
    const QString code = UnitLabel::symbol(label);
    if (code == euro)
        return amount;
    const double rate = this->rate(code);
    return rate == 0.0 ? 0.0 : amount / rate;
}

double ExchangeRates::fromEuro(double amount, const QString &label) const
{
    const QString code = UnitLabel::symbol(label);
    if (code == euro)
        return amount;
    const double rate = this->rate(code);
    return rate == 0.0 ? 0.0 : amount * rate;
}

double ExchangeRates::convert(double amount, const QString &fromLabel, const QString &toLabel) const
{
    const QString fromCode = UnitLabel::symbol(fromLabel);
    // Dividing by a rate and multiplying by it again need not give the amount
    // back in double arithmetic.
    if (fromCode == UnitLabel::symbol(toLabel))
        return fromCode == euro || rate(fromCode) != 0.0 ? amount : 0.0;
    return fromEuro(toEuro(amount, fromLabel), toLabel);
}

QString ExchangeRates::resultText(const QString &valueText, const QString &fromLabel,
                                  const QString &toLabel) const
{
    return format().text(convert(valueText.toDouble(), fromLabel, toLabel));
}

void ExchangeRates::store(const QList<Rate> &rates) const
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.beginGroup(group());
    for (const auto &[code, rate] : rates)
        settings.setValue(code, rate);
}

void ExchangeRates::storeEndMark() const
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.setValue(group() + QStringLiteral("/END"), QStringLiteral("0"));
}

bool ExchangeRates::storeBuiltInWhereMissing() const
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.beginGroup(group());
    bool stored = false;
    for (const auto &[code, rate] : builtInRates()) {
        if (!usableRate(settings, code)) {
            settings.setValue(code, rate);
            stored = true;
        }
    }
    return stored;
}

QDate ExchangeRates::ratesDate() const
{
    const QSettings settings(m_settingsPath, QSettings::IniFormat);
    return QDate::fromString(settings.value(ratesDateKey).toString(), Qt::ISODate);
}

void ExchangeRates::storeRatesDate(QDate day) const
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.setValue(ratesDateKey, day.toString(Qt::ISODate));
}

bool ExchangeRates::isUsable(double rate)
{
    return std::isfinite(rate) && rate > 0.0;
}

const QList<ExchangeRates::Rate> &ExchangeRates::builtInRates()
{
    static const QList<Rate> rates{
        {QStringLiteral("AUD"), 1.6468},  {QStringLiteral("BGN"), 1.9558},
        {QStringLiteral("BRL"), 5.3471},  {QStringLiteral("CAD"), 1.4556},
        {QStringLiteral("CHF"), 0.9315},  {QStringLiteral("CNY"), 7.8111},
        {QStringLiteral("CZK"), 24.875},  {QStringLiteral("DKK"), 7.454},
        {QStringLiteral("GBP"), 0.85263}, {QStringLiteral("HKD"), 8.509},
        {QStringLiteral("HUF"), 383.73},  {QStringLiteral("IDR"), 17012.52},
        {QStringLiteral("ILS"), 3.9685},  {QStringLiteral("INR"), 90.232},
        {QStringLiteral("ISK"), 148.3},   {QStringLiteral("JPY"), 159.58},
        {QStringLiteral("KRW"), 1440.7},  {QStringLiteral("MXN"), 18.5579},
        {QStringLiteral("MYR"), 5.1332},  {QStringLiteral("NOK"), 11.387},
        {QStringLiteral("NZD"), 1.7673},  {QStringLiteral("PHP"), 60.825},
        {QStringLiteral("PLN"), 4.3175},  {QStringLiteral("RON"), 4.9727},
        {QStringLiteral("SEK"), 11.268},  {QStringLiteral("SGD"), 1.4533},
        {QStringLiteral("THB"), 38.341},  {QStringLiteral("TRY"), 33.1435},
        {QStringLiteral("USD"), 1.0883},  {QStringLiteral("ZAR"), 20.2973},
    };
    return rates;
}
