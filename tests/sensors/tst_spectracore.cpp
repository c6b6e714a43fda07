#include "spectrachannels.h"
#include "spectrumcolours.h"

#include <QTest>

using Readings = QList<SpectraReading>;

namespace {
QString text(const Readings &readings)
{
    QStringList texts;
    for (const SpectraReading &reading : readings)
        texts.append(QStringLiteral("%1=%2").arg(reading.channel).arg(reading.value));
    return QLatin1Char('[') + texts.join(QLatin1Char(' ')) + QLatin1Char(']');
}
} // namespace

// The spectrometer's lines and the wavelength colours of its curve.
class TestSpectraCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readings_data();
    void readings();
    void wavelengthColour_data();
    void wavelengthColour();
};

void TestSpectraCore::readings_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Readings>("expected");

    QTest::newRow("F3:2500") << "F3:2500" << Readings{{2, 2.5}};
    QTest::newRow("F9 shares index 8 with NIR") << "F9:100" << Readings{{8, 0.1}};
    QTest::newRow("FXL, FZ, FY and F12") << "FXL:100\r\nFZ:200\r\nFY:300\r\nF12:400"
                                         << Readings{{9, 0.1}, {10, 0.2}, {11, 0.3}, {11, 0.4}};
    QTest::newRow("F18:300") << "F18:300" << Readings{{17, 0.3}};
    QTest::newRow("negative") << "F1:-500" << Readings{{0, -0.5}};
    QTest::newRow("two lines with their CR LF, in order") << "F1:1000\r\nNIR:250\r\n"
                                                          << Readings{{0, 1.0}, {8, 0.25}};
    QTest::newRow("blank before the colon") << "F1 :100" << Readings{};
    QTest::newRow("lower case name") << "f1:100" << Readings{};
    QTest::newRow("two colons") << "F1:1:2" << Readings{};
    QTest::newRow("no number") << "F1:abc" << Readings{};
    QTest::newRow("no value") << "F1:" << Readings{};
    QTest::newRow("no colon") << "F1 100" << Readings{};
    QTest::newRow("beyond 32 bits") << "F1:2147483648" << Readings{};
    QTest::newRow("unknown name") << "F19:100" << Readings{};
    QTest::newRow("a bad line between good ones")
        << "F1:1\r\nF2:x\r\nF3:3" << Readings{{0, 0.001}, {2, 0.003}};
}

void TestSpectraCore::readings()
{
    QFETCH(QString, line);
    QFETCH(Readings, expected);
    const Readings actual = SpectraChannels::readings(line);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("line %1: expected %2, got %3")
                                                .arg(line, text(expected), text(actual))));
}

void TestSpectraCore::wavelengthColour_data()
{
    QTest::addColumn<double>("nanometres");
    QTest::addColumn<QString>("expected");

    const QList<int> curve{380, 410, 435, 460, 485, 510, 535, 560, 585, 610,
                           645, 680, 705, 730, 760, 810, 860, 900, 940};
    const QStringList colours{"#9600ff", "#7300ff", "#5500ff", "#0048ff", "#00a2ff",
                              "#00ff00", "#5bff00", "#b6ff00", "#ffef00", "#ffa000",
                              "#ff3232", "#d42121", "#b61515", "#980909", "#810808",
                              "#8a3232", "#925c5c", "#997e7e", "#a0a0a0"};
    for (int i = 0; i < curve.size(); ++i)
        QTest::addRow("%d nm", curve.at(i)) << double(curve.at(i)) << colours.at(i);
    QTest::newRow("440 nm starts the blue rise") << 440.0 << "#0000ff";
    QTest::newRow("490 nm") << 490.0 << "#00b4ff";
    QTest::newRow("750 nm") << 750.0 << "#800000";
    QTest::newRow("below 380 nm grey") << 379.9 << "#808080";
    QTest::newRow("above 940 nm grey") << 940.1 << "#808080";
}

void TestSpectraCore::wavelengthColour()
{
    QFETCH(double, nanometres);
    QFETCH(QString, expected);
    QCOMPARE(SpectrumColours::wavelengthColour(nanometres).name(), expected);
}

QTEST_GUILESS_MAIN(TestSpectraCore)
#include "tst_spectracore.moc"
