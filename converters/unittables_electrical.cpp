#include "unittables.h"

namespace UnitTables {

// "μ" in "μF" is U+03BC; every other micro prefix here is U+00B5, as in the
// labels, and the two are not unified.

const Quantity &capacitance()
{
    static const Quantity quantity(
        {
            {QStringLiteral("F"), {}, {}},
            {QStringLiteral("μF"), {times(1e-6)}, {times(1e6)}},
            {QStringLiteral("nF"), {times(1e-9)}, {times(1e9)}},
            {QStringLiteral("pF"), {times(1e-12)}, {times(1e12)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &resistance()
{
    static const Quantity quantity(
        {
            {QStringLiteral("Ω"), {}, {}},
            {QStringLiteral("kΩ"), {times(1000)}, {dividedBy(1000)}},
            {QStringLiteral("MΩ"), {times(1e6)}, {dividedBy(1e6)}},
            {QStringLiteral("GΩ"), {times(1e9)}, {dividedBy(1e9)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &conductance()
{
    static const Quantity quantity(
        {
            {QStringLiteral("nS"), {times(1e-9)}, {times(1e9)}},
            {QStringLiteral("µS"), {times(1e-6)}, {times(1e6)}},
            {QStringLiteral("mS"), {times(0.001)}, {times(1000)}},
            {QStringLiteral("S"), {}, {}},
            {QStringLiteral("kS"), {times(1000)}, {dividedBy(1000)}},
            {QStringLiteral("MS"), {times(1e6)}, {dividedBy(1e6)}},
            {QStringLiteral("GS"), {times(1e9)}, {dividedBy(1e9)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &inductance()
{
    static const Quantity quantity(
        {
            {QStringLiteral("nH"), {times(1e-9)}, {times(1e9)}},
            {QStringLiteral("µH"), {times(1e-6)}, {times(1e6)}},
            {QStringLiteral("mH"), {times(0.001)}, {times(1000)}},
            {QStringLiteral("H"), {}, {}},
            {QStringLiteral("kH"), {times(1000)}, {dividedBy(1000)}},
            {QStringLiteral("MH"), {times(1e6)}, {dividedBy(1e6)}},
            {QStringLiteral("GH"), {times(1e9)}, {dividedBy(1e9)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &current()
{
    static const Quantity quantity(
        {
            {QStringLiteral("A"), {}, {}},
            {QStringLiteral("kA"), {times(1000)}, {dividedBy(1000)}},
            {QStringLiteral("MA"), {times(1e6)}, {dividedBy(1e6)}},
            {QStringLiteral("GA"), {times(1e9)}, {dividedBy(1e9)}},
            {QStringLiteral("mA"), {times(0.001)}, {times(1000)}},
            {QStringLiteral("µA"), {times(1e-6)}, {times(1e6)}},
            {QStringLiteral("nA"), {times(1e-9)}, {times(1e9)}},
            {QStringLiteral("pA"), {times(1e-12)}, {times(1e12)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &charge()
{
    // The franklin is taken as 3.3356e-10 C; the elementary charge's two
    // constants are not exact reciprocals.
    static const Quantity quantity(
        {
            {QStringLiteral("C"), {}, {}},
            {QStringLiteral("nC"), {times(1e-9)}, {times(1e9)}},
            {QStringLiteral("µC"), {times(1e-6)}, {times(1e6)}},
            {QStringLiteral("mC"), {times(0.001)}, {times(1000)}},
            {QStringLiteral("kC"), {times(1000)}, {times(0.001)}},
            {QStringLiteral("MC"), {times(1e6)}, {times(1e-6)}},
            {QStringLiteral("GC"), {times(1e9)}, {times(1e-9)}},
            {QStringLiteral("Fr"), {times(3.3356e-10)}, {dividedBy(3.3356e-10)}},
            {QStringLiteral("nFr"), {times(3.3356e-19)}, {dividedBy(3.3356e-19)}},
            {QStringLiteral("µFr"), {times(3.3356e-16)}, {dividedBy(3.3356e-16)}},
            {QStringLiteral("mFr"), {times(3.3356e-13)}, {dividedBy(3.3356e-13)}},
            {QStringLiteral("kFr"), {times(3.3356e-7)}, {dividedBy(3.3356e-7)}},
            {QStringLiteral("MFr"), {times(0.00033356)}, {dividedBy(0.00033356)}},
            {QStringLiteral("GF"), {times(0.33356)}, {dividedBy(0.33356)}},
            {QStringLiteral("e"), {times(1.6022e-19)}, {times(6.242e18)}},
            {QStringLiteral("Ah"), {times(3600)}, {dividedBy(3600)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &magnetic()
{
    static const Quantity quantity(
        {
            {QStringLiteral("T"), {}, {}},
            {QStringLiteral("MT"), {times(1e6)}, {times(1e-6)}},
            {QStringLiteral("kT"), {times(1000)}, {times(0.001)}},
            {QStringLiteral("mT"), {times(0.001)}, {times(1000)}},
            {QStringLiteral("µT"), {times(1e-6)}, {times(1e6)}},
            {QStringLiteral("nT"), {times(1e-9)}, {times(1e9)}},
            {QStringLiteral("pT"), {times(1e-12)}, {times(1e12)}},
            {QStringLiteral("G"), {times(0.0001)}, {times(10000)}},
            {QStringLiteral("Wb/m²"), {}, {}},
            {QStringLiteral("Wb/cm²"), {times(10000)}, {times(0.0001)}},
            {QStringLiteral("γ"), {times(1e-9)}, {times(1e9)}},
            {QStringLiteral("Mx/m²"), {times(1e-8)}, {times(1e8)}},
            {QStringLiteral("Mx/cm²"), {times(0.0001)}, {times(10000)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &angle()
{
    // The point ("¯", U+00AF) is taken as 1 ÷ 0.0889 degrees; the angular mil
    // is the 6400-per-circle mil.
    static const Quantity quantity(
        {
            {QStringLiteral("°"), {}, {}},
            {QStringLiteral("radian"), {times(57.29577951308232)}, {times(0.017453292519943295)}},
            {QStringLiteral("arcminute"), {dividedBy(60)}, {times(60)}},
            {QStringLiteral("arcsecond"), {dividedBy(3600)}, {times(3600)}},
            {QStringLiteral("circle"), {times(360)}, {dividedBy(360)}},
            {QStringLiteral("1/2circle"), {times(180)}, {dividedBy(180)}},
            {QStringLiteral("1/4circle"), {times(90)}, {dividedBy(90)}},
            {QStringLiteral("angular mil"), {times(0.05625)}, {times(17.77777777777778)}},
            {QStringLiteral("¯"), {dividedBy(0.0889)}, {times(0.0889)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

} // namespace UnitTables
