#include "nuvelix_tof.h"
#include "nuvelix_tof_surface.h"
#include "openglcheck.h"

#include "yurbtestmain.h"

#include <QLabel>
#include <QSurface3DSeries>
#include <QTest>

// The 3-D view on a display without OpenGL (the minimal platform), or with
// an OpenGL older than 2.1 (Mesa told to report one by the test's
// registration): a plain text stands in for the graph, which would end or
// crash the process, and the view still takes arrangements and heights.
class TestTofNoGl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeholderInsteadOfTheGraph();
};

void TestTofNoGl::placeholderInsteadOfTheGraph()
{
    QVERIFY(!openGlAvailable());
    nuvelix_tof display;
    display.change(1);
    display.show();
    nuvelix_tof_surface *surface = display.surface();
    QTRY_VERIFY(surface->isVisible());
    QCOMPARE(surface->surfaceGraph(), nullptr);
    const auto *placeholder = surface->findChild<QLabel *>();
    QVERIFY(placeholder);
    QTRY_VERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->textFormat(), Qt::PlainText);

    surface->changeArrangement(0);
    surface->updateMultipleDataPoints(surface->masterPoints(), QList<double>(64, 9000));
    QCOMPARE(surface->surfaceModel().height(3, 3), 8000.0);
    QCOMPARE(surface->surfaceSeries()->dataProxy()->itemAt(3, 3)->y(), 8000.0f);
    display.change(0);
    display.change(1);
    QCOMPARE(surface->findChildren<QLabel *>().size(), 1);
    QCOMPARE(surface->surfaceGraph(), nullptr);
}

// The minimal platform, which has no OpenGL, chosen before the test main
// makes the application; with an old OpenGL the suite's display is kept.
[[maybe_unused]] const bool minimalPlatform =
    qEnvironmentVariableIsSet("MESA_GL_VERSION_OVERRIDE") || qputenv("QT_QPA_PLATFORM", "minimal");
YURB_TEST_MAIN(TestTofNoGl)
#include "tst_tofnogl.moc"
