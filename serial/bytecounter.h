#pragma once

#include <QtGlobal>

// The terminals' byte counters show five digits and stop at 99999.
namespace ByteCounter {

inline constexpr int maximum = 99999;

// The value a counter showing `shown` takes after `bytes` more bytes.
[[nodiscard]] constexpr int added(int shown, qint64 bytes)
{
    const qint64 sum = qint64(shown) + (bytes > 0 ? bytes : 0);
    return sum > maximum ? maximum : int(sum);
}

// The value a counter showing `shown` takes when `bytes` it had counted turn
// out not sent; one that stopped at 99999 stays there, as it does until it
// is cleared.
[[nodiscard]] constexpr int taken(int shown, qint64 bytes)
{
    if (shown >= maximum || bytes <= 0)
        return shown;
    return bytes >= shown ? 0 : int(shown - bytes);
}

} // namespace ByteCounter
