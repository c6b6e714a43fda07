#include "nuvelix_spectroscopy_spline.h"
#include "nuvelix_tof_data.h"
#include "nuvelix_tof_surface.h"
#include "yurbtestmain.h"

#include <Q3DSurface>
#include <QGridLayout>
#include <QLabel>
#include <QTest>

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

} // namespace

// The spectrum curve and the time-of-flight views on their own: what the
// curve paints, the grid's labels and the 3-D surface's colours read back
// with its own render-to-image.
class TestSpectraTofViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void curvePaintsTheSpectrum();
    void gridLabels();
    void surfaceColours();
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

// Each change of arrangement leaves exactly one fresh grid of zeros; an
// index without a label changes nothing; a label shows its distance in white
// on the distance's colour.
void TestSpectraTofViews::gridLabels()
{
    nuvelix_tof_data grid;
    for (const int side : {8, 4}) {
        grid.updateLabelValues(0, 1234);
        grid.changeArrangement(side == 4 ? 0 : 1);
        grid.updateLabelValues(-1, 700);
        grid.updateLabelValues(side * side, 700);
        const auto *layout = grid.findChild<QGridLayout *>(QStringLiteral("gridLayout_tofdata"));
        QCOMPARE(layout->count(), side * side);
        const auto labels = grid.findChildren<QLabel *>();
        QCOMPARE(labels.size(), side * side);
        for (const QLabel *label : labels)
            QCOMPARE(label->text(), QStringLiteral("0"));
        grid.updateLabelValues(side + 1, 1000);
        auto *label = qobject_cast<QLabel *>(layout->itemAtPosition(1, 1)->widget());
        QCOMPARE(label->text(), QStringLiteral("1000"));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(label->grab().toImage().pixelColor(1, 1), QColor(Qt::blue));
    }
}

// Shown, the surface makes its graph, coloured by height: dark green low,
// dark red high.
void TestSpectraTofViews::surfaceColours()
{
    nuvelix_tof_surface surface;
    surface.resize(400, 300);
    surface.changeArrangement(0);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    Q3DSurface *graph = surface.surfaceGraph();
    QVERIFY(graph);
    for (const double height : {9000.0, 0.0}) {
        surface.updateMultipleDataPoints(surface.masterPoints(), Values(64, height));
        const auto [red, green] = redAndGreen(graph->renderToImage(0, QSize(400, 300)));
        QVERIFY2(
            height > 0 ? red > 5000 && green < 100 : green > 5000 && red < 100,
            qPrintable(
                QStringLiteral("at %1: %2 red, %3 green pixels").arg(height).arg(red).arg(green)));
    }
}

YURB_TEST_MAIN(TestSpectraTofViews)
#include "tst_spectratofviews.moc"
