#pragma once

#include <QString>

// How a converter panel writes its result: fixed decimals with trailing
// zeros trimmed, or a number of significant digits as the 'g' format does.
class ResultFormat
{
public:
    [[nodiscard]] static ResultFormat fixedTrimmed(int decimals);
    [[nodiscard]] static ResultFormat significant(int digits);

    // Never an exponent in fixed form; a value that rounds to zero shows "0",
    // never "-0".
    [[nodiscard]] QString text(double value) const;

private:
    ResultFormat(char format, int precision);

    char m_format;
    int m_precision;
};
