#include "mainwindow.h"
#include "mwaveview.h"
#include "portlist.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "threadserial.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {
const char *const openButtons[] = {
    "opencompushButton",        "GPSopencompushButton", "GSMopencompushButton",
    "ENVopencompushButton",     "OSCopencompushButton", "SpectraopencompushButton",
    "i2cdumpopencompushButton", "TOFopencompushButton", "ModbusopencompushButton"};
const QByteArray helpFrame("$0:34;$1:548;$2:0.547;$3:-1.579;\r\n");
const QString missingPort = QStringLiteral("/dev/yurb-no-such-port");

QByteArray frame(int n)
{
    return "$0:" + QByteArray::number(n) + ";$1:1;$2:2;$3:3;\r\n";
}
} // namespace

// The five sensor tabs on the shared port, with a pty as the board, and the
// oscilloscope taking every frame into its chart.
class TestSensorTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void openAndClose_data();
    void openAndClose();
    void oscilloscopeTakesEveryFrame();
    void oscilloscopeKeeps20000Points();

private:
    [[nodiscard]] QPushButton *button(const char *name) const
    {
        return child<QPushButton>(*m_window, name);
    }
    [[nodiscard]] const WaveTrace &trace(WAVE_CH channel) const
    {
        return *m_window->findChild<MWaveView *>()->trace(channel);
    }
    void expectClosed(const char *openButton, const QStringList &commands);

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<MainWindow> m_window;
};

void TestSensorTools::init()
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isOpen());
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{missingPort, path}; });
    m_window = std::make_unique<MainWindow>();
}

void TestSensorTools::cleanup()
{
    m_window.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

void TestSensorTools::expectClosed(const char *openButton, const QStringList &commands)
{
    QCOMPARE(button(openButton)->text(), QStringLiteral("Open"));
    QVERIFY(button(openButton)->styleSheet().contains(QLatin1String("#4CAF50")));
    for (const char *name : openButtons)
        QVERIFY2(button(name)->isEnabled(), name);
    for (const QString &name : commands)
        QVERIFY2(!button(qPrintable(name))->isEnabled(), qPrintable(name));
}

void TestSensorTools::openAndClose_data()
{
    QTest::addColumn<QString>("prefix"); // of the port-name box and the open button
    QTest::addColumn<QStringList>("commands");

    QTest::newRow("Environment") << "ENV" << QStringList{};
    QTest::newRow("Oscilloscope") << "OSC" << QStringList{};
    QTest::newRow("Spectra") << "Spectra" << QStringList{};
    QTest::newRow("TOF") << "TOF" << QStringList{};
    QTest::newRow("i2cdump") << "i2cdump"
                             << QStringList{"i2cdump_stop_pushButton", "i2cdumpsancfpushButton",
                                            "i2cdumpreadpushButton", "i2cdumpwritepushButton"};
}

// A failed open changes nothing; an open disables every other tool until
// the close; bytes reach only the tab that holds the port, and none after.
void TestSensorTools::openAndClose()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, commands);
    const QByteArray open = prefix.toLatin1() + "opencompushButton";
    auto *portName = child<QComboBox>(*m_window, qPrintable(prefix + "portNameComboBox"));
    expectClosed(open, commands);

    QCOMPARE(portName->currentText(), missingPort);
    button(open)->click();
    QCOMPARE(statusText(*m_window),
             QStringLiteral("Serial failed to open, The serial does not exist or already used."));
    expectClosed(open, commands);

    portName->setCurrentIndex(1);
    button(open)->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
    QCOMPARE(button(open)->text(), QStringLiteral("Close"));
    QVERIFY(button(open)->styleSheet().contains(QLatin1String("#FF4A19")));
    for (const char *name : openButtons)
        QVERIFY2(button(name)->isEnabled() == (open == name), name);
    QVERIFY(!portName->isEnabled());
    for (const QString &name : commands)
        QVERIFY2(button(qPrintable(name))->isEnabled(), qPrintable(name));
    const qsizetype oscilloscopeFrames = prefix == QLatin1String("OSC") ? 1 : 0;
    QVERIFY(m_pty->write(helpFrame));
    QTRY_COMPARE(trace(WAVE_CH0).size(), oscilloscopeFrames);

    button(open)->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial closed"));
    expectClosed(open, commands);
    QVERIFY(portName->isEnabled());
    QTRY_VERIFY(m_window->findChildren<ThreadSerial *>().isEmpty());
    QVERIFY(m_pty->write(helpFrame));
    QTest::qWait(100);
    QCOMPARE(trace(WAVE_CH0).size(), oscilloscopeFrames);
}

// Every frame is taken, a hidden channel's too; a half frame does not
// outlive a close, and x goes on after it.
void TestSensorTools::oscilloscopeTakesEveryFrame()
{
    auto *view = m_window->findChild<MWaveView *>();
    child<QCheckBox>(*m_window, "checkBox_3")->setChecked(false);
    QVERIFY(!view->isChannelOpen(WAVE_CH3));
    child<QComboBox>(*m_window, "OSCportNameComboBox")->setCurrentIndex(1);
    button("OSCopencompushButton")->click();
    QVERIFY(m_pty->write(helpFrame));
    QTRY_COMPARE(trace(WAVE_CH3).size(), 1);
    const QList<QPointF> first{trace(WAVE_CH0).at(0), trace(WAVE_CH1).at(0), trace(WAVE_CH2).at(0),
                               trace(WAVE_CH3).at(0)};
    QCOMPARE(first, (QList<QPointF>{{1, 34}, {1, 548}, {1, 0.547}, {1, -1.579}}));

    child<QCheckBox>(*m_window, "checkBox_3")->setChecked(true);
    QVERIFY(view->isChannelOpen(WAVE_CH3));

    QVERIFY(m_pty->write(frame(2) + frame(3) + frame(4) + "$0:5;$1"));
    QTRY_COMPARE(trace(WAVE_CH0).size(), 4);
    QCOMPARE(trace(WAVE_CH0).at(3), QPointF(4, 4));

    button("OSCopencompushButton")->click();
    button("OSCopencompushButton")->click();
    QVERIFY(m_pty->write(":1;$2:2;$3:3;\r\n" + frame(6)));
    QTRY_COMPARE(trace(WAVE_CH0).size(), 5);
    QCOMPARE(trace(WAVE_CH0).at(4), QPointF(5, 6));

    // The zoom dials from position 5: moves of 2 and of -7 (round the end)
    // widen the window by the step, 5 and 0 narrow it.
    for (const int position : {7, 0, 5})
        m_window->on_dial_X_sliderMoved(position);
    m_window->on_dial_Y_sliderMoved(5);
    QCOMPARE(QPointF(view->axes().rangeX(), view->axes().rangeY()), QPointF(60, 50 / 1.2));
}

void TestSensorTools::oscilloscopeKeeps20000Points()
{
    child<QComboBox>(*m_window, "OSCportNameComboBox")->setCurrentIndex(1);
    button("OSCopencompushButton")->click();
    QByteArray frames;
    for (int n = 1; n <= 20001; ++n)
        frames += frame(n);
    QVERIFY(m_pty->write(frames));
    QTRY_COMPARE(trace(WAVE_CH3).size(), 20000);
    QTRY_COMPARE(trace(WAVE_CH3).at(0).x(), 2.0);
    for (const WAVE_CH channel : {WAVE_CH0, WAVE_CH1, WAVE_CH2})
        QCOMPARE(trace(channel).at(19999), QPointF(20001, channel == WAVE_CH0 ? 20001 : channel));
}

YURB_TEST_MAIN(TestSensorTools)
#include "tst_sensortools.moc"
