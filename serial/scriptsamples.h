#pragma once

#include <QStringList>

// A short text of each script that decoded bytes may show: for every script
// of the characters above ASCII, the first character of each of its runs
// across Unicode. The texts come in the order in which their scripts first
// appear, so those of two-byte UTF-8 sequences, which random bytes meet
// first, lead. Laid out in a font ahead of data, they make it find and load
// the fonts it falls back to for each script.
[[nodiscard]] QStringList scriptSamples();
