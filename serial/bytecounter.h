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

} // namespace ByteCounter
