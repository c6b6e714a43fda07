#include "resultformat.h"

#include <QRegularExpression>

ResultFormat ResultFormat::fixedTrimmed(int decimals)
{
    return {'f', decimals};
}

ResultFormat ResultFormat::significant(int digits)
{
    return {'g', digits};
}

ResultFormat::ResultFormat(char format, int precision)
    : m_format(format)
    , m_precision(precision)
{}

QString ResultFormat::text(double value) const
{
    QString text = QString::number(value, m_format, m_precision);
    if (m_format == 'f') {
        // An all-zero fraction goes with its point; otherwise only the zeros
        // after the last non-zero decimal go.
        static const QRegularExpression zeroFraction(QStringLiteral("\\.0+$"));
        static const QRegularExpression trailingZeros(QStringLiteral("(\\.\\d*?[1-9])0+$"));
        text.remove(zeroFraction);
        text.replace(trailingZeros, QStringLiteral("\\1"));
    }
    // A negative value too small to show has no sign left to tell.
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}
