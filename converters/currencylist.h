#pragma once

#include <QString>

#include <array>

// One entry of the currency panel: its ISO 4217 code, its label (a source
// text of the translation context "QObject") and the flag picture's name.
struct Currency
{
    const char *code;
    const char *label;
    const char *flag;

    // ":/img/" + flag + ".svg"
    [[nodiscard]] QString flagPath() const;
};

inline constexpr int currencyCount = 31;

// The currencies of the panel in combo order: the euro and the thirty whose
// euro reference rates the bank publishes.
[[nodiscard]] const std::array<Currency, currencyCount> &currencyList();
