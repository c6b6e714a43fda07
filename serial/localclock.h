#pragma once

#include <QTime>

// The local time of day for time stamps taken many times a second. The
// offset from UTC is looked up once per minute of the clock (offsets change
// only at whole minutes), not for every stamp: the lookup reads the time
// zone, which costs a file-system call each time.
namespace LocalClock {

[[nodiscard]] QTime now();

} // namespace LocalClock
