#pragma once

#include <QRegularExpression>
#include <QString>

// A unit label is its symbol followed by a long name in parentheses, as in
// "km(kilometer)"; only the symbol takes part in a conversion, so a
// translated long name changes nothing.
namespace UnitLabel {

// "\(.*\)": from the first "(" to the last ")" of a label.
[[nodiscard]] const QRegularExpression &cleanUnitRegex();

// The label without its parenthesised part, otherwise unchanged.
[[nodiscard]] QString symbol(const QString &label);

} // namespace UnitLabel
