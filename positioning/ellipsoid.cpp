#include "ellipsoid.h"

#include <iterator>

namespace {
// Row 0 is a placeholder so that a row's number is its index.
constexpr Ellipsoid table[] = {
    {QLatin1String("Null"), 0, 0},
    {QLatin1String("Airy"), 6377563, 0.00667054},
    {QLatin1String("Australian National"), 6378160, 0.006694542},
    {QLatin1String("Bessel 1841"), 6377397, 0.006674372},
    {QLatin1String("Bessel 1841 (Nambia) "), 6377484, 0.006674372},
    {QLatin1String("Clarke 1866"), 6378206, 0.006768658},
    {QLatin1String("Clarke 1880"), 6378249, 0.006803511},
    {QLatin1String("Everest"), 6377276, 0.006637847},
    {QLatin1String("Fischer 1960 (Mercury) "), 6378166, 0.006693422},
    {QLatin1String("Fischer 1968"), 6378150, 0.006693422},
    {QLatin1String("GRS 1967"), 6378160, 0.006694605},
    {QLatin1String("GRS 1980"), 6378137, 0.00669438},
    {QLatin1String("Helmert 1906"), 6378200, 0.006693422},
    {QLatin1String("Hough"), 6378270, 0.00672267},
    {QLatin1String("International"), 6378388, 0.00672267},
    {QLatin1String("Krassovsky"), 6378245, 0.006693422},
    {QLatin1String("Modified Airy"), 6377340, 0.00667054},
    {QLatin1String("Modified Everest"), 6377304, 0.006637847},
    {QLatin1String("Modified Fischer 1960"), 6378155, 0.006693422},
    {QLatin1String("South American 1969"), 6378160, 0.006694542},
    {QLatin1String("WGS 60"), 6378165, 0.006693422},
    {QLatin1String("WGS 66"), 6378145, 0.006694542},
    {QLatin1String("WGS-72"), 6378135, 0.006694318},
    {QLatin1String("WGS-84"), 6378137, 0.00669438},
};
static_assert(std::size(table) == Ellipsoid::lastRow + 1);
} // namespace

std::optional<Ellipsoid> Ellipsoid::row(int index)
{
    if (index < firstRow || index > lastRow)
        return std::nullopt;
    return table[index];
}
