#include "unittables.h"

namespace UnitTables {

const Quantity &lengths()
{
    static const Quantity quantity(
        {
            {QStringLiteral("km"), {times(1000)}, {dividedBy(1000)}},
            {QStringLiteral("m"), {}, {}},
            {QStringLiteral("dm"), {dividedBy(10)}, {times(10)}},
            {QStringLiteral("cm"), {dividedBy(100)}, {times(100)}},
            {QStringLiteral("mm"), {dividedBy(1000)}, {times(1000)}},
            {QStringLiteral("µm"), {dividedBy(1000000)}, {times(1000000)}},
            {QStringLiteral("nm"), {dividedBy(1000000000)}, {times(1000000000)}},
            {QStringLiteral("Å"), {dividedBy(1e10)}, {times(1e10)}},
            {QStringLiteral("pm"), {times(1e-12)}, {times(1e12)}},
            {QStringLiteral("mi"), {times(1609.34)}, {dividedBy(1609.34)}},
            {QStringLiteral("ft"), {times(0.3048)}, {dividedBy(0.3048)}},
            {QStringLiteral("in"), {times(0.0254)}, {dividedBy(0.0254)}},
            {QStringLiteral("mil"), {times(2.54e-5)}, {dividedBy(2.54e-5)}},
            {QStringLiteral("M"), {times(1852)}, {dividedBy(1852)}},
            {QStringLiteral("yd"), {times(0.9144)}, {dividedBy(0.9144)}},
            {QStringLiteral("au"), {times(1.496e8), times(1000)}, {dividedBy(1.496e11)}},
            {QStringLiteral("ly"), {times(9.461e15)}, {dividedBy(9.461e15)}},
            {QStringLiteral("ls"), {times(299792458)}, {dividedBy(299792458)}},
            {QStringLiteral("pc"), {times(3.0857e16)}, {dividedBy(3.0857e16)}},
        },
        ResultFormat::fixedTrimmed(15));
    return quantity;
}

const Quantity &mass()
{
    static const Quantity quantity(
        {
            {QStringLiteral("ng"), {dividedBy(1e12)}, {times(1e12)}},
            {QStringLiteral("µg"), {dividedBy(1000000000)}, {times(1000000000)}},
            {QStringLiteral("mg"), {dividedBy(1000000)}, {times(1000000)}},
            {QStringLiteral("cg"), {dividedBy(100000)}, {times(100000)}},
            {QStringLiteral("g"), {dividedBy(1000)}, {times(1000)}},
            {QStringLiteral("kg"), {}, {}},
            {QStringLiteral("t"), {times(1000)}, {dividedBy(1000)}},
            {QStringLiteral("lb"), {times(0.453592)}, {dividedBy(0.453592)}},
            {QStringLiteral("st"), {times(6.35029)}, {dividedBy(6.35029)}},
            {QStringLiteral("oz"), {times(0.0283495)}, {dividedBy(0.0283495)}},
            {QStringLiteral("ozt"), {times(0.0311035)}, {dividedBy(0.0311035)}},
            {QStringLiteral("dwt"), {times(0.00155517)}, {dividedBy(0.00155517)}},
            {QStringLiteral("ct"), {times(0.0002)}, {dividedBy(0.0002)}},
            {QStringLiteral("u"), {times(1.66054e-27)}, {dividedBy(1.66054e-27)}},
        },
        ResultFormat::fixedTrimmed(15));
    return quantity;
}

const Quantity &area()
{
    static const Quantity quantity(
        {
            {QStringLiteral("km²"), {times(1000000)}, {dividedBy(1000000)}},
            {QStringLiteral("m²"), {}, {}},
            {QStringLiteral("cm²"), {times(0.0001)}, {dividedBy(0.0001)}},
            {QStringLiteral("mm²"), {times(1e-6)}, {dividedBy(1e-6)}},
            {QStringLiteral("in²"), {times(0.00064516)}, {dividedBy(0.00064516)}},
            {QStringLiteral("ft²"), {times(0.092903)}, {dividedBy(0.092903)}},
            {QStringLiteral("yd²"), {times(0.836127)}, {dividedBy(0.836127)}},
            {QStringLiteral("mi²"), {times(2589990)}, {dividedBy(2589990)}},
            {QStringLiteral("ha"), {times(10000)}, {dividedBy(10000)}},
            {QStringLiteral("ac"), {times(4046.86)}, {dividedBy(4046.86)}},
            {QStringLiteral("a"), {times(100)}, {dividedBy(100)}},
        },
        ResultFormat::fixedTrimmed(15));
    return quantity;
}

namespace {
// The customary volumes are given in litres per unit.
UnitDefinition litres(const QString &symbol, double litresPerUnit)
{
    return {
        symbol, {times(litresPerUnit), dividedBy(1000)}, {times(1000), dividedBy(litresPerUnit)}};
}
} // namespace

const Quantity &volume()
{
    static const Quantity quantity(
        {
            {QStringLiteral("m³"), {}, {}},
            {QStringLiteral("dm³"), {dividedBy(1000)}, {times(1000)}},
            {QStringLiteral("cm³"), {dividedBy(1000000)}, {times(1000000)}},
            {QStringLiteral("mm³"), {dividedBy(1000000000)}, {times(1000000000)}},
            {QStringLiteral("in³"), {times(1.63871e-5)}, {dividedBy(1.63871e-5)}},
            {QStringLiteral("ft³"), {times(0.0283168)}, {dividedBy(0.0283168)}},
            {QStringLiteral("L"), {dividedBy(1000)}, {times(1000)}},
            {QStringLiteral("mL"), {dividedBy(1000000)}, {times(1000000)}},
            litres(QStringLiteral("cup"), 0.236588),
            litres(QStringLiteral("UK gal"), 4.54609),
            litres(QStringLiteral("UK pt"), 0.568261),
            litres(QStringLiteral("UK fl oz"), 0.0284131),
            // The two plain ounces take the mass ounce's number as litres.
            litres(QStringLiteral("UK oz"), 0.0283495),
            litres(QStringLiteral("US gal"), 3.78541),
            litres(QStringLiteral("US pt"), 0.473176),
            litres(QStringLiteral("US fl oz"), 0.0295735),
            litres(QStringLiteral("US oz"), 0.0283495),
            litres(QStringLiteral("tbsp"), 0.0147868),
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

} // namespace UnitTables
