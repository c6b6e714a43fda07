#include "spectrachannels.h"
#include "spectrumcolours.h"
#include "spectrumcurve.h"

#include <QPainterPath>
#include <QTest>

using Readings = QList<SpectraReading>;
using Values = QList<double>;

namespace {
QString text(const Readings &readings)
{
    QStringList texts;
    for (const SpectraReading &reading : readings)
        texts.append(QStringLiteral("%1=%2").arg(reading.channel).arg(reading.value));
    return QLatin1Char('[') + texts.join(QLatin1Char(' ')) + QLatin1Char(']');
}
} // namespace

// The spectrometer's lines, the wavelength colours and the spectrum curve.
class TestSpectraCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readings_data();
    void readings();
    void wavelengthColour_data();
    void wavelengthColour();
    void curveGeometry();
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

// In a 470 by 360 widget the plot is 400 by 300 from (50, 20): the path runs
// from the bottom left through every point to the bottom right, and the
// gradient gives each point its wavelength's colour.
void TestSpectraCore::curveGeometry()
{
    SpectrumCurve curve;
    const QSize size(470, 360);
    QCOMPARE(SpectrumCurve::plotArea(size), QRect(50, 20, 400, 300));
    QVERIFY(curve.setValue(18, 0.8));
    QVERIFY(curve.setValue(1, 1.0));
    QCOMPARE(curve.point(18, size), QPointF(450, 80));
    QCOMPARE(curve.point(1, size), QPointF(50 + 400.0 / 18, 20));
    QCOMPARE(curve.point(9, size), QPointF(250, 320));

    const QPainterPath path = curve.fillPath(size);
    QCOMPARE(QPointF(path.elementAt(0)), QPointF(50, 320));
    for (int k = 0; k + 1 < SpectrumCurve::pointCount; ++k) {
        const QPointF from = curve.point(k, size);
        const QPointF next = curve.point(k + 1, size);
        const double middle = (from.x() + next.x()) / 2;
        const int at = 1 + 3 * k;
        QCOMPARE(QPointF(path.elementAt(at)), QPointF(middle, from.y()));
        QCOMPARE(QPointF(path.elementAt(at + 1)), QPointF(middle, next.y()));
        QCOMPARE(QPointF(path.elementAt(at + 2)), next);
    }
    QCOMPARE(QPointF(path.elementAt(1 + 3 * 18)), QPointF(450, 320));
    QCOMPARE(path.boundingRect().top(), 20.0);

    const QGradientStops stops = curve.fillGradient(size).stops();
    QCOMPARE(stops.size(), SpectrumCurve::pointCount);
    QCOMPARE(stops.at(9).first, 0.5);
    QCOMPARE(stops.at(9).second.name(), QStringLiteral("#ffa000"));
    QCOMPARE(curve.fillGradient(size).finalStop(), QPointF(450, 0));
}

QTEST_GUILESS_MAIN(TestSpectraCore)
#include "tst_spectracore.moc"
