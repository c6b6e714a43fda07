#include "unittables.h"

namespace UnitTables {

const Quantity &temperature()
{
    // Affine scales, each step applied in the order written.
    static const Quantity quantity(
        {
            {QStringLiteral("°C"), {}, {}},
            {QStringLiteral("°F"),
             {minus(32), times(5), dividedBy(9)},
             {times(9), dividedBy(5), plus(32)}},
            {QStringLiteral("K"), {minus(273.15)}, {plus(273.15)}},
            {QStringLiteral("°Ré"), {times(5), times(0.25)}, {times(4), dividedBy(5)}},
            {QStringLiteral("°Rø"),
             {minus(7.5), times(40), dividedBy(21)},
             {times(21), dividedBy(40), plus(7.5)}},
            {QStringLiteral("°De"),
             {doubled(), dividedBy(-3), plus(100)},
             {subtractedFrom(100), times(3), times(0.5)}},
            {QStringLiteral("°R"),
             {minus(491.67), times(5), dividedBy(9)},
             {times(9), dividedBy(5), plus(491.67)}},
            {QStringLiteral("°N"), {times(100), dividedBy(33)}, {times(33), dividedBy(100)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &power()
{
    static const Quantity quantity(
        {
            {QStringLiteral("W"), {}, {}},
            {QStringLiteral("kW"), {times(1000)}, {dividedBy(1000)}},
            {QStringLiteral("MW"), {times(1000000)}, {dividedBy(1000000)}},
            {QStringLiteral("GW"), {times(1000000000)}, {dividedBy(1000000000)}},
            {QStringLiteral("BTU/h"), {times(0.293071)}, {dividedBy(0.293071)}},
            {QStringLiteral("BTU/min"), {times(17.5843)}, {dividedBy(17.5843)}},
            {QStringLiteral("BTU/s"), {times(1055.06)}, {dividedBy(1055.06)}},
            {QStringLiteral("ft·lbf/s"), {times(1.35582)}, {dividedBy(1.35582)}},
            {QStringLiteral("hp"), {times(735.499)}, {dividedBy(735.499)}},
            {QStringLiteral("mhp"), {times(745.6998715822702)}, {dividedBy(745.6998715822702)}},
            {QStringLiteral("ehp"), {times(746)}, {dividedBy(746)}},
            {QStringLiteral("bhp"), {times(9809.5)}, {dividedBy(9809.5)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &energy()
{
    static const Quantity quantity(
        {
            {QStringLiteral("J"), {}, {}},
            {QStringLiteral("kJ"), {times(1000)}, {times(0.001)}},
            {QStringLiteral("MJ"), {times(1000000)}, {times(1e-6)}},
            {QStringLiteral("W·h"), {times(3600)}, {dividedBy(3600)}},
            {QStringLiteral("kW·h"), {times(3.6e6)}, {dividedBy(3.6e6)}},
            {QStringLiteral("erg"), {times(1e-7)}, {times(10000000)}},
            {QStringLiteral("kpm"), {times(9.80665)}, {dividedBy(9.80665)}},
            {QStringLiteral("btu"), {times(1055.06)}, {dividedBy(1055.06)}},
            {QStringLiteral("ft·lbf"), {times(1.35582)}, {dividedBy(1.35582)}},
            {QStringLiteral("cal"), {times(4.184)}, {dividedBy(4.184)}},
            {QStringLiteral("eV"), {times(1.60218e-19)}, {dividedBy(1.60218e-19)}},
        },
        ResultFormat::fixedTrimmed(10));
    return quantity;
}

const Quantity &dataStorage()
{
    // Prefix steps of 1024 and bytes of 8 bits: every step scales by a power
    // of two, so every result is exact.
    static const Quantity quantity(
        {
            {QStringLiteral("Bit"), {}, {}},
            {QStringLiteral("kBit"), {times(1024)}, {times(0x1p-10)}},
            {QStringLiteral("Mbit"), {times(1024), times(1024)}, {times(0x1p-20)}},
            {QStringLiteral("GBit"), {times(1024), times(1024), times(1024)}, {times(0x1p-30)}},
            {QStringLiteral("TBit"),
             {times(1024), times(1024), times(1024), times(1024)},
             {times(0x1p-40)}},
            {QStringLiteral("PBit"), {times(0x1p50)}, {times(0x1p-50)}},
            {QStringLiteral("EBit"), {times(0x1p60)}, {times(0x1p-60)}},
            {QStringLiteral("B"), {times(8)}, {times(0.125)}},
            {QStringLiteral("kB"), {times(1024), times(8)}, {times(0x1p-13)}},
            {QStringLiteral("MB"), {times(1024), times(1024), times(8)}, {times(0x1p-23)}},
            {QStringLiteral("GB"),
             {times(1024), times(1024), times(1024), times(8)},
             {times(0x1p-33)}},
            {QStringLiteral("TB"),
             {times(1024), times(1024), times(1024), times(1024), times(8)},
             {times(0x1p-43)}},
            {QStringLiteral("PB"), {times(0x1p50), times(8)}, {times(0x1p-50), times(0.125)}},
            {QStringLiteral("EB"), {times(0x1p60), times(8)}, {times(0x1p-60), times(0.125)}},
        },
        ResultFormat::significant(6));
    return quantity;
}

} // namespace UnitTables
