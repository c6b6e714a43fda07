#include "quantitynames.h"
#include "resultformat.h"
#include "unitlabel.h"

#include <QLocale>
#include <QTest>

// The unit tables, label cleaning and result texts of the converter's panels.
class TestUnitTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyUnitToItselfIsTheIdentity_data();
    void everyUnitToItselfIsTheIdentity();
    void workedExamples_data();
    void workedExamples();
    void resultFormats_data();
    void resultFormats();
    void labelSymbols_data();
    void labelSymbols();
    void unknownSymbolsGiveZero();
    void decimalPointUnderGermanLocale();
};

void TestUnitTables::everyUnitToItselfIsTheIdentity_data()
{
    QTest::addColumn<QString>("quantity");
    for (const auto &[title, quantity] : namedQuantities())
        QTest::newRow(qPrintable(title)) << title;
}

void TestUnitTables::everyUnitToItselfIsTheIdentity()
{
    QFETCH(QString, quantity);
    const Quantity &units = quantityNamed(quantity);
    QStringList wrong;
    for (const UnitDefinition &unit : units.units()) {
        const QString label = unit.symbol + QStringLiteral("(long name)");
        for (const double value : {1.0, 2.5, 0.1, 1000.0, -3.0, 1e-300, 1e300}) {
            const double result = units.convert(value, label, label);
            if (result != value)
                wrong << QStringLiteral("%1 %2: expected %3, got %4")
                             .arg(value)
                             .arg(unit.symbol)
                             .arg(value, 0, 'g', 17)
                             .arg(result, 0, 'g', 17);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void TestUnitTables::workedExamples_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *quantity, const char *value, const char *from, const char *to,
                        const char *expected) {
        QTest::addRow("%s: %s %s to %s", quantity, value, from, to)
            << QString::fromUtf8(quantity) << QString::fromUtf8(value) << QString::fromUtf8(from)
            << QString::fromUtf8(to) << QString::fromUtf8(expected);
    };
    row("Lengths", "1", "ls", "m", "299792458");
    row("Lengths", "1", "ls", "km", "299792.457999999984168");
    row("Lengths", "1", "km", "ls", "0.000003335640952");
    row("Lengths", "1", "pc", "ly", "3.261494556600782");
    row("Lengths", "1", "ly", "pc", "0.306607900962504");
    row("Lengths", "1", "au", "m", "149600000000");
    row("Lengths", "1", "m", "au", "0.000000000006684");
    row("Lengths", "1", "Å", "nm", "0.1");
    row("Lengths", "1", "M", "m", "1852");
    row("Lengths", "1", "m", "m", "1");
    row("Lengths", "1", "m", "M", "0.000539956803456");
    row("Lengths", "1", "mil", "mm", "0.0254");
    row("Lengths", "1", "mm", "mil", "39.370078740157481");
    row("Lengths", "1", "mi", "m", "1609.339999999999918");
    row("Lengths", "1", "in", "mm", "25.399999999999999");
    row("Lengths", "1", "ft", "in", "12.000000000000002");
    row("Lengths", "1", "yd", "ft", "3");
    row("Lengths", "1", "mi", "km", "1.60934");
    row("Lengths", "2.5", "km", "m", "2500");
    row("Lengths", "-3", "cm", "mm", "-30");
    row("Lengths", "0", "km", "m", "0");
    row("Lengths", "", "km", "m", "0");
    row("Lengths", "abc", "km", "m", "0");
    row("Lengths", "1,5", "km", "m", "0");
    row("Lengths", " 2 ", "km", "m", "2000");
    row("Lengths", "1e-20", "km", "m", "0");
    row("Lengths", "1e20", "m", "m", "100000000000000000000");
    row("Mass", "1", "lb", "kg", "0.453592");
    row("Mass", "1", "kg", "lb", "2.204624420183777");
    row("Mass", "1", "t", "kg", "1000");
    row("Mass", "1", "ct", "g", "0.2");
    row("Mass", "1", "oz", "g", "28.349499999999999");
    row("Mass", "1", "st", "lb", "14.000004409248842");
    row("Mass", "1", "g", "ng", "1000000000");
    row("Mass", "1", "u", "kg", "0");
    row("Area", "1", "ha", "m²", "10000");
    row("Area", "1", "ac", "m²", "4046.860000000000127");
    row("Area", "1", "mi²", "km²", "2.58999");
    row("Area", "1", "km²", "ha", "100");
    row("Area", "1", "ft²", "in²", "143.999937999876011");
    row("Volume", "1", "m³", "L", "1000");
    row("Volume", "1", "L", "mL", "1000");
    row("Volume", "1", "UK gal", "L", "4.54609");
    row("Volume", "1", "US gal", "L", "3.78541");
    row("Volume", "1", "cup", "mL", "236.588");
    row("Volume", "1", "tbsp", "mL", "14.7868");
    row("Volume", "1", "ft³", "L", "28.3168");
    row("Volume", "1", "in³", "cm³", "16.3871");
    row("Volume", "1", "US oz", "mL", "28.3495");
    row("Volume", "1", "US gal", "UK gal", "0.8326737922");
    row("Volume", "1", "UK pt", "US pt", "1.2009505977");
    row("Volume", "1", "mm³", "m³", "0.000000001");
    row("Speed", "1", "km/min", "m/s", "16.6666666667");
    row("Speed", "1", "m/s", "km/min", "0.06");
    row("Speed", "1", "knot", "km/h", "1.852");
    row("Speed", "1", "mi/h", "km/h", "1.60934");
    row("Speed", "1", "ft/min", "ft/min", "1");
    row("Time", "1", "h", "min", "60");
    row("Time", "1", "min", "h", "0.0166666667");
    row("Time", "1", "c", "s", "3153600000");
    row("Time", "1", "s", "as", "1000000000000000000");
    row("Time", "1", "as", "s", "0");
    row("Torque", "1", "dyn·cm", "N·m", "0.0000001");
    row("Force", "1", "lbf", "N", "4.44822");
    row("Force", "1", "N", "kgf", "0.1019716213");
    row("Pressure", "1", "kpsi", "Pa", "6894760");
    row("Pressure", "1", "atm", "bar", "1.01325");
    row("Pressure", "1", "torr", "mmHg", "1");
    row("Pressure", "1", "cmH2O", "Pa", "98.0665");
    row("Pressure", "1", "mH2O", "cmH2O", "100");
    row("Pressure", "1", "inH2O", "Pa", "249.088");
    // Temperature scales both ways; an empty value box is 0 degrees.
    row("Temperature", "", "°C", "°F", "32");
    row("Temperature", "", "°F", "°C", "-17.7777777778");
    row("Temperature", "", "K", "°C", "-273.15");
    row("Temperature", "", "K", "°F", "-459.67");
    row("Temperature", "-40", "°C", "°F", "-40");
    row("Temperature", "32", "°F", "K", "273.15");
    row("Temperature", "0", "°C", "°R", "491.67");
    row("Temperature", "0", "°F", "°R", "459.67");
    row("Temperature", "100", "°C", "°De", "0");
    row("Temperature", "0", "°C", "°De", "150");
    row("Temperature", "0", "°De", "°C", "100");
    row("Temperature", "0", "°C", "°Rø", "7.5");
    row("Temperature", "7.5", "°Rø", "°C", "0");
    row("Temperature", "100", "°C", "°Ré", "80");
    row("Temperature", "80", "°Ré", "°C", "100");
    row("Temperature", "100", "°C", "°N", "33");
    row("Temperature", "33", "°N", "°C", "100");
    row("Temperature", "100", "°F", "°F", "100");
    row("Power", "1", "mhp", "W", "745.6998715823");
    row("Power", "1", "W", "hp", "0.0013596212");
    row("Energy", "1", "kW·h", "J", "3600000");
    row("Energy", "1", "erg", "J", "0.0000001");
    row("Energy", "1", "J", "erg", "10000000");
    row("Energy", "1", "eV", "J", "0");
    row("Energy", "abc", "J", "kJ", "0");
    row("DataStorage", "1", "kB", "Bit", "8192");
    row("DataStorage", "1", "B", "Bit", "8");
    row("DataStorage", "1", "MB", "Bit", "8.38861e+06");
    row("DataStorage", "8", "Bit", "B", "1");
    row("DataStorage", "1", "EB", "Bit", "9.22337e+18");
    row("DataStorage", "1", "B", "kB", "0.000976563");
    row("DataStorage", "1", "Bit", "MB", "1.19209e-07");
    row("DataStorage", "100000", "Bit", "Bit", "100000");
    row("Capacitance", "1", "F", "μF", "1000000");
    row("Capacitance", "1", "pF", "nF", "0.001");
    row("Capacitance", "1", "pF", "F", "0");
    row("Capacitance", "-1", "pF", "F", "0");
    row("Current", "1", "pA", "A", "0");
    row("Charge", "1", "C", "Ah", "0.0002777778");
    row("Charge", "1", "e", "C", "0");
    row("Charge", "1", "e", "e", "1");
    row("Charge", "1", "Fr", "C", "0.0000000003");
    row("Charge", "1", "µFr", "nFr", "1000");
    row("Charge", "1", "kFr", "Fr", "1000");
    row("Charge", "1", "MFr", "C", "0.00033356");
    row("Charge", "1", "GF", "C", "0.33356");
    row("Magnetic", "1", "G", "T", "0.0001");
    row("Magnetic", "1", "Mx/cm²", "G", "1");
    row("Magnetic", "1", "γ", "nT", "1");
    row("Angle", "1", "radian", "°", "57.2957795131");
    row("Angle", "180", "°", "radian", "3.1415926536");
    row("Angle", "1", "angular mil", "°", "0.05625");
    row("Angle", "1", "°", "angular mil", "17.7777777778");
    row("Angle", "1", "¯", "°", "11.2485939258");
    row("Angle", "1", "°", "¯", "0.0889");
    row("Angle", "1", "1/4circle", "°", "90");
    row("Angle", "90", "°", "1/4circle", "1");
    row("Angle", "1", "circle", "1/2circle", "2");
    // Labels are compared by symbol only, whatever the long name says.
    row("Lengths", "1", "km(千米)", "m(米)", "1000");
    row("Resistance", "1", "kΩ(kiloohm)", "Ω(ohm)", "1000");
}

void TestUnitTables::workedExamples()
{
    QFETCH(QString, quantity);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    QCOMPARE(quantityNamed(quantity).resultText(value, from, to), expected);
}

void TestUnitTables::resultFormats_data()
{
    QTest::addColumn<int>("decimals"); // 0: six significant digits
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 15 << 1.0 << "1";
    QTest::newRow("zeros before the point stay") << 10 << 1000.0 << "1000";
    QTest::newRow("trailing zeros go") << 10 << 100.5 << "100.5";
    QTest::newRow("inner zeros stay") << 10 << 1000.0001 << "1000.0001";
    QTest::newRow("below resolution") << 10 << 4e-11 << "0";
    QTest::newRow("rounds up into view") << 10 << 6e-11 << "0.0000000001";
    QTest::newRow("negative below resolution") << 10 << -4e-11 << "0";
    QTest::newRow("negative zero") << 15 << -0.0 << "0";
    QTest::newRow("negative") << 10 << -2.25 << "-2.25";
    QTest::newRow("never an exponent") << 15 << 1e20 << "100000000000000000000";
    QTest::newRow("significant") << 0 << 8388608.0 << "8.38861e+06";
    QTest::newRow("significant keeps its digits") << 0 << 100000.0 << "100000";
    QTest::newRow("significant small") << 0 << 0.0001 << "0.0001";
    QTest::newRow("significant exponent") << 0 << 0.00001 << "1e-05";
}

void TestUnitTables::resultFormats()
{
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, expected);
    const ResultFormat format =
        decimals == 0 ? ResultFormat::significant(6) : ResultFormat::fixedTrimmed(decimals);
    QCOMPARE(format.text(value), expected);
}

void TestUnitTables::labelSymbols_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("symbol");
    QTest::newRow("symbol and name") << "km(kilometer)"
                                     << "km";
    QTest::newRow("spaces kept") << "UK fl oz(UK Fluid ounce)"
                                 << "UK fl oz";
    QTest::newRow("bare symbol") << "Bit"
                                 << "Bit";
    QTest::newRow("translated name") << "°C(摄氏度)"
                                     << "°C";
    QTest::newRow("first ( to last )") << "a(b)c(d)e"
                                       << "ae";
    QTest::newRow("no closing parenthesis") << "x(y"
                                            << "x(y";
    QTest::newRow("empty") << ""
                           << "";
}

void TestUnitTables::labelSymbols()
{
    QFETCH(QString, label);
    QFETCH(QString, symbol);
    QCOMPARE(UnitLabel::symbol(label), symbol);
}

void TestUnitTables::unknownSymbolsGiveZero()
{
    const Quantity &lengths = UnitTables::lengths();
    // Symbols compare exactly: case and the micro sign's code point count.
    for (const QString &label : {QStringLiteral("KM(kilometer)"), QStringLiteral("μm"),
                                 QStringLiteral("km "), QString()}) {
        QVERIFY2(lengths.toBase(5, label) == 0.0, qPrintable(label));
        QVERIFY2(lengths.fromBase(5, label) == 0.0, qPrintable(label));
        QCOMPARE(lengths.resultText(QStringLiteral("5"), label, label), QStringLiteral("0"));
    }
    QCOMPARE(lengths.resultText(QStringLiteral("5"), QStringLiteral("km"), QStringLiteral("?")),
             QStringLiteral("0"));
}

void TestUnitTables::decimalPointUnderGermanLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString decimal = UnitTables::lengths().resultText(
        QStringLiteral("2.5"), QStringLiteral("m"), QStringLiteral("km"));
    const QString comma = UnitTables::lengths().resultText(
        QStringLiteral("2,5"), QStringLiteral("m"), QStringLiteral("km"));
    QLocale::setDefault(before);
    QCOMPARE(decimal, QStringLiteral("0.0025"));
    QCOMPARE(comma, QStringLiteral("0"));
}

QTEST_APPLESS_MAIN(TestUnitTables)
#include "tst_unittables.moc"
