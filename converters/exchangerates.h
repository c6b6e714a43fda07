#pragma once

#include "resultformat.h"

#include <QDate>
#include <QList>
#include <QString>

#include <utility>

// The euro reference rates in the settings file's group "ExchangeRates":
// under each currency code, how many units of it one euro buys. The worker
// writes them, the currency panel reads them afresh at every conversion.
class ExchangeRates
{
public:
    using Rate = std::pair<QString, double>;

    explicit ExchangeRates(QString settingsPath);

    // The stored rate of a code when it can be used, else the built-in one;
    // 0 for a code that has neither.
    [[nodiscard]] double rate(const QString &code) const;
    // An amount in the labelled currency in euros; 0 without a rate.
    [[nodiscard]] double toEuro(double amount, const QString &label) const;
    // An amount in euros in the labelled currency; 0 without a rate.
    [[nodiscard]] double fromEuro(double amount, const QString &label) const;
    // Through the euro; a currency with a rate to itself gives the amount.
    [[nodiscard]] double convert(double amount, const QString &fromLabel,
                                 const QString &toLabel) const;
    // The value box's text converted and written as the panel shows it.
    [[nodiscard]] QString resultText(const QString &valueText, const QString &fromLabel,
                                     const QString &toLabel) const;

    void store(const QList<Rate> &rates) const;
    // "END" = "0": a parse of the feed has run.
    void storeEndMark() const;
    // The built-in table, for each code that has no usable stored rate yet,
    // so a failed download never replaces rates fetched before. Returns
    // whether it stored any.
    bool storeBuiltInWhereMissing() const;
    // The day of the last whole feed whose rates were stored; null while
    // the rates in use are the built-in ones.
    [[nodiscard]] QDate ratesDate() const;
    void storeRatesDate(QDate day) const;

    // Finite and above zero: a rate that can convert both ways.
    [[nodiscard]] static bool isUsable(double rate);
    // The thirty rates the program carries, in code order.
    [[nodiscard]] static const QList<Rate> &builtInRates();
    [[nodiscard]] static QString group() { return QStringLiteral("ExchangeRates"); }
    [[nodiscard]] static ResultFormat format() { return ResultFormat::fixedTrimmed(10); }

private:
    QString m_settingsPath;
};
