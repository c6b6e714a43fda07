#include "envlineparser.h"

#include "chunkingcheck.h"
#include "hexlist.h"

#include <QStringList>
#include <QTest>
#include <QVariant>

using Readings = QList<EnvReading>;

namespace {
constexpr auto Humidity = EnvQuantity::Humidity;
constexpr auto Temperature = EnvQuantity::Temperature;
constexpr auto Barometer = EnvQuantity::Barometer;
constexpr auto Ultraviolet = EnvQuantity::Ultraviolet;
constexpr auto CO2 = EnvQuantity::CO2;
constexpr auto TVOC = EnvQuantity::TVOC;

// The examples of the Help dialog, one per format.
const QByteArray helpLines("Temperature:25.25C\r\nHumidity:60.71%\r\nUltraviolet:300\r\n"
                           "CO2:5000ppm\r\nTVOC:200ppb\r\nBarometer:1120Pa\r\n");

// A byte string with its NUL bytes.
template <qsizetype N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QString readingsText(const Readings &readings)
{
    static const char *const names[] = {"Humidity",    "Temperature", "Barometer",
                                        "Ultraviolet", "CO2",         "TVOC"};
    QStringList texts;
    for (const EnvReading &reading : readings)
        texts.append(QStringLiteral("%1=%2")
                         .arg(QLatin1String(names[int(reading.quantity)]))
                         .arg(reading.value, 0, 'g', 12));
    return texts.join(QLatin1Char(' '));
}
} // namespace

// Readings cut from the environment board's lines.
class TestEnvLineParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void feed_data();
    void feed();
};

void TestEnvLineParser::feed_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<Readings>("readings");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QTest::newRow("the Help dialog's examples, several in one chunk")
        << 256 << helpLines << Readings{{Temperature, 25.25}, {Humidity, 60.71}, {Ultraviolet, 300},
                                        {CO2, 5000},          {TVOC, 200},       {Barometer, 1120}}
        << QByteArrayList{} << false;
    QTest::newRow("formats with signs, spaces and wide numbers")
        << 256
        << QByteArray("Temperature:-12.5C\r\nHumidity: 45.5 %\r\nBarometer:101325Pa\r\n"
                      "CO2:12345ppm\r\nTVOC:0ppb\r\nUltraviolet:-7\r\nHumidity:1e1%\r\n")
        << Readings{{Temperature, -12.5}, {Humidity, 45.5}, {Barometer, 101325},
                    {CO2, 12345},         {TVOC, 0},        {Ultraviolet, -7},
                    {Humidity, 10}}
        << QByteArrayList{} << false;
    QTest::newRow("numbers that do not convert read 0")
        << 256
        << QByteArray("Humidity:abc%\r\nUltraviolet:12.5\r\nTemperature:C\r\nCO2:5e3ppm\r\n"
                      "Temperature:nanC\r\nHumidity:inf%\r\nTVOC:0x10ppb\r\n")
        << Readings{{Humidity, 0},    {Ultraviolet, 0}, {Temperature, 0}, {CO2, 0},
                    {Temperature, 0}, {Humidity, 0},    {TVOC, 0}}
        << QByteArrayList{} << false;
    QTest::newRow("overflowing numbers read 0, the 32-bit ends do not")
        << 256
        << QByteArray("Barometer:2147483648Pa\r\nCO2:2147483647ppm\r\nTVOC:-2147483648ppb\r\n"
                      "Ultraviolet:99999999999999999999\r\nTemperature:1e999C\r\n")
        << Readings{{Barometer, 0},
                    {CO2, 2147483647},
                    {TVOC, -2147483648.0},
                    {Ultraviolet, 0},
                    {Temperature, 0}}
        << QByteArrayList{} << false;
    QTest::newRow("an unfinished reading is held, never shown")
        << 256 << QByteArray("Humidity:45.5%\r\nUltraviolet:12") << Readings{{Humidity, 45.5}}
        << QByteArrayList{} << true;
    QTest::newRow("an unfinished line's CR is held too")
        << 256 << QByteArray("CO2:400ppm\r") << Readings{} << QByteArrayList{} << true;
    QTest::newRow("a terminator before a key ends no reading")
        << 256 << QByteArray("Pa\r\nBarometer:1000") << Readings{} << QByteArrayList{"Pa\r"}
        << true;
    QTest::newRow("a line is read by its own key and unit only")
        << 256
        << QByteArray("xHumidity:5%\r\nHumidity:5C\r\nhumidity:5%\r\nTemperature:20C\n"
                      "CO2:500ppmTVOC:1ppb\r\nTVOC:7ppb\r\n")
        << Readings{{TVOC, 7}}
        << QByteArrayList{"xHumidity:5%\r", "Humidity:5C\r", "humidity:5%\r", "Temperature:20C",
                          "CO2:500ppmTVOC:1ppb\r"}
        << false;
    QTest::newRow("NUL bytes hide nothing after them")
        << 256
        << bytes("\0\r\nHumidity:4\0"
                 "5%\r\nTemperature:21.5C\r\n\0\0\0CO2:800ppm\r\n"
                 "TVOC:9ppb\r\n\0")
        << Readings{{Humidity, 0}, {Temperature, 21.5}, {TVOC, 9}}
        << QByteArrayList{bytes("\0\r"), bytes("\0\0\0CO2:800ppm\r")} << true;
    QTest::newRow("empty lines are nothing") << 256 << QByteArray("\r\n\n\r\nCO2:450ppm\r\n")
                                             << Readings{{CO2, 450}} << QByteArrayList{} << false;
    QTest::newRow("too long: reported once, lines cut again after its LF")
        << 16 << QByteArray("Humidity:1111111111111%\r\nHumidity:22%\r\nTVOC:33333333333ppb")
        << Readings{{Humidity, 22}} << QByteArrayList{"Humidity:1111111", "TVOC:33333333333"}
        << false;
    QTest::newRow("a line of exactly the maximum, CR counted")
        << 16 << QByteArray("Humidity:12.345%\r\nHumidity:1.234%\r\n")
        << Readings{{Humidity, 1.234}} << QByteArrayList{"Humidity:12.345%"} << false;
}

void TestEnvLineParser::feed()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(Readings, readings);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    EnvLineParser parser(maximum);
    const ParsedChunk<EnvReading> parsed = parser.feed(stream);
    const auto mismatch = [&](const char *what, const QString &expected, const QString &actual) {
        return qPrintable(QStringLiteral("stream %1: expected %2 %3, got %4")
                              .arg(QString::fromLatin1(stream.toHex(' ')), QLatin1String(what),
                                   expected, actual));
    };
    QVERIFY2(parsed.results == readings,
             mismatch("readings", readingsText(readings), readingsText(parsed.results)));
    QVERIFY2(parsed.corrupt == corrupt,
             mismatch("corrupt", hexList(corrupt), hexList(parsed.corrupt)));
    QVERIFY2(parser.needsMore() == needsMore,
             mismatch("needsMore()", QVariant(needsMore).toString(),
                      QVariant(parser.needsMore()).toString()));

    // Lines split over chunks anywhere give the same.
    verifyChunkingIndependence([maximum] { return EnvLineParser(maximum); }, stream);
}

QTEST_GUILESS_MAIN(TestEnvLineParser)
#include "tst_envlineparser.moc"
