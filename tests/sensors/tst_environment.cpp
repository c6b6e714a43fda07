#include "cthermometer.h"
#include "dashboard.h"
#include "mainwindow.h"
#include "portlist.h"
#include "progressbarpercent.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "ultraviolet.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {
// What a board sends in one round: every line the Help dialog lists.
const QByteArray boardRound("Temperature:25.25C\r\nHumidity:60.71%\r\nUltraviolet:300\r\n"
                            "CO2:5000ppm\r\nTVOC:200ppb\r\nBarometer:1013Pa\r\n");

template <qsizetype N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}
} // namespace

// The environment tab: the board's lines move its six gauges, every chunk
// reaches its log.
class TestEnvironment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void setUp();
    void readings_data();
    void readings();
    void logKeepsTheNewestLinesAndClears();
    void boardOnAPty();

private:
    // The six gauges as "H<humidity> T<temperature> B<barometer>
    // U<ultraviolet> C<CO2> V<TVOC>".
    [[nodiscard]] QString gauges() const;
    [[nodiscard]] QString logText() const
    {
        return child<QPlainTextEdit>(*m_window, "ENV_StrTextBrowser")->toPlainText();
    }
    void receive(const QByteArray &chunk)
    {
        QVERIFY(QMetaObject::invokeMethod(m_window.get(), "readENVCom", Q_ARG(QByteArray, chunk)));
    }

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<MainWindow> m_window;
};

void TestEnvironment::init()
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isOpen());
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_window = std::make_unique<MainWindow>();
}

void TestEnvironment::cleanup()
{
    m_window.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

QString TestEnvironment::gauges() const
{
    return QStringLiteral("H%1 T%2 B%3 U%4 C%5 V%6")
        .arg(child<ProgressBarPercent>(*m_window, "humidityGauge")->model().value())
        .arg(child<CThermometer>(*m_window, "temperatureGauge")->getValue())
        .arg(child<DashBoard>(*m_window, "barometerDial")->getValue())
        .arg(child<Ultraviolet>(*m_window, "ultravioletGauge")->getValue())
        .arg(child<DashBoard>(*m_window, "co2Dial")->getValue())
        .arg(child<DashBoard>(*m_window, "tvocDial")->getValue());
}

// Each dial has its own title, units and range; the thermometer its scale.
void TestEnvironment::setUp()
{
    QCOMPARE(gauges(), QStringLiteral("H0 T0 B0 U0 C400 V0"));
    QStringList dials;
    for (const char *name : {"barometerDial", "co2Dial", "tvocDial"}) {
        const auto *dial = child<DashBoard>(*m_window, name);
        dials.append(QStringLiteral("%1 %2 %3..%4")
                         .arg(dial->getTitle(), dial->getUnits())
                         .arg(dial->getMinValue())
                         .arg(dial->getMaxValue()));
    }
    QCOMPARE(dials.join(QLatin1String(", ")),
             QStringLiteral("Barometer Pa 0..1100, CO2 ppm 400..15000, TVOC ppb 0..5000"));
    const auto *thermometer = child<CThermometer>(*m_window, "temperatureGauge");
    QCOMPARE(QStringLiteral("%1..%2/%3")
                 .arg(thermometer->getMinValue())
                 .arg(thermometer->getMaxValue())
                 .arg(thermometer->getPrecision()),
             QStringLiteral("-30..80/2"));
    QCOMPARE(child<ProgressBarPercent>(*m_window, "humidityGauge")->getPercentStyle(),
             ProgressBarPercent::PercentStyle_Arc_Polo);
    QVERIFY(child<QPlainTextEdit>(*m_window, "ENV_StrTextBrowser")->isReadOnly());
}

void TestEnvironment::readings_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QString>("shown");
    // Every value the ultraviolet gauge was given, in order.
    QTest::addColumn<QList<int>>("ultraviolet");

    QTest::newRow("the Help dialog's lines in one chunk")
        << QByteArrayList{boardRound} << "H60.71 T25.25 B1013 U300 C5000 V200" << QList<int>{300};
    QTest::newRow("an unfinished ultraviolet reading is never shown")
        << QByteArrayList{"Humidity:45%\r\nUltraviolet:12", "34\r\n"} << "H45 T0 B0 U1234 C400 V0"
        << QList<int>{1234};
    QTest::newRow("a terminator before the key feeds nothing")
        << QByteArrayList{"Barometer:500Pa\r\n", "Pa\r\nBarometer:", "10"}
        << "H0 T0 B500 U0 C400 V0" << QList<int>{};
    QTest::newRow("a NUL byte hides nothing after it")
        << QByteArrayList{bytes("\0\r\nHumidity:55%\r\n"), bytes("TVOC:\0\r\nTVOC:120ppb\r\n")}
        << "H55 T0 B0 U0 C400 V120" << QList<int>{};
    QTest::newRow("the gauges' own limits")
        << QByteArrayList{"Humidity:120%\r\nBarometer:5000Pa\r\nCO2:100ppm\r\nTVOC:-5ppb\r\n"
                          "Temperature:100C\r\nUltraviolet:5000\r\n"}
        << "H0 T100 B1100 U5000 C400 V0" << QList<int>{5000};
    QTest::newRow("numbers that do not convert feed 0")
        << QByteArrayList{"CO2:900ppm\r\nUltraviolet:12.5\r\nCO2:x9ppm\r\n"}
        << "H0 T0 B0 U0 C400 V0" << QList<int>{0};
}

void TestEnvironment::readings()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QString, shown);
    QFETCH(QList<int>, ultraviolet);

    QSignalSpy given(child<Ultraviolet>(*m_window, "ultravioletGauge"), &Ultraviolet::valueChanged);
    for (const QByteArray &chunk : chunks)
        receive(chunk);
    QCOMPARE(gauges(), shown);
    QList<int> values;
    for (const QList<QVariant> &arguments : given)
        values.append(arguments.at(0).toInt());
    QCOMPARE(values, ultraviolet);
    // Every chunk reaches the log, read or not.
    QTRY_COMPARE(logText(), QString::fromLatin1(chunks.join()).remove(QLatin1Char('\r')));
}

void TestEnvironment::logKeepsTheNewestLinesAndClears()
{
    for (int n = 1; n <= 150; ++n)
        receive("CO2:" + QByteArray::number(400 + n) + "ppm\r\n");
    receive("CO2:9");
    QTRY_VERIFY(logText().endsWith(QLatin1String("CO2:550ppm\nCO2:9")));
    QCOMPARE(logText().count(QLatin1Char('\n')), 99);
    QCOMPARE(child<DashBoard>(*m_window, "co2Dial")->getValue(), 550.0);

    child<QPushButton>(*m_window, "EVN_Clear_pushButton")->click();
    QCOMPARE(logText(), QString());
    // The unfinished line is not the log's: it ends after the clear.
    receive("99ppm\r\n");
    QCOMPARE(child<DashBoard>(*m_window, "co2Dial")->getValue(), 999.0);
    QTRY_COMPARE(logText(), QStringLiteral("99ppm\n"));
}

// A scripted board on a pty moves the gauges and fills the log; the bytes
// of a line cut by a close are joined with the rest after the next open.
// With YURB_SCREENSHOTS set, the tab's picture is saved in that folder.
void TestEnvironment::boardOnAPty()
{
    m_window->resize(1200, 800);
    m_window->show();
    auto *tabs = child<QTabWidget>(*m_window, "tabWidget");
    tabs->setCurrentWidget(child<QWidget>(*m_window, "environment"));
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *open = child<QPushButton>(*m_window, "ENVopencompushButton");
    open->click();
    QCOMPARE(open->text(), QStringLiteral("Close"));

    for (qsizetype from = 0; from < boardRound.size(); from += 7) {
        QVERIFY(m_pty->write(boardRound.mid(from, 7)));
        QTest::qWait(2);
    }
    QTRY_COMPARE(gauges(), QStringLiteral("H60.71 T25.25 B1013 U300 C5000 V200"));
    QTRY_COMPARE(logText(), QString::fromLatin1(boardRound).remove(QLatin1Char('\r')));

    QVERIFY(m_pty->write("Humidity:48.2%\r\nTemperature:18."));
    QTRY_VERIFY(logText().endsWith(QLatin1String("Temperature:18.")));
    open->click();
    QCOMPARE(open->text(), QStringLiteral("Open"));
    open->click();
    QVERIFY(m_pty->write("5C\r\nUltraviolet:1100\r\n"));
    QTRY_COMPARE(gauges(), QStringLiteral("H48.2 T18.5 B1013 U1100 C5000 V200"));

    const QString folder = qEnvironmentVariable("YURB_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QTest::qWait(200);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(m_window->grab().save(folder + QStringLiteral("/environment.png")));
    }
}

YURB_TEST_MAIN(TestEnvironment)
#include "tst_environment.moc"
