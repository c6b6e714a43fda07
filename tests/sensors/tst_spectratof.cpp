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
#include <QGraphicsTextItem>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QSurface3DSeries>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <QValue3DAxis>

#include <algorithm>
#include <iterator>
#include <numeric>
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

// "name:value" lines with CR LF for the blank-separated names, the value of
// the i-th name (i from 1) being step i.
QByteArray channelLines(const QByteArray &names, int step)
{
    QByteArray lines;
    int i = 0;
    for (const QByteArray &name : names.split(' '))
        lines += name + ':' + QByteArray::number(step * ++i) + "\r\n";
    return lines;
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
// boxes keep the views in step. The curve's pixels, the grid's labels and the
// surface's colours, read back with its own render-to-image.
class TestSpectraTof : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void boards_data();
    void boards();
    void tofBoxesKeepBothViewsInStep();
    void barValues_data();
    void barValues();
    void curvePaintsTheSpectrum();
    void gridLabels();
    void surfaceColours();
    void tofHelpers();

private:
    [[nodiscard]] QComboBox *box(const char *name) const
    {
        return child<QComboBox>(*m_window, name);
    }
    // The TOF tab, made the current one.
    nuvelix_tof *tofTab()
    {
        child<QTabWidget>(*m_window, "tabWidget")
            ->setCurrentWidget(child<QWidget>(*m_window, "TOF"));
        return m_window->findChild<nuvelix_tof *>();
    }
    [[nodiscard]] Values spectraPage(int page) const;
    void expectTofViews(const QByteArray &stream, TofZones::Sensor sensor, int side, int view);
    void expectTofBoxes(int side, const QStringList &arrangements, int view);

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

void TestSpectraTof::boards_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("choice");      // chart or arrangement
    QTest::addColumn<QStringList>("choices"); // the chart or arrangement box's items
    QTest::addColumn<int>("view");            // Spectra: page 0 to 3; TOF: 0 grid, 1 surface
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<Values>("values"); // Spectra: of that page

    const QStringList bars{"Bar Chart"}, both{"Bar Chart", "Line Chart"};
    const QByteArray as7341("F1 F2 F3 F4 F5 F6 F7 F8 NIR"), as7343 = as7341 + " FXL FZ FY";
    const QByteArray as7265x("F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 F13 F14 F15 F16 F17 F18");
    QTest::newRow("AS7341 bars") << "Spectra" << 0 << "Bar Chart" << bars << 0
                                 << channelLines(as7341, 100) << steps(9, 100);
    QTest::newRow("AS7343 bars") << "Spectra" << 1 << "Bar Chart" << bars << 1
                                 << channelLines(as7343, 80) << steps(12, 80);
    QTest::newRow("AS7265X bars") << "Spectra" << 2 << "Bar Chart" << both << 2
                                  << channelLines(as7265x, 50) << steps(18, 50);
    QTest::newRow("AS7265X curve") << "Spectra" << 2 << "Line Chart" << both << 3
                                   << channelLines(as7265x, 50) << Values{0} + steps(18, 50);
    QTest::newRow("AS7341: a line past the cutter's bound, names of other chips ignored")
        << "Spectra" << 0 << "Bar Chart" << bars << 0
        << QByteArray(5000, '7') + "\r\nF3:2500\r\nF9:100\r\nFXL:100\r\nF2:-500\r\n"
        << Values{0, -0.5, 2.5, 0, 0, 0, 0, 0, 0.1};

    const QStringList vl{"4x4", "8x8"}, tmf{"8x8"};
    QTest::newRow("VL53LMZ 4x4, 64 values: the first 16 zones")
        << "TOF" << 0 << "4x4" << vl << 1 << distanceLine(64) << Values{};
    QTest::newRow("VL53LMZ 8x8, 64 values")
        << "TOF" << 0 << "8x8" << vl << 1 << distanceLine(64) << Values{};
    QTest::newRow("VL53LMZ 8x8, a line past the cutter's bound, 16 values: the first 16 labels")
        << "TOF" << 0 << "8x8" << vl << 0 << QByteArray(5000, '1') + "\r\n" + distanceLine(16)
        << Values{};
    QTest::newRow("TMF8828 8x8, 64 values")
        << "TOF" << 1 << "8x8" << tmf << 1 << distanceLine(64) << Values{};
}

// The boxes choose the view; the board's lines arrive in pieces of 7 bytes.
void TestSpectraTof::boards()
{
    QFETCH(QString, tab);
    QFETCH(int, type);
    QFETCH(QString, choice);
    QFETCH(QStringList, choices);
    QFETCH(int, view);
    QFETCH(QByteArray, stream);
    QFETCH(Values, values);

    const bool spectra = tab == QLatin1String("Spectra");
    box(spectra ? "SpectraYPEcomboBox" : "TOFTYPEcomboBox")->setCurrentIndex(type);
    QComboBox *choose = box(spectra ? "SpectraportChartComboBox" : "TOFArrangementcomboBox");
    QCOMPARE(items(*choose), choices);
    choose->setCurrentText(choice);
    if (!spectra)
        box("TOFChartComboBox")->setCurrentIndex(view);
    child<QTabWidget>(*m_window, "tabWidget")
        ->setCurrentWidget(child<QWidget>(*m_window, spectra ? "spectra" : "TOF"));
    child<QPushButton>(*m_window, qPrintable(tab + QLatin1String("opencompushButton")))->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
    for (qsizetype from = 0; from < stream.size(); from += 7) {
        QVERIFY(m_pty->write(stream.mid(from, 7)));
        QTest::qWait(1);
    }

    if (!spectra) {
        expectTofViews(stream, TofZones::Sensor(type), choice == QLatin1String("4x4") ? 4 : 8,
                       view);
        return;
    }
    QCOMPARE(m_window->findChild<nuvelix_spectroscopy *>()
                 ->findChild<QStackedWidget *>()
                 ->currentIndex(),
             view);
    QTRY_COMPARE(spectraPage(view), values);
    for (int other = 0; other < 4; ++other)
        if (other != view)
            QCOMPARE(spectraPage(other), Values(spectraPage(other).size(), 0.0));
}

// What the grid and the surface show is what TofZones makes of the lines:
// label i the zone i of the last line for as many labels as it had values,
// surface point (a, b) zone a n + b (cut at 8000), or the flat 3000 while no
// line was taken.
void TestSpectraTof::expectTofViews(const QByteArray &stream, TofZones::Sensor sensor, int side,
                                    int view)
{
    TofZones zones;
    int count = 0;
    for (const QByteArray &line : stream.split('\n'))
        count = zones.takeLine(line.chopped(line.endsWith('\r') ? 1 : 0), sensor).value_or(count);
    QStringList expectedLabels;
    QList<float> expectedHeights;
    for (int i = 0; i < side * side; ++i) {
        expectedLabels.append(QString::number(i < count ? zones.zones().at(i) : 0));
        const int zone = zones.zones().at(i % side * side + i / side);
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
    QList<float> heights;
    // Lines that change nothing give nothing to wait for.
    QTest::qWait(100);
    QTRY_COMPARE(labels(), expectedLabels);
    for (int b = 0; b < proxy->rowCount(); ++b)
        for (int a = 0; a < proxy->columnCount(); ++a)
            heights.append(proxy->itemAt(b, a)->y());
    QCOMPARE(heights, expectedHeights);
    QCOMPARE(display->surface()->surfaceGraph() != nullptr, view == 1);
}

// At start the surface follows the arrangement box (4x4) as the grid does;
// each change of type, arrangement or view leaves both views, the surface's
// data and graph and the boxes in step, and a rebuilt graph frees the graph
// and container it replaced but keeps the series.
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
    nuvelix_tof_surface *surface = tofTab()->surface();
    const auto *layout = surface->findChild<QLayout *>("gridLayout_3dsurface");
    for (const Step &step : walk) {
        qInfo("%s", step.what);
        const QPointer<Q3DSurface> oldGraph = surface->surfaceGraph();
        const QPointer<QWidget> oldContainer = oldGraph ? layout->itemAt(0)->widget() : nullptr;
        if (step.type >= 0)
            box("TOFTYPEcomboBox")->setCurrentIndex(step.type);
        if (step.arrangement >= 0)
            box("TOFArrangementcomboBox")->setCurrentIndex(step.arrangement);
        box("TOFChartComboBox")->setCurrentIndex(step.view);
        if (step.type >= 0 || step.arrangement >= 0)
            QVERIFY(oldGraph.isNull() && oldContainer.isNull());
        expectTofBoxes(step.side, step.arrangements, step.view);
        if (QTest::currentTestFailed())
            return;
    }
}

// Labels, model, points and data of side by side zones; the graph, which
// only the 3-D view needs, with the one series and axes to side - 1.
void TestSpectraTof::expectTofBoxes(int side, const QStringList &arrangements, int view)
{
    QCOMPARE(items(*box("TOFArrangementcomboBox")), arrangements);
    auto *display = m_window->findChild<nuvelix_tof *>();
    QCOMPARE(display->findChild<QStackedWidget *>()->currentIndex(), view);
    const nuvelix_tof_surface *surface = display->surface();
    const QSurfaceDataProxy *proxy = surface->surfaceSeries()->dataProxy();
    const QList<qsizetype> sizes{display->grid()->findChildren<QLabel *>().size(),
                                 surface->surfaceModel().size(), surface->masterPoints().size(),
                                 proxy->rowCount(), proxy->columnCount()};
    QCOMPARE(sizes, QList<qsizetype>({side * side, side, side * side, side, side}));
    Q3DSurface *graph = surface->surfaceGraph();
    QVERIFY(graph || view == 0);
    if (graph) {
        QCOMPARE(graph->seriesList(), QList<QSurface3DSeries *>{surface->surfaceSeries()});
        QCOMPARE(QPointF(graph->axisX()->max(), graph->axisZ()->max()),
                 QPointF(side - 1, side - 1));
        QCOMPARE(surface->findChild<QLayout *>("gridLayout_3dsurface")->count(), 1);
    }
}

void TestSpectraTof::barValues_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("value");
    QTest::addColumn<QPointF>("axis");  // its minimum and maximum
    QTest::addColumn<QString>("label"); // the value label's colour

    QTest::newRow("AS7341 F3 2.5: the axis takes it in; dark on the light blue bar")
        << 0 << 2 << 2.5 << QPointF(0, 2.5) << "#000000";
    QTest::newRow("AS7343 FY -0.5: the axis goes below 0; light on the green bar")
        << 1 << 11 << -0.5 << QPointF(-0.5, 1) << "#ffffff";
    QTest::newRow("AS7265X (760nm) 0.7: light on the darkest bar")
        << 2 << 13 << 0.7 << QPointF(0, 1) << "#ffffff";
    QTest::newRow("AS7265X (585nm) 0.4: dark on the yellow bar")
        << 2 << 7 << 0.4 << QPointF(0, 1) << "#000000";
}

// At the window's first size every bar is named below it in full, the
// names apart, and the value label lies inside the plot in its colour.
void TestSpectraTof::barValues()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(double, value);
    QFETCH(QPointF, axis);
    QFETCH(QString, label);

    m_window->resize(915, 750);
    box("SpectraYPEcomboBox")->setCurrentIndex(type);
    child<QTabWidget>(*m_window, "tabWidget")
        ->setCurrentWidget(child<QWidget>(*m_window, "spectra"));
    auto *display = m_window->findChild<nuvelix_spectroscopy *>();
    display->update_data_barset(quint8(index), value, quint8(type), 0);
    const auto *view =
        qobject_cast<QChartView *>(display->findChild<QStackedWidget *>()->widget(type));
    QChart *chart = view->chart();
    const auto *values = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).first());
    QCOMPARE(QPointF(values->min(), values->max()), axis);
    const auto *series = qobject_cast<QBarSeries *>(chart->series().first());
    QCOMPARE(series->barSets().at(index)->labelColor().name(), label);

    QTest::qWait(50);
    QMap<double, QString> names; // by their left edge
    QList<QRectF> places;
    bool valueShown = false;
    for (const QGraphicsItem *item : view->scene()->items()) {
        const auto *text = dynamic_cast<const QGraphicsTextItem *>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty())
            continue;
        const QRectF place = text->sceneBoundingRect();
        if (text->toPlainText() == QString::number(value))
            valueShown = valueShown || chart->plotArea().contains(place.center());
        if (place.top() >= chart->plotArea().bottom()) {
            for (const QRectF &other : std::as_const(places))
                QVERIFY2(!place.intersects(other), qPrintable(text->toPlainText()));
            names.insert(place.left(), text->toPlainText());
            places.append(place);
        }
    }
    QVERIFY(valueShown);
    QStringList expected;
    for (const QBarSet *set : series->barSets())
        expected.append(set->label());
    QCOMPARE(names.values(), expected);
}

// In 470 by 360 the plot is 400 by 300 from (50, 20) and point i lies at
// x = 50 + 400 i / 18. Values of 0.5 fill the lower half in each point's
// colour; lists of another length are refused.
void TestSpectraTof::curvePaintsTheSpectrum()
{
    nuvelix_spectroscopy_spline curve;
    curve.resize(470, 360);
    QVERIFY(!curve.setSpectrumData(Values(18, 0.5)));
    QVERIFY(!curve.updateSpectrumData(Values(20, 0.5)));
    QVERIFY(!curve.setWavelengths(Values(20, 500)));
    QVERIFY(curve.updateSpectrumData(Values(19, 0.5)));
    const QImage image = curve.grab().toImage();
    const auto near = [](const QColor &colour, const QColor &expected) {
        return qAbs(colour.red() - expected.red()) + qAbs(colour.green() - expected.green()) +
                   qAbs(colour.blue() - expected.blue()) <
               24;
    };
    const QList<QPair<QPoint, QColor>> expected{{{250, 250}, QColor(0xff, 0xa0, 0x00)},
                                                {{72, 250}, QColor(0x73, 0x00, 0xff)},
                                                {{255, 100}, Qt::white}};
    for (const auto &[at, colour] : expected)
        QVERIFY2(near(image.pixelColor(at), colour),
                 qPrintable(QStringLiteral("at (%1, %2): expected near %3, got %4")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(colour.name(), image.pixelColor(at).name())));
}

// Each change of arrangement leaves exactly one fresh grid of zeros; an
// index without a label changes nothing; a label shows its distance in white
// on the distance's colour, also when it was set before the new label was
// first shown under the display's style sheet.
void TestSpectraTof::gridLabels()
{
    nuvelix_tof_data *grid = tofTab()->grid();
    for (const int side : {8, 4}) {
        grid->updateLabelValues(0, 1234);
        grid->changeArrangement(side == 4 ? 0 : 1);
        grid->updateLabelValues(-1, 700);
        grid->updateLabelValues(side * side, 700);
        const auto *layout = grid->findChild<QGridLayout *>(QStringLiteral("gridLayout_tofdata"));
        QCOMPARE(layout->count(), side * side);
        const auto labels = grid->findChildren<QLabel *>();
        QCOMPARE(labels.size(), side * side);
        for (const QLabel *label : labels)
            QCOMPARE(label->text(), QStringLiteral("0"));
        grid->updateLabelValues(side + 1, 1000);
        auto *label = qobject_cast<QLabel *>(layout->itemAtPosition(1, 1)->widget());
        QCOMPARE(label->text(), QStringLiteral("1000"));
        QTest::qWait(1);
        QCOMPARE(label->grab().toImage().pixelColor(1, 1), QColor(Qt::blue));
    }
}

// The surface's colour follows the height: dark green low, dark red high.
void TestSpectraTof::surfaceColours()
{
    nuvelix_tof_surface *surface = tofTab()->surface();
    box("TOFChartComboBox")->setCurrentIndex(1);
    QTRY_VERIFY(surface->surfaceGraph());
    for (const double height : {9000.0, 0.0}) {
        surface->updateMultipleDataPoints(surface->masterPoints(), Values(64, height));
        const QImage image = surface->surfaceGraph()->renderToImage(0, QSize(400, 300));
        int red = 0, green = 0; // pixels mostly of that colour
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 50 && c.red() > 2 * (c.green() + c.blue()) ? 1 : 0;
                green += c.green() > 50 && c.green() > 2 * (c.red() + c.blue()) ? 1 : 0;
            }
        }
        QVERIFY2(
            height > 0 ? red > 5000 && green < 100 : green > 5000 && red < 100,
            qPrintable(
                QStringLiteral("at %1: %2 red, %3 green pixels").arg(height).arg(red).arg(green)));
    }
}

// What the TOF tool's and views' helpers do that the program does not call.
void TestSpectraTof::tofHelpers()
{
    QList<int> pixels{1, 2, 3, 4, 5, 6, 7};
    m_window->TOFmirrorPixels(pixels, 2, 3);
    QCOMPARE(pixels, QList<int>({3, 2, 1, 6, 5, 4, 7}));
    m_window->TOFmirrorPixels(pixels, 3, 3); // fewer than 9 values
    m_window->TOFmirrorPixels(pixels, 0, 3);
    QCOMPARE(pixels, QList<int>({3, 2, 1, 6, 5, 4, 7}));
    int image[64], zones[64];
    std::iota(std::begin(image), std::end(image), 0);
    m_window->TOF_rearrange_image(image, zones);
    QCOMPARE(QList<int>({zones[0], zones[56], zones[7]}), QList<int>({38, 0, 63}));

    QCOMPARE(nuvelix_tof_data::calculateColor(1500), QColor(127, 0, 127));
    QCOMPARE(nuvelix_tof_data::calculateValue(QStringLiteral("1234")), 1234);
    QCOMPARE(nuvelix_tof_data::calculateValue(QStringLiteral("12a")), 0);
    const QFont font = nuvelix_tof_data::set_label_font();
    QCOMPARE(font.weight(), QFont::Bold);
    QCOMPARE(font.pointSize(), 12);

    nuvelix_tof *display = tofTab();
    nuvelix_tof_surface *surface = display->surface();
    display->update_data_barset(0, 5000);
    surface->update_master_points(2);
    QCOMPARE(surface->masterPoints(), QList<QPoint>({{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
    surface->updateDataPoint(1, 2, 9000);
    surface->updateDataPoint(1, 4, 7000);
    const QSurfaceDataProxy *proxy = surface->surfaceSeries()->dataProxy();
    QCOMPARE(proxy->itemAt(1, 2)->position(), QVector3D(2, 9000, 1));
    QCOMPARE(proxy->itemAt(0, 0)->position(), QVector3D(0, 3000, 0));
}

YURB_TEST_MAIN(TestSpectraTof)
#include "tst_spectratof.moc"
