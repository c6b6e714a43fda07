#pragma once

// The oscilloscope's zoom dials: turned by a number of positions from the
// last, a dial widens its chart window (a change below -5, or of 1 to 4,
// which a dial wrapping round past its end gives) or narrows it (any other
// change).
[[nodiscard]] bool dialWidens(int change);

// Which way position a lies from position b on a dial of `span` positions
// that wraps round: 1 ahead (a above b by less than half the span, or below
// it by more), -1 behind (above by more than half, or below by less), 0 at
// b or exactly half the span away.
[[nodiscard]] int limit(int a, int b, int span);
