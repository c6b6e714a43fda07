#include "unitlabel.h"

namespace UnitLabel {

const QRegularExpression &cleanUnitRegex()
{
    static const QRegularExpression regex(QStringLiteral("\\(.*\\)"));
    return regex;
}

QString symbol(const QString &label)
{
    QString symbol = label;
    symbol.remove(cleanUnitRegex());
    return symbol;
}

} // namespace UnitLabel
