#include "quantitynames.h"

#include <QHash>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <cmath>

// Every factor of the unit tables against GNU units (Debian's "units"), within
// the rounding of the constants the tables carry. Rows with a reason are the
// tables' deliberate departures; every factor more than 1e-6 away from GNU
// units is printed, and is listed in the document of such factors.
class TestGnuUnits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void factors_data();
    void factors();
    void temperatureScales_data();
    void temperatureScales();

private:
    // "quantity symbol" of each factor the document lists.
    QSet<QString> m_listed;
};

namespace {

// The worst relative rounding of a constant given to `digits` significant
// digits; 0 digits stands for an exact constant.
double rounding(int digits)
{
    return digits == 0 ? 1e-12 : 5.0 * std::pow(10.0, -digits);
}

// What GNU units makes of `expression` in `unit`, as a number.
double gnuUnits(const QString &expression, const QString &unit)
{
    QProcess units;
    units.start(QStringLiteral("units"), {QStringLiteral("--terse"), QStringLiteral("--digits"),
                                          QStringLiteral("15"), expression, unit});
    if (!units.waitForFinished(10000) || units.exitCode() != 0)
        qFatal("units %s %s: %s", qPrintable(expression), qPrintable(unit),
               units.readAll().constData());
    bool ok = false;
    const double value = units.readAllStandardOutput().trimmed().toDouble(&ok);
    if (!ok)
        qFatal("units %s %s: no number", qPrintable(expression), qPrintable(unit));
    return value;
}

void factor(const char *quantity, const char *symbol, const char *expression, const char *unit,
            double tolerance, const char *reason = "")
{
    QTest::addRow("%s %s", quantity, symbol)
        << QString::fromUtf8(quantity) << QString::fromUtf8(symbol) << QString::fromUtf8(expression)
        << QString::fromUtf8(unit) << tolerance << QString::fromUtf8(reason);
}

// Exact decimal multiples, the prefix spelled out for GNU units.
void multiples(const char *quantity, const QStringList &prefixes, const QString &symbol,
               const QString &name)
{
    static const QHash<QString, QString> spelled{{"p", "pico"},  {"n", "nano"}, {"µ", "micro"},
                                                 {"m", "milli"}, {"k", "kilo"}, {"M", "mega"},
                                                 {"G", "giga"}};
    for (const QString &prefix : prefixes)
        factor(quantity, (prefix + symbol).toUtf8().constData(),
               (spelled.value(prefix) + name).toUtf8().constData(), symbol.toUtf8().constData(),
               rounding(0));
}

} // namespace

void TestGnuUnits::initTestCase()
{
    QFile document(QStringLiteral(YURB_DOCS_DIR "/unit-factors-against-gnu-units.md"));
    QVERIFY2(document.open(QIODevice::ReadOnly), qPrintable(document.fileName()));
    // Table rows: "| quantity | symbol | ...".
    while (!document.atEnd()) {
        const QStringList cells = QString::fromUtf8(document.readLine()).split(QLatin1Char('|'));
        if (cells.size() < 3)
            continue;
        // A misspelt row leaves its factor unlisted, which fails that factor.
        m_listed.insert(cells.at(1).trimmed() + ' ' + cells.at(2).trimmed());
    }
    QVERIFY(!m_listed.isEmpty());
}

void TestGnuUnits::factors_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QString>("reason");

    const double exact = rounding(0);
    for (const char *s : {"km", "dm", "cm", "mm", "nm", "pm"})
        factor("Lengths", s, s, "m", exact);
    factor("Lengths", "µm", "micrometer", "m", exact);
    factor("Lengths", "Å", "angstrom", "m", exact);
    factor("Lengths", "mi", "mile", "m", rounding(6));
    factor("Lengths", "ft", "ft", "m", exact);
    factor("Lengths", "in", "inch", "m", exact);
    factor("Lengths", "mil", "mil", "m", exact);
    factor("Lengths", "M", "nauticalmile", "m", exact);
    factor("Lengths", "yd", "yard", "m", exact);
    factor("Lengths", "au", "au", "m", rounding(4));
    factor("Lengths", "ly", "lightyear", "m", rounding(4));
    factor("Lengths", "ls", "lightsecond", "m", exact);
    factor("Lengths", "pc", "parsec", "m", rounding(5));

    for (const char *s : {"ng", "mg", "g", "t"})
        factor("Mass", s, s, "kg", exact);
    factor("Mass", "µg", "microgram", "kg", exact);
    factor("Mass", "cg", "centigram", "kg", exact);
    factor("Mass", "lb", "lb", "kg", rounding(6));
    factor("Mass", "st", "stone", "kg", rounding(6));
    factor("Mass", "oz", "ounce", "kg", rounding(6));
    factor("Mass", "ozt", "troyounce", "kg", rounding(6));
    factor("Mass", "dwt", "pennyweight", "kg", rounding(6));
    factor("Mass", "ct", "carat", "kg", exact);
    factor("Mass", "u", "u", "kg", rounding(6));

    factor("Area", "km²", "km^2", "m^2", exact);
    factor("Area", "cm²", "cm^2", "m^2", exact);
    factor("Area", "mm²", "mm^2", "m^2", exact);
    factor("Area", "in²", "inch^2", "m^2", exact);
    factor("Area", "ft²", "ft^2", "m^2", rounding(6));
    factor("Area", "yd²", "yard^2", "m^2", rounding(6));
    factor("Area", "mi²", "mile^2", "m^2", rounding(6));
    factor("Area", "ha", "hectare", "m^2", exact);
    factor("Area", "ac", "acre", "m^2", rounding(6));
    factor("Area", "a", "are", "m^2", exact);

    factor("Volume", "dm³", "dm^3", "m^3", exact);
    factor("Volume", "cm³", "cm^3", "m^3", exact);
    factor("Volume", "mm³", "mm^3", "m^3", exact);
    factor("Volume", "in³", "inch^3", "m^3", rounding(6));
    factor("Volume", "ft³", "ft^3", "m^3", rounding(6));
    factor("Volume", "L", "liter", "m^3", exact);
    factor("Volume", "mL", "ml", "m^3", exact);
    factor("Volume", "cup", "uscup", "m^3", rounding(6));
    factor("Volume", "UK gal", "brgallon", "m^3", exact);
    factor("Volume", "UK pt", "brpint", "m^3", rounding(6));
    factor("Volume", "UK fl oz", "brfloz", "m^3", rounding(6));
    factor("Volume", "UK oz", "brfloz", "m^3", 3e-3, "the mass ounce's number taken as litres");
    factor("Volume", "US gal", "usgallon", "m^3", rounding(6));
    factor("Volume", "US pt", "uspint", "m^3", rounding(6));
    factor("Volume", "US fl oz", "usfloz", "m^3", rounding(6));
    factor("Volume", "US oz", "usfloz", "m^3", 5e-2, "the mass ounce's number taken as litres");
    factor("Volume", "tbsp", "tbsp", "m^3", rounding(6));

    factor("Time", "c", "century", "s", 1e-3, "a century of 365-day years");
    factor("Time", "a", "year", "s", 1e-3, "a year of 365 days");
    factor("Time", "m", "month", "s", 1e-3, "a twelfth of a 365-day year");
    factor("Time", "w", "week", "s", exact);
    factor("Time", "d", "day", "s", exact);
    factor("Time", "h", "hour", "s", exact);
    factor("Time", "min", "minute", "s", exact);
    factor("Time", "ms", "ms", "s", exact);
    factor("Time", "μs", "microsecond", "s", exact);
    factor("Time", "ns", "ns", "s", exact);
    factor("Time", "fs", "femtosecond", "s", exact);
    factor("Time", "as", "attosecond", "s", exact);

    factor("Speed", "m/min", "m/min", "m/s", exact);
    factor("Speed", "m/h", "m/hr", "m/s", exact);
    factor("Speed", "km/min", "km/min", "m/s", exact);
    factor("Speed", "km/h", "km/hr", "m/s", exact);
    factor("Speed", "ft/s", "ft/s", "m/s", exact);
    factor("Speed", "ft/min", "ft/min", "m/s", exact);
    factor("Speed", "ft/h", "ft/hr", "m/s", exact);
    factor("Speed", "mi/min", "mile/min", "m/s", rounding(6));
    factor("Speed", "mi/h", "mile/hr", "m/s", rounding(6));
    factor("Speed", "knot", "knot", "m/s", exact);

    factor("Torque", "dyn·cm", "dyne cm", "N m", exact);
    factor("Torque", "lbf·ft", "lbf ft", "N m", rounding(6));
    factor("Torque", "kgf·m", "kgf m", "N m", exact);
    factor("Torque", "pdl·m", "poundal m", "N m", rounding(6));
    factor("Force", "dyn", "dyne", "N", exact);
    factor("Force", "lbf", "lbf", "N", rounding(6));
    factor("Force", "kgf", "kgf", "N", exact);
    factor("Force", "pdl", "poundal", "N", rounding(6));

    factor("Pressure", "mPa", "millipascal", "Pa", exact);
    factor("Pressure", "hPa", "hectopascal", "Pa", exact);
    factor("Pressure", "kPa", "kPa", "Pa", exact);
    factor("Pressure", "GPa", "gigapascal", "Pa", exact);
    factor("Pressure", "bar", "bar", "Pa", exact);
    factor("Pressure", "pz", "pieze", "Pa", exact);
    factor("Pressure", "psi", "psi", "Pa", rounding(6));
    factor("Pressure", "kpsi", "kpsi", "Pa", rounding(6));
    factor("Pressure", "atm", "atm", "Pa", exact);
    factor("Pressure", "at", "technicalatmosphere", "Pa", exact);
    factor("Pressure", "torr", "torr", "Pa", rounding(6));
    factor("Pressure", "mmHg", "mmHg", "Pa", rounding(6));
    factor("Pressure", "mHg", "1000 mmHg", "Pa", rounding(6));
    factor("Pressure", "cmHg", "10 mmHg", "Pa", rounding(6));
    factor("Pressure", "inHg", "inHg", "Pa", rounding(6));
    factor("Pressure", "mmH2O", "mmH2O", "Pa", exact);
    factor("Pressure", "cmH2O", "10 mmH2O", "Pa", exact);
    factor("Pressure", "mH2O", "1000 mmH2O", "Pa", exact);
    factor("Pressure", "inH2O", "inH2O", "Pa", rounding(6));

    factor("Power", "kW", "kW", "W", exact);
    factor("Power", "MW", "megawatt", "W", exact);
    factor("Power", "GW", "gigawatt", "W", exact);
    factor("Power", "BTU/h", "btu/hr", "W", rounding(6));
    factor("Power", "BTU/min", "btu/min", "W", rounding(6));
    factor("Power", "BTU/s", "btu/s", "W", rounding(6));
    factor("Power", "ft·lbf/s", "ft lbf/s", "W", rounding(6));
    factor("Power", "hp", "metrichorsepower", "W", rounding(6));
    factor("Power", "mhp", "horsepower", "W", rounding(14));
    factor("Power", "ehp", "electrichorsepower", "W", exact);
    factor("Power", "bhp", "boilerhorsepower", "W", rounding(5));

    factor("Energy", "kJ", "kJ", "J", exact);
    factor("Energy", "MJ", "MJ", "J", exact);
    factor("Energy", "W·h", "W hr", "J", exact);
    factor("Energy", "kW·h", "kW hr", "J", exact);
    factor("Energy", "erg", "erg", "J", exact);
    factor("Energy", "kpm", "kgf m", "J", exact);
    factor("Energy", "btu", "btu", "J", rounding(6));
    factor("Energy", "ft·lbf", "ft lbf", "J", rounding(6));
    factor("Energy", "cal", "calorie", "J", exact);
    factor("Energy", "eV", "eV", "J", rounding(6));

    factor("DataStorage", "kBit", "kibibit", "bit", exact);
    factor("DataStorage", "Mbit", "mebibit", "bit", exact);
    factor("DataStorage", "GBit", "gibibit", "bit", exact);
    factor("DataStorage", "TBit", "tebibit", "bit", exact);
    factor("DataStorage", "PBit", "pebibit", "bit", exact);
    factor("DataStorage", "EBit", "exbibit", "bit", exact);
    factor("DataStorage", "B", "byte", "bit", exact);
    factor("DataStorage", "kB", "kibibyte", "bit", exact);
    factor("DataStorage", "MB", "mebibyte", "bit", exact);
    factor("DataStorage", "GB", "gibibyte", "bit", exact);
    factor("DataStorage", "TB", "tebibyte", "bit", exact);
    factor("DataStorage", "PB", "pebibyte", "bit", exact);
    factor("DataStorage", "EB", "exbibyte", "bit", exact);

    factor("Capacitance", "μF", "microfarad", "F", exact);
    factor("Capacitance", "nF", "nF", "F", exact);
    factor("Capacitance", "pF", "pF", "F", exact);
    factor("Resistance", "kΩ", "kiloohm", "ohm", exact);
    factor("Resistance", "MΩ", "megaohm", "ohm", exact);
    factor("Resistance", "GΩ", "gigaohm", "ohm", exact);
    multiples("Conductance", {"n", "µ", "m", "k", "M", "G"}, "S", "siemens");
    multiples("Inductance", {"n", "µ", "m", "k", "M", "G"}, "H", "henry");
    multiples("Current", {"k", "M", "G", "m", "µ", "n", "p"}, "A", "ampere");
    multiples("Charge", {"n", "µ", "m", "k", "M", "G"}, "C", "coulomb");
    multiples("Magnetic", {"M", "k", "m", "µ", "n", "p"}, "T", "tesla");
    factor("Charge", "Fr", "franklin", "C", rounding(5));
    factor("Charge", "nFr", "nanofranklin", "C", rounding(5));
    factor("Charge", "µFr", "microfranklin", "C", rounding(5));
    factor("Charge", "mFr", "millifranklin", "C", rounding(5));
    factor("Charge", "kFr", "kilofranklin", "C", rounding(5));
    factor("Charge", "MFr", "megafranklin", "C", rounding(5));
    factor("Charge", "GF", "gigafranklin", "C", rounding(5));
    factor("Charge", "e", "e", "C", rounding(4));
    factor("Charge", "Ah", "ampere hour", "C", exact);
    factor("Magnetic", "G", "gauss", "T", exact);
    factor("Magnetic", "Wb/m²", "Wb/m^2", "T", exact);
    factor("Magnetic", "Wb/cm²", "Wb/cm^2", "T", exact);
    factor("Magnetic", "γ", "nanotesla", "T", exact);
    factor("Magnetic", "Mx/m²", "maxwell/m^2", "T", exact);
    factor("Magnetic", "Mx/cm²", "maxwell/cm^2", "T", exact);

    factor("Angle", "radian", "radian", "degree", exact);
    factor("Angle", "arcminute", "arcmin", "degree", exact);
    factor("Angle", "arcsecond", "arcsec", "degree", exact);
    factor("Angle", "circle", "circle", "degree", exact);
    factor("Angle", "1/2circle", "circle/2", "degree", exact);
    factor("Angle", "1/4circle", "circle/4", "degree", exact);
    factor("Angle", "angular mil", "circle/6400", "degree", exact);
    factor("Angle", "¯", "circle/32", "degree", 2e-4, "the compass point taken as 1/0.0889 degree");
}

void TestGnuUnits::factors()
{
    QFETCH(QString, quantity);
    QFETCH(QString, symbol);
    QFETCH(QString, expression);
    QFETCH(QString, unit);
    QFETCH(double, tolerance);
    QFETCH(QString, reason);

    const Quantity &units = quantityNamed(quantity);
    const double reference = gnuUnits(expression, unit);
    // Both directions: each has its own constants.
    const double toBase = units.toBase(1.0, symbol);
    const double fromBase = 1.0 / units.fromBase(1.0, symbol);
    const bool differs =
        std::abs(toBase / reference - 1.0) > 1e-6 || std::abs(fromBase / reference - 1.0) > 1e-6;
    QVERIFY2(m_listed.contains(quantity + ' ' + symbol) == differs,
             qPrintable(QStringLiteral("%1 %2 %3 the document of factors that differ")
                            .arg(quantity, symbol,
                                 differs ? QStringLiteral("differs but is missing from")
                                         : QStringLiteral("agrees but is listed in"))));
    for (const auto &[direction, ours] :
         {std::pair{"to the base", toBase}, std::pair{"from the base", fromBase}}) {
        const double difference = ours / reference - 1.0;
        if (std::abs(difference) > 1e-6)
            qInfo("differs by %+.2e: %s %s %s: %.15g, GNU units %.15g%s%s", difference,
                  qPrintable(quantity), qPrintable(symbol), direction, ours, reference,
                  reason.isEmpty() ? "" : ", deliberately: ", qPrintable(reason));
        QVERIFY2(std::abs(difference) <= tolerance,
                 qPrintable(QStringLiteral("%1 %2 %3: %4 against GNU units' %5 (%6 = %7): off by "
                                           "%8, allowed %9")
                                .arg(quantity, symbol, QString::fromLatin1(direction))
                                .arg(ours, 0, 'g', 15)
                                .arg(reference, 0, 'g', 15)
                                .arg(expression, unit)
                                .arg(difference)
                                .arg(tolerance)));
    }
}

void TestGnuUnits::temperatureScales_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<double>("value");
    // GNU units' reading of `value` in the scale, and the scale's own unit
    // name there; empty for scales GNU units lacks, whose Celsius value by
    // their definition is given instead.
    QTest::addColumn<QString>("gnuValue");
    QTest::addColumn<QString>("gnuScale");
    QTest::addColumn<double>("celsius");

    for (const double x : {-40.0, 0.0, 37.5, 100.0, 451.0}) {
        const QString v = QString::number(x);
        QTest::addRow("°F %g", x) << "°F" << x << "tempF(" + v + ")"
                                  << "tempF" << 0.0;
        QTest::addRow("K %g", x + 273.15) << "K" << x + 273.15 << QString::number(x + 273.15) + " K"
                                          << "K" << 0.0;
        QTest::addRow("°Ré %g", x) << "°Ré" << x << "tempreaumur(" + v + ")"
                                   << "tempreaumur" << 0.0;
        QTest::addRow("°R %g", x + 491.67)
            << "°R" << x + 491.67 << QString::number(x + 491.67) + " degR"
            << "degR" << 0.0;
        // Rømer: water freezes at 7.5 and boils at 60; Delisle: water boils
        // at 0 and freezes at 150; Newton: water boils at 33.
        QTest::addRow("°Rø %g", x) << "°Rø" << x << QString() << QString() << (x - 7.5) * 40 / 21;
        QTest::addRow("°De %g", x) << "°De" << x << QString() << QString() << 100 - x * 2 / 3;
        QTest::addRow("°N %g", x) << "°N" << x << QString() << QString() << x * 100 / 33;
    }
}

void TestGnuUnits::temperatureScales()
{
    QFETCH(QString, symbol);
    QFETCH(double, value);
    QFETCH(QString, gnuValue);
    QFETCH(QString, gnuScale);
    QFETCH(double, celsius);

    if (!gnuValue.isEmpty())
        celsius = gnuUnits(gnuValue, QStringLiteral("tempC"));
    const Quantity &scales = UnitTables::temperature();
    const double ours = scales.toBase(value, symbol);
    QVERIFY2(std::abs(ours - celsius) < 1e-9,
             qPrintable(QStringLiteral("%1 %2 to °C: expected %3, got %4")
                            .arg(value)
                            .arg(symbol)
                            .arg(celsius, 0, 'g', 15)
                            .arg(ours, 0, 'g', 15)));
    const double back = scales.fromBase(celsius, symbol);
    QVERIFY2(std::abs(back - value) < 1e-9,
             qPrintable(QStringLiteral("%1 °C to %2: expected %3, got %4")
                            .arg(celsius, 0, 'g', 15)
                            .arg(symbol)
                            .arg(value)
                            .arg(back, 0, 'g', 15)));
    if (!gnuScale.isEmpty()) {
        const double gnuBack =
            gnuUnits(QStringLiteral("tempC(%1)").arg(celsius, 0, 'g', 15), gnuScale);
        QVERIFY2(std::abs(back - gnuBack) < 1e-9,
                 qPrintable(QStringLiteral("%1 °C to %2: GNU units %3, ours %4")
                                .arg(celsius, 0, 'g', 15)
                                .arg(symbol)
                                .arg(gnuBack, 0, 'g', 15)
                                .arg(back, 0, 'g', 15)));
    }
}

QTEST_GUILESS_MAIN(TestGnuUnits)
#include "tst_gnuunits.moc"
