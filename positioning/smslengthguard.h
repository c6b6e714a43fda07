#pragma once

#include <QString>

// Keeps the message box of the GSM console within what one UCS2 text
// message holds.
class SmsLengthGuard
{
public:
    // UTF-16 code units of one message in the UCS2 alphabet.
    static constexpr int maximumUnits = 70;

    // Removes from `text` the units beyond the limit that were just added
    // before `cursor` (the newest typing or paste; one more when the cut
    // would split a surrogate pair) and moves the cursor to the cut; returns
    // false when the text was within the limit.
    static bool apply(QString &text, int &cursor);
};
