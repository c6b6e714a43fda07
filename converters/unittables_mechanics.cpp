#include "unittables.h"

namespace UnitTables {

const Quantity &time()
{
    // A year of 365 days, a month of a twelfth of it, a century of 100 years.
    static const Quantity quantity(
        {
            {QStringLiteral("c"), {times(3.1536e9)}, {dividedBy(3.1536e9)}},
            {QStringLiteral("a"), {times(3.1536e7)}, {dividedBy(3.1536e7)}},
            {QStringLiteral("m"), {times(2.628e6)}, {dividedBy(2.628e6)}},
            {QStringLiteral("w"), {times(604800)}, {dividedBy(604800)}},
            {QStringLiteral("d"), {times(86400)}, {dividedBy(86400)}},
            {QStringLiteral("h"), {times(3600)}, {dividedBy(3600)}},
            {QStringLiteral("min"), {times(60)}, {dividedBy(60)}},
            {QStringLiteral("s"), {}, {}},
            {QStringLiteral("ms"), {dividedBy(1000)}, {times(1000)}},
            {QStringLiteral("μs"), {dividedBy(1000000)}, {times(1000000)}},
            {QStringLiteral("ns"), {dividedBy(1000000000)}, {times(1000000000)}},
            {QStringLiteral("fs"), {dividedBy(1e15)}, {times(1e15)}},
            {QStringLiteral("as"), {dividedBy(1e18)}, {times(1e18)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &speed()
{
    static const Quantity quantity(
        {
            {QStringLiteral("m/s"), {}, {}},
            {QStringLiteral("m/min"), {dividedBy(60)}, {times(60)}},
            {QStringLiteral("m/h"), {dividedBy(3600)}, {times(3600)}},
            {QStringLiteral("km/min"), {dividedBy(0.06)}, {times(0.06)}},
            {QStringLiteral("km/h"), {dividedBy(3.6)}, {times(3.6)}},
            {QStringLiteral("ft/s"), {times(0.3048)}, {dividedBy(0.3048)}},
            {QStringLiteral("ft/min"), {times(0.3048), dividedBy(60)}, {dividedBy(0.00508)}},
            {QStringLiteral("ft/h"),
             {times(0.3048), dividedBy(3600)},
             {dividedBy(8.466666666666667e-5)}},
            {QStringLiteral("mi/min"),
             {times(1609.34), dividedBy(60)},
             {dividedBy(26.822333333333333)}},
            {QStringLiteral("mi/h"),
             {times(1609.34), dividedBy(3600)},
             {dividedBy(0.4470388888888889)}},
            {QStringLiteral("knot"),
             {times(1852), dividedBy(3600)},
             {dividedBy(0.5144444444444445)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &torque()
{
    static const Quantity quantity(
        {
            {QStringLiteral("N·m"), {}, {}},
            {QStringLiteral("dyn·cm"), {dividedBy(10000000)}, {times(10000000)}},
            {QStringLiteral("lbf·ft"), {dividedBy(0.737562)}, {times(0.737562)}},
            {QStringLiteral("kgf·m"), {times(9.80665)}, {dividedBy(9.80665)}},
            {QStringLiteral("pdl·m"), {times(0.138255)}, {dividedBy(0.138255)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &force()
{
    static const Quantity quantity(
        {
            {QStringLiteral("N"), {}, {}},
            {QStringLiteral("dyn"), {dividedBy(100000)}, {times(100000)}},
            {QStringLiteral("lbf"), {times(4.44822)}, {dividedBy(4.44822)}},
            {QStringLiteral("kgf"), {times(9.80665)}, {dividedBy(9.80665)}},
            {QStringLiteral("pdl"), {times(0.138255)}, {dividedBy(0.138255)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &pressure()
{
    static const Quantity quantity(
        {
            {QStringLiteral("mPa"), {times(0.001)}, {times(1000)}},
            {QStringLiteral("Pa"), {}, {}},
            {QStringLiteral("hPa"), {times(100)}, {times(0.01)}},
            {QStringLiteral("kPa"), {times(1000)}, {times(0.001)}},
            {QStringLiteral("GPa"), {times(1000000000)}, {times(1e-9)}},
            {QStringLiteral("bar"), {times(100000)}, {times(1e-5)}},
            {QStringLiteral("pz"), {times(1000)}, {times(0.001)}},
            {QStringLiteral("psi"), {times(6894.76)}, {dividedBy(6894.76)}},
            {QStringLiteral("kpsi"), {times(6894.76), times(1000)}, {dividedBy(6894760)}},
            {QStringLiteral("atm"), {times(101325)}, {dividedBy(101325)}},
            {QStringLiteral("at"), {times(98066.5)}, {dividedBy(98066.5)}},
            {QStringLiteral("torr"), {times(133.322)}, {dividedBy(133.322)}},
            {QStringLiteral("mmHg"), {times(133.322)}, {dividedBy(133.322)}},
            {QStringLiteral("mHg"), {times(133322)}, {dividedBy(133322)}},
            {QStringLiteral("cmHg"), {times(1333.22)}, {dividedBy(1333.22)}},
            {QStringLiteral("inHg"), {times(3386.39)}, {dividedBy(3386.39)}},
            {QStringLiteral("mmH2O"), {times(9.80665)}, {dividedBy(9.80665)}},
            {QStringLiteral("cmH2O"), {times(98.0665)}, {dividedBy(98.0665)}},
            {QStringLiteral("mH2O"), {times(9806.65)}, {dividedBy(9806.65)}},
            {QStringLiteral("inH2O"), {times(249.088)}, {dividedBy(249.088)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

} // namespace UnitTables
