#include "spectrabars.h"

#include <cmath>

namespace {
QList<SpectraBar> bars(const QStringList &labels, const QList<QRgb> &colours)
{
    QList<SpectraBar> made;
    for (qsizetype i = 0; i < labels.size(); ++i)
        made.append({labels.at(i), QColor::fromRgb(colours.at(i))});
    return made;
}
} // namespace

const QList<SpectraBar> &spectraBars(int type)
{
    static const QList<SpectraBar> none;
    static const QList<SpectraBar> as7341 = bars(
        {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "NIR"},
        {0x7030a0, 0x002060, 0x00b0f0, 0x00ffff, 0x00b050, 0xffff00, 0xffc000, 0xff0000, 0xc00000});
    static const QList<SpectraBar> as7343 =
        bars({"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "NIR", "FXL", "FZ", "FY"},
             {0x7030a0, 0x002060, 0x00b0f0, 0x5e9dd6, 0x92d050, 0xc55a11, 0xff0000, 0xc00000,
              0x800000, 0xff6600, 0x0070c0, 0x00b050});
    static const QList<SpectraBar> as7265x = bars(
        {"(410nm)", "(435nm)", "(460nm)", "(485nm)", "(510nm)", "(535nm)", "(560nm)", "(585nm)",
         "(610nm)", "(645nm)", "(680nm)", "(705nm)", "(730nm)", "(760nm)", "(810nm)", "(860nm)",
         "(900nm)", "(940nm)"},
        {0x9600ff, 0x5000ff, 0x0032ff, 0x00b4ff, 0x00ffb4, 0x32ff32, 0xb4ff00, 0xffff32, 0xff9600,
         0xff3232, 0xff1e1e, 0xff1414, 0xff0a0a, 0x800000, 0x323232, 0x646464, 0x8c8c8c, 0xa0a0a0});
    switch (type) {
    case 0:
        return as7341;
    case 1:
        return as7343;
    case 2:
        return as7265x;
    default:
        return none;
    }
}

QPair<double, double> spectraValueSpan(const QList<double> &values)
{
    QPair<double, double> span(0, 1);
    for (const double value : values) {
        if (!std::isfinite(value))
            continue;
        span.first = qMin(span.first, value);
        span.second = qMax(span.second, value);
    }
    return span;
}

// The weights of the eye's sensitivity to red, green and blue.
QColor spectraLabelColour(const QColor &bar)
{
    const double lightness = 0.299 * bar.red() + 0.587 * bar.green() + 0.114 * bar.blue();
    return lightness > 128 ? Qt::black : Qt::white;
}
