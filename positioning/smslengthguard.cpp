#include "smslengthguard.h"

#include <algorithm>

bool SmsLengthGuard::apply(QString &text, int &cursor)
{
    const qsizetype excess = text.size() - maximumUnits;
    if (excess <= 0)
        return false;
    const qsizetype end = std::clamp<qsizetype>(cursor, excess, text.size());
    qsizetype start = end - excess;
    // Never keeps half of a surrogate pair.
    if (start > 0 && text.at(start - 1).isHighSurrogate())
        --start;
    text.remove(start, end - start);
    cursor = int(start);
    return true;
}
