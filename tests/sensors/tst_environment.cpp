#include "cthermometer.h"
#include "dashboard.h"
#include "mainwindow.h"
#include "portlist.h"
#include "progressbarpercent.h"
#include "ptypair.h"
#include "ultraviolet.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {
// A pixel of a grabbed gauge: its colour within `tolerance` per channel of
// `colour`, or, for a negative tolerance, further than that from it.
struct Pixel
{
    QPoint at;
    QColor colour;
    int tolerance = 2;
};

const QColor dialFace(65, 65, 65), glass(100, 100, 100), mild(24, 189, 155);
} // namespace
Q_DECLARE_METATYPE(Pixel)

// The gauge widgets drawn, with a few pixels where the models put the parts;
// the environment tab against a scripted board on a pty: complete lines move
// its six gauges, every chunk reaches its bounded log.
class TestEnvironment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_data();
    void picture();
    void boardOnAPty();
};

void TestEnvironment::picture_data()
{
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<double>("value");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<Pixel>>("pixels");

    // Dial 0..1100: the needle on the first or the last major mark, the
    // face, the crown; a wider widget keeps it round and centred.
    const Pixel first{{82, 110}, dialFace, -20}, last{{117, 110}, dialFace, -20};
    QTest::newRow("dial at its minimum")
        << "dial" << -50.0 << QSize(200, 200)
        << QList<Pixel>{
               first, {last.at, dialFace}, {{100, 155}, dialFace}, {{100, 3}, {180, 180, 180}}};
    QTest::newRow("dial above its maximum in a wide widget")
        << "dial" << 2000.0 << QSize(400, 200)
        << QList<Pixel>{{last.at + QPoint(100, 0), dialFace, -20},
                        {first.at + QPoint(100, 0), dialFace}};
    // 45.5 %: the ring runs clockwise from 3 o'clock past 6 o'clock, the disc
    // is filled from its bottom to 45.5 % of its height.
    QTest::newRow("humidity ring 45.5") << "ring" << 45.5 << QSize(200, 200)
                                        << QList<Pixel>{{{100, 194}, mild},
                                                        {{194, 104}, mild},
                                                        {{100, 6}, mild, -40},
                                                        {{100, 160}, mild},
                                                        {{100, 40}, {70, 70, 70}}};
    // The disc's class colour; the sun's orange ray at 3 o'clock beyond it.
    QTest::newRow("ultraviolet 300")
        << "ultraviolet" << 300.0 << QSize(200, 200)
        << QList<Pixel>{{{100, 50}, {253, 216, 53}}, {{188, 100}, {250, 150, 0}, 50}};
    // -30..80 in a tube at (88, 25, 24, 307): 20 degrees fill it to y 191.
    QTest::newRow("thermometer 20")
        << "thermometer" << 20.0 << QSize(200, 400)
        << QList<Pixel>{
               {{100, 194}, mild}, {{100, 188}, glass}, {{89, 194}, glass}, {{100, 356}, mild}};
}

void TestEnvironment::picture()
{
    QFETCH(QString, gauge);
    QFETCH(double, value);
    QFETCH(QSize, size);
    QFETCH(QList<Pixel>, pixels);

    std::unique_ptr<QWidget> widget;
    if (gauge == QLatin1String("dial")) {
        auto *dial = new DashBoard;
        widget.reset(dial);
        dial->setMaxValue(1100);
        dial->setMinValue(0);
        dial->setValue(value);
    } else if (gauge == QLatin1String("ring")) {
        auto *ring = new ProgressBarPercent;
        widget.reset(ring);
        ring->setPercentStyle(ProgressBarPercent::PercentStyle_Arc_Polo);
        ring->setValue(value);
    } else if (gauge == QLatin1String("ultraviolet")) {
        auto *sun = new Ultraviolet;
        widget.reset(sun);
        sun->setValue(value);
    } else {
        auto *thermometer = new CThermometer;
        widget.reset(thermometer);
        thermometer->setMaxValue(80);
        thermometer->setValueWithAnimation(value);
        QTRY_COMPARE(thermometer->getValue(), value);
    }
    QCOMPARE(widget->minimumSize(), QSize(150, 150));
    widget->resize(size);
    const QImage image = widget->grab().toImage();
    for (const Pixel &pixel : pixels) {
        const QColor shown = image.pixelColor(pixel.at);
        const int distance = qMax(qMax(qAbs(shown.red() - pixel.colour.red()),
                                       qAbs(shown.green() - pixel.colour.green())),
                                  qAbs(shown.blue() - pixel.colour.blue()));
        const bool near = distance <= qAbs(pixel.tolerance);
        QVERIFY2(
            near == (pixel.tolerance >= 0),
            qPrintable(QStringLiteral("pixel (%1,%2) is %3, expected %4 %5 within %6")
                           .arg(pixel.at.x())
                           .arg(pixel.at.y())
                           .arg(shown.name(), pixel.tolerance < 0 ? "not" : "", pixel.colour.name())
                           .arg(qAbs(pixel.tolerance))));
    }
}

// The gauges as "H<humidity> T<temperature> B<barometer> U<ultraviolet>
// C<CO2> V<TVOC>", each dial's title, units and range, and the log.
// With YURB_SCREENSHOTS set, the tab's picture is saved in that folder.
void TestEnvironment::boardOnAPty()
{
    PtyPair pty;
    QVERIFY(pty.isOpen());
    const QString path = pty.slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    MainWindow window;
    const auto dial = [&window](const char *name) {
        return child<DashBoard>(window, name);
    };
    const auto gauges = [&] {
        return QStringLiteral("H%1 T%2 B%3 U%4 C%5 V%6")
            .arg(child<ProgressBarPercent>(window, "humidityGauge")->model().value())
            .arg(child<CThermometer>(window, "temperatureGauge")->getValue())
            .arg(dial("barometerDial")->getValue())
            .arg(child<Ultraviolet>(window, "ultravioletGauge")->getValue())
            .arg(dial("co2Dial")->getValue())
            .arg(dial("tvocDial")->getValue());
    };
    const auto *log = child<QPlainTextEdit>(window, "ENV_StrTextBrowser");
    QStringList dials;
    for (const char *name : {"barometerDial", "co2Dial", "tvocDial"})
        dials.append(QStringLiteral("%1 %2 %3..%4")
                         .arg(dial(name)->getTitle(), dial(name)->getUnits())
                         .arg(dial(name)->getMinValue())
                         .arg(dial(name)->getMaxValue()));
    QCOMPARE(dials.join(QLatin1String(", ")),
             QStringLiteral("Barometer Pa 0..1100, CO2 ppm 400..15000, TVOC ppb 0..5000"));
    const auto *thermometer = child<CThermometer>(window, "temperatureGauge");
    QCOMPARE(QStringLiteral("%1..%2/%3")
                 .arg(thermometer->getMinValue())
                 .arg(thermometer->getMaxValue())
                 .arg(thermometer->getPrecision()),
             QStringLiteral("-30..80/2"));
    QCOMPARE(gauges(), QStringLiteral("H0 T0 B0 U0 C400 V0"));
    QVERIFY(log->isReadOnly());

    window.resize(1200, 800);
    window.show();
    child<QTabWidget>(window, "tabWidget")->setCurrentWidget(child<QWidget>(window, "environment"));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy ultraviolet(child<Ultraviolet>(window, "ultravioletGauge"),
                           &Ultraviolet::valueChanged);
    auto *open = child<QPushButton>(window, "ENVopencompushButton");
    open->click();
    QCOMPARE(open->text(), QStringLiteral("Close"));

    // Every line the Help dialog lists, in pieces of 7 bytes.
    const QByteArray round("Temperature:25.25C\r\nHumidity:60.71%\r\nUltraviolet:300\r\n"
                           "CO2:5000ppm\r\nTVOC:200ppb\r\nBarometer:1013Pa\r\n");
    for (qsizetype from = 0; from < round.size(); from += 7) {
        QVERIFY(pty.write(round.mid(from, 7)));
        QTest::qWait(2);
    }
    QTRY_COMPARE(gauges(), QStringLiteral("H60.71 T25.25 B1013 U300 C5000 V200"));
    QTRY_COMPARE(log->toPlainText(), QString::fromLatin1(round).remove(QLatin1Char('\r')));

    // The log keeps the newest 100 lines. A terminator before its key feeds
    // nothing, and an unfinished reading is not shown, not even across a
    // close and reopen; the clear leaves its bytes to the parser.
    QByteArray lines;
    for (int n = 1; n <= 150; ++n)
        lines += "CO2:" + QByteArray::number(400 + n) + "ppm\r\n";
    QVERIFY(pty.write(lines + "Pa\r\nBarometer:9\r\nUltraviolet:12"));
    QTRY_VERIFY(
        log->toPlainText().endsWith(QLatin1String("CO2:550ppm\nPa\nBarometer:9\nUltraviolet:12")));
    QCOMPARE(log->toPlainText().count(QLatin1Char('\n')), 99);
    open->click();
    QCOMPARE(open->text(), QStringLiteral("Open"));
    open->click();
    child<QPushButton>(window, "EVN_Clear_pushButton")->click();
    QCOMPARE(log->toPlainText(), QString());
    QVERIFY(pty.write("34\r\n"));
    QTRY_COMPARE(gauges(), QStringLiteral("H60.71 T25.25 B1013 U1234 C550 V200"));
    QTRY_COMPARE(log->toPlainText(), QStringLiteral("34\n"));
    QStringList given;
    for (const QList<QVariant> &arguments : ultraviolet)
        given.append(arguments.at(0).toString());
    QCOMPARE(given.join(QLatin1Char(' ')), QStringLiteral("300 1234"));

    const QString folder = qEnvironmentVariable("YURB_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QTest::qWait(200);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(window.grab().save(folder + QStringLiteral("/environment.png")));
    }
}

YURB_TEST_MAIN(TestEnvironment)
#include "tst_environment.moc"
