#include "mainwindow.h"
#include "nuvelix_spectroscopy.h"
#include "nuvelix_spectroscopy_spline.h"
#include "nuvelix_tof.h"
#include "nuvelix_tof_data.h"
#include "nuvelix_tof_surface.h"
#include "portlist.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "tofzones.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <Q3DSurface>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QSurface3DSeries>
#include <QTabWidget>
#include <QTest>
#include <QValue3DAxis>

#include <algorithm>
#include <memory>

using Values = QList<double>;

namespace {
QStringList items(const QComboBox &box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

// "name:value" lines with CR LF, the value of channel i being step (i + 1).
QByteArray channelLines(const QStringList &names, int step)
{
    QByteArray lines;
    for (int i = 0; i < names.size(); ++i)
        lines += names.at(i).toLatin1() + ':' + QByteArray::number(step * (i + 1)) + "\r\n";
    return lines;
}

QStringList channelNames(int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names.append(QStringLiteral("F%1").arg(n));
    return names;
}

// What channelLines sends, as the display shows it.
Values steps(int count, int step)
{
    Values values;
    for (int i = 1; i <= count; ++i)
        values.append(step * i / 1000.0);
    return values;
}

// A distance line of `count` values with its CR LF; values up to 9500.
QByteArray distanceLine(int count)
{
    QByteArray line;
    for (int k = 0; k < count; ++k)
        line += QByteArray::number((k * 937 + 100) % 9500) + ',';
    return line + "\r\n";
}
} // namespace

// Scripted boards on a pty drive the Spectra tab's bars and curve and the
// TOF tab's grid and surface for every sensor type and arrangement; the
// boxes keep the views in step.
class TestSpectraTof : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void spectraBoards_data();
    void spectraBoards();
    void tofBoards_data();
    void tofBoards();
    void tofBoxesKeepBothViewsInStep();

private:
    [[nodiscard]] QComboBox *box(const char *name) const
    {
        return child<QComboBox>(*m_window, name);
    }
    void open(const char *prefix);
    // Writes the stream in pieces of `size` bytes, each read on its own.
    void writeInPieces(const QByteArray &stream, int size);
    [[nodiscard]] Values spectraPage(int page) const;
    void expectTofViews(int side, const QStringList &arrangements, int view);

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<MainWindow> m_window;
};

void TestSpectraTof::init()
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isOpen());
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_window = std::make_unique<MainWindow>();
    m_window->resize(1000, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestSpectraTof::cleanup()
{
    m_window.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

void TestSpectraTof::open(const char *prefix)
{
    const QByteArray button = QByteArray(prefix) + "opencompushButton";
    child<QTabWidget>(*m_window, "tabWidget")
        ->setCurrentWidget(
            child<QWidget>(*m_window, prefix == QByteArray("TOF") ? "TOF" : "spectra"));
    child<QPushButton>(*m_window, button.constData())->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
}

void TestSpectraTof::writeInPieces(const QByteArray &stream, int size)
{
    for (qsizetype from = 0; from < stream.size(); from += size) {
        QVERIFY(m_pty->write(stream.mid(from, size)));
        QTest::qWait(1);
    }
}

Values TestSpectraTof::spectraPage(int page) const
{
    const auto *pages =
        m_window->findChild<nuvelix_spectroscopy *>()->findChild<QStackedWidget *>();
    if (page == 3)
        return qobject_cast<nuvelix_spectroscopy_spline *>(pages->widget(3))->curve().values();
    const auto *view = qobject_cast<QChartView *>(pages->widget(page));
    Values values;
    for (const QBarSet *set :
         qobject_cast<QBarSeries *>(view->chart()->series().first())->barSets())
        values.append(set->at(0));
    return values;
}

void TestSpectraTof::spectraBoards_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("chart");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QStringList>("charts"); // the chart box's items
    QTest::addColumn<int>("page");
    QTest::addColumn<Values>("values"); // of that page

    const QStringList bars{"Bar Chart"};
    const QStringList both{"Bar Chart", "Line Chart"};
    QTest::newRow("AS7341 bars") << 0 << 0 << channelLines(channelNames(1, 8) << "NIR", 100) << bars
                                 << 0 << steps(9, 100);
    QTest::newRow("AS7343 bars") << 1 << 0
                                 << channelLines(channelNames(1, 8) << "NIR"
                                                                    << "FXL"
                                                                    << "FZ"
                                                                    << "FY",
                                                 80)
                                 << bars << 1 << steps(12, 80);
    QTest::newRow("AS7265X bars") << 2 << 0 << channelLines(channelNames(1, 18), 50) << both << 2
                                  << steps(18, 50);
    QTest::newRow("AS7265X curve") << 2 << 1 << channelLines(channelNames(1, 18), 50) << both << 3
                                   << Values{0} + steps(18, 50);
    QTest::newRow("AS7341: names of other chips, malformed lines")
        << 0 << 0
        << QByteArray("F3:2500\r\nF9:100\r\nFXL:100\r\nF1 :100\r\nf1:100\r\nF1:1:2\r\nF1:abc\r\n"
                      "F2:-500\r\n")
        << bars << 0 << Values{0, -0.5, 2.5, 0, 0, 0, 0, 0, 0.1};
    QTest::newRow("a line past the cutter's bound is dropped, the next one read")
        << 0 << 0 << QByteArray(5000, '7') + "\r\nF1:300\r\n"
        << bars << 0 << Values{0.3, 0, 0, 0, 0, 0, 0, 0, 0};
}

// The type box chooses the chart and what the chart box offers; the board's
// lines arrive in pieces of 5 bytes.
void TestSpectraTof::spectraBoards()
{
    QFETCH(int, type);
    QFETCH(int, chart);
    QFETCH(QByteArray, stream);
    QFETCH(QStringList, charts);
    QFETCH(int, page);
    QFETCH(Values, values);

    QCOMPARE(items(*box("SpectraportChartComboBox")), QStringList{"Bar Chart"});
    box("SpectraYPEcomboBox")->setCurrentIndex(type);
    box("SpectraportChartComboBox")->setCurrentIndex(chart);
    QCOMPARE(items(*box("SpectraportChartComboBox")), charts);
    const auto *pages =
        m_window->findChild<nuvelix_spectroscopy *>()->findChild<QStackedWidget *>();
    QCOMPARE(pages->currentIndex(), page);

    open("Spectra");
    writeInPieces(stream, 5);
    QTRY_COMPARE(spectraPage(page), values);
    for (int other = 0; other < 4; ++other)
        if (other != page)
            QCOMPARE(spectraPage(other), Values(spectraPage(other).size(), 0.0));
}

void TestSpectraTof::tofBoards_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("arrangement");
    QTest::addColumn<int>("view");
    QTest::addColumn<QByteArray>("stream");

    QTest::newRow("VL53LMZ 4x4, 16 values") << 0 << "4x4" << 0 << distanceLine(16);
    QTest::newRow("VL53LMZ 4x4, 64 values: the first 16 zones")
        << 0 << "4x4" << 1 << distanceLine(64);
    QTest::newRow("VL53LMZ 8x8, 64 values") << 0 << "8x8" << 1 << distanceLine(64);
    QTest::newRow("VL53LMZ 8x8, 16 values: the first 16 labels")
        << 0 << "8x8" << 0 << distanceLine(16);
    QTest::newRow("TMF8828 8x8, 64 values") << 1 << "8x8" << 1 << distanceLine(64);
    QTest::newRow("TMF8828 ignores 16 values") << 1 << "8x8" << 1 << distanceLine(16);
    QTest::newRow("15 and 17 values and an empty line change nothing")
        << 0 << "4x4" << 1 << distanceLine(15) + distanceLine(17) + "\r\n";
    QTest::newRow("a line past the cutter's bound is dropped, the next one read")
        << 0 << "4x4" << 0 << QByteArray(5000, '1') + "\r\n" + distanceLine(16);
}

// What the grid and the surface show is what TofZones makes of the lines:
// label i the zone i of the last line for as many labels as it had values,
// surface point (a, b) zone a n + b (cut at 8000), or the flat 3000 while no
// line was taken.
void TestSpectraTof::tofBoards()
{
    QFETCH(int, type);
    QFETCH(QString, arrangement);
    QFETCH(int, view);
    QFETCH(QByteArray, stream);

    box("TOFTYPEcomboBox")->setCurrentIndex(type);
    box("TOFArrangementcomboBox")->setCurrentText(arrangement);
    box("TOFChartComboBox")->setCurrentIndex(view);
    open("TOF");
    writeInPieces(stream, 37);

    TofZones zones;
    int count = 0;
    for (const QByteArray &line : stream.split('\n'))
        count = zones.takeLine(line.chopped(line.endsWith('\r') ? 1 : 0), TofZones::Sensor(type))
                    .value_or(count);
    const int side = arrangement == QLatin1String("4x4") ? 4 : 8;
    QStringList expectedLabels;
    QList<float> expectedHeights;
    for (int i = 0; i < side * side; ++i) {
        expectedLabels.append(QString::number(i < count ? zones.zones().at(i) : 0));
        const int a = i % side;
        const int b = i / side;
        const int zone = zones.zones().at(a * side + b);
        expectedHeights.append(count > 0 ? float(std::min(zone, 8000)) : 3000.0f);
    }

    auto *display = m_window->findChild<nuvelix_tof *>();
    const auto *grid = display->grid()->findChild<QGridLayout *>("gridLayout_tofdata");
    const auto labels = [&] {
        QStringList texts;
        for (int i = 0; i < side * side; ++i)
            texts.append(
                qobject_cast<QLabel *>(grid->itemAtPosition(i / side, i % side)->widget())->text());
        return texts;
    };
    const QSurfaceDataProxy *proxy = display->surface()->surfaceSeries()->dataProxy();
    const auto heights = [&] {
        QList<float> found;
        for (int b = 0; b < proxy->rowCount(); ++b)
            for (int a = 0; a < proxy->columnCount(); ++a)
                found.append(proxy->itemAt(b, a)->y());
        return found;
    };
    // Lines that change nothing give nothing to wait for.
    QTest::qWait(100);
    QTRY_COMPARE(labels(), expectedLabels);
    QCOMPARE(heights(), expectedHeights);
    QCOMPARE(display->surface()->surfaceGraph() != nullptr, view == 1);
}

// At start the surface follows the arrangement box (4x4) as the grid does;
// each change of type, arrangement or view leaves both views, the surface's
// data and graph and the boxes in step.
void TestSpectraTof::tofBoxesKeepBothViewsInStep()
{
    struct Step
    {
        const char *what;
        int type;        // -1 leaves the box
        int arrangement; // -1 leaves the box
        int view;
        QStringList arrangements;
        int side;
    };
    const QStringList vl{"4x4", "8x8"};
    const QList<Step> walk{
        {"at start", -1, -1, 0, vl, 4},    {"3D view", -1, -1, 1, vl, 4},
        {"TMF8828", 1, -1, 1, {"8x8"}, 8}, {"VL53LMZ again", 0, -1, 1, vl, 4},
        {"8x8", -1, 1, 1, vl, 8},          {"2D view", -1, -1, 0, vl, 8},
        {"4x4", -1, 0, 0, vl, 4},          {"TMF8828 in 2D", 1, -1, 0, {"8x8"}, 8}};
    child<QTabWidget>(*m_window, "tabWidget")->setCurrentWidget(child<QWidget>(*m_window, "TOF"));
    for (const Step &step : walk) {
        qInfo("%s", step.what);
        if (step.type >= 0)
            box("TOFTYPEcomboBox")->setCurrentIndex(step.type);
        if (step.arrangement >= 0)
            box("TOFArrangementcomboBox")->setCurrentIndex(step.arrangement);
        box("TOFChartComboBox")->setCurrentIndex(step.view);
        expectTofViews(step.side, step.arrangements, step.view);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestSpectraTof::expectTofViews(int side, const QStringList &arrangements, int view)
{
    QCOMPARE(items(*box("TOFArrangementcomboBox")), arrangements);
    auto *display = m_window->findChild<nuvelix_tof *>();
    QCOMPARE(display->findChild<QStackedWidget *>()->currentIndex(), view);
    QCOMPARE(display->grid()->findChildren<QLabel *>().size(), side * side);
    const nuvelix_tof_surface *surface = display->surface();
    QCOMPARE(surface->surfaceModel().size(), side);
    QCOMPARE(surface->masterPoints().size(), side * side);
    QCOMPARE(surface->surfaceSeries()->dataProxy()->rowCount(), side);
    QCOMPARE(surface->surfaceSeries()->dataProxy()->columnCount(), side);
    if (Q3DSurface *graph = surface->surfaceGraph()) {
        QCOMPARE(graph->axisX()->max(), float(side - 1));
        QCOMPARE(graph->axisZ()->max(), float(side - 1));
        QCOMPARE(surface->findChild<QLayout *>("gridLayout_3dsurface")->count(), 1);
    } else {
        QCOMPARE(view, 0);
    }
}

YURB_TEST_MAIN(TestSpectraTof)
#include "tst_spectratof.moc"
