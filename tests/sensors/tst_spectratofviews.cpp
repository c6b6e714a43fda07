#include "nuvelix_spectroscopy_spline.h"
#include "nuvelix_tof_data.h"
#include "nuvelix_tof_surface.h"
#include "yurbtestmain.h"

#include <Q3DSurface>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QSurface3DSeries>
#include <QTest>
#include <QValue3DAxis>

using Values = QList<double>;

namespace {
// Pixels of an image that are mostly red, and mostly green.
QPair<int, int> redAndGreen(const QImage &image)
{
    int red = 0;
    int green = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 50 && colour.red() > 2 * (colour.green() + colour.blue()))
                ++red;
            if (colour.green() > 50 && colour.green() > 2 * (colour.red() + colour.blue()))
                ++green;
        }
    }
    return {red, green};
}

QLabel *zoneLabel(const nuvelix_tof_data &grid, int row, int column)
{
    const auto *layout = grid.findChild<QGridLayout *>(QStringLiteral("gridLayout_tofdata"));
    QLayoutItem *item = layout->itemAtPosition(row, column);
    return item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
}
} // namespace

// The spectrum curve and the time-of-flight views on their own: what the
// curve paints, the grid's labels and the 3-D surface read back with its own
// render-to-image.
class TestSpectraTofViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void curvePaintsTheSpectrum();
    void gridLabels_data();
    void gridLabels();
    void surfaceRendersAndRebuilds();
};

// In 470 by 360 the plot is 400 by 300 from (50, 20) and point i lies at
// x = 50 + 400 i / 18. All values 0 leave only the grid; values of 0.5
// fill the lower half in each point's colour; lists of another length are
// refused.
void TestSpectraTofViews::curvePaintsTheSpectrum()
{
    nuvelix_spectroscopy_spline curve;
    curve.resize(470, 360);
    const auto saturated = [](const QColor &colour) {
        return colour.hsvSaturation() > 100;
    };
    QImage image = curve.grab().toImage();
    int coloured = 0;
    for (int y = 20; y <= 320; ++y)
        for (int x = 50; x <= 450; ++x)
            coloured += saturated(image.pixelColor(x, y)) ? 1 : 0;
    QCOMPARE(coloured, 0);

    QVERIFY(!curve.setSpectrumData(Values(18, 0.5)));
    QVERIFY(!curve.setWavelengths(Values(20, 500)));
    QVERIFY(curve.setSpectrumData(Values(19, 0.5)));
    image = curve.grab().toImage();
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

void TestSpectraTofViews::gridLabels_data()
{
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("row"); // of the label that shows it; -1 none
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("colour");

    QTest::newRow("0 white on white") << 0 << 5 << 0 << 1 << 1 << "#ffffff";
    QTest::newRow("1000 blue") << 0 << 3 << 1000 << 0 << 3 << "#0000ff";
    QTest::newRow("2500 red") << 0 << 15 << 2500 << 3 << 3 << "#ff0000";
    QTest::newRow("no label 20 in 4 by 4") << 0 << 20 << 700 << -1 << -1 << "";
    QTest::newRow("label 20 in 8 by 8") << 1 << 20 << 1500 << 2 << 4 << "#7f007f";
    QTest::newRow("no label 64") << 1 << 64 << 700 << -1 << -1 << "";
    QTest::newRow("no label -1") << 1 << -1 << 700 << -1 << -1 << "";
}

// Each change of arrangement leaves exactly one fresh grid of zeros.
void TestSpectraTofViews::gridLabels()
{
    QFETCH(int, arrangement);
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, colour);

    nuvelix_tof_data grid;
    grid.updateLabelValues(0, 1234);
    grid.changeArrangement(1 - arrangement);
    grid.changeArrangement(arrangement);
    const int side = arrangement == 0 ? 4 : 8;
    const auto labels = grid.findChildren<QLabel *>();
    QCOMPARE(labels.size(), side * side);
    QCOMPARE(grid.findChild<QGridLayout *>(QStringLiteral("gridLayout_tofdata"))->count(),
             side * side);

    grid.updateLabelValues(index, value);
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            QLabel *label = zoneLabel(grid, r, c);
            const bool shows = r == row && c == column;
            QCOMPARE(label->text(), QString::number(shows ? value : 0));
            const QString background = shows ? colour : QStringLiteral("#ffffff");
            QCOMPARE(label->palette().color(QPalette::Window).name(), background);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
            QCOMPARE(label->grab().toImage().pixelColor(1, 1).name(), background);
        }
    }
}

// Shown, the surface makes its graph; a change of arrangement rebuilds it,
// freeing the old graph and container, and keeps the series. Heights are
// cut at 8000, and the colour follows the height: dark green low, dark red
// high.
void TestSpectraTofViews::surfaceRendersAndRebuilds()
{
    nuvelix_tof_surface surface;
    surface.resize(400, 300);
    QCOMPARE(surface.surfaceGraph(), nullptr);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    QVERIFY(surface.surfaceGraph());
    QSurface3DSeries *series = surface.surfaceSeries();
    QCOMPARE(series->dataProxy()->rowCount(), 8);

    const auto *layout = surface.findChild<QLayout *>(QStringLiteral("gridLayout_3dsurface"));
    for (int round = 0; round < 2; ++round) {
        const QPointer<Q3DSurface> oldGraph = surface.surfaceGraph();
        const QPointer<QWidget> oldContainer = layout->itemAt(0)->widget();
        surface.changeArrangement(0);
        QVERIFY(oldGraph.isNull());
        QVERIFY(oldContainer.isNull());
        QCOMPARE(layout->count(), 1);
    }
    Q3DSurface *graph = surface.surfaceGraph();
    QCOMPARE(graph->seriesList(), QList<QSurface3DSeries *>{series});
    QCOMPARE(graph->axisX()->max(), 3.0f);
    QCOMPARE(graph->axisZ()->max(), 3.0f);
    QCOMPARE(graph->axisY()->max(), 8000.0f);
    QCOMPARE(series->dataProxy()->rowCount(), 4);
    QCOMPARE(series->dataProxy()->columnCount(), 4);
    QCOMPARE(series->dataProxy()->itemAt(3, 2)->position(), QVector3D(2, 3000, 3));

    surface.updateMultipleDataPoints(surface.masterPoints(), Values(64, 9000));
    QCOMPARE(series->dataProxy()->itemAt(3, 2)->position(), QVector3D(2, 8000, 3));
    const QPair<int, int> high = redAndGreen(graph->renderToImage(0, QSize(400, 300)));
    QVERIFY2(
        high.first > 5000 && high.second < 100,
        qPrintable(
            QStringLiteral("at 8000: %1 red, %2 green pixels").arg(high.first).arg(high.second)));

    surface.updateMultipleDataPoints(surface.masterPoints(), Values(64, 0));
    const QPair<int, int> low = redAndGreen(graph->renderToImage(0, QSize(400, 300)));
    QVERIFY2(
        low.second > 5000 && low.first < 100,
        qPrintable(QStringLiteral("at 0: %1 red, %2 green pixels").arg(low.first).arg(low.second)));
}

YURB_TEST_MAIN(TestSpectraTofViews)
#include "tst_spectratofviews.moc"
