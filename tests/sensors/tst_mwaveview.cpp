#include "mwaveview.h"
#include "yurbtestmain.h"

#include <QApplication>
#include <QChart>
#include <QLineSeries>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>

#include <cmath>
#include <memory>

using Span = QPair<double, double>;

// The oscilloscope chart under a mouse: the X window follows the data, the
// wheel zooms about the mouse, a drag pans and a right click fits.
class TestWaveView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void xAxisFollowsTheData_data();
    void xAxisFollowsTheData();
    void wheelZoomsAboutTheMouse();
    void dragPansBothAxes();
    void rightClickFits_data();
    void rightClickFits();
    void pauseDropsData();
    void hiddenViewCatchesUpWhenShown();

private:
    [[nodiscard]] QValueAxis *axis(Qt::Orientation orientation) const
    {
        return qobject_cast<QValueAxis *>(m_view->chart()->axes(orientation).constFirst());
    }
    [[nodiscard]] Span span(Qt::Orientation orientation) const
    {
        return {axis(orientation)->min(), axis(orientation)->max()};
    }
    // Points (1, y(1)) to (count, y(count)) on a channel.
    void feed(WAVE_CH channel, int count, double (*y)(int));
    [[nodiscard]] QPoint plotCentre() const
    {
        return m_view->chart()->plotArea().center().toPoint();
    }

    std::unique_ptr<MWaveView> m_view;
};

void TestWaveView::init()
{
    m_view = std::make_unique<MWaveView>();
    m_view->resize(800, 500);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestWaveView::cleanup()
{
    m_view.reset();
}

void TestWaveView::feed(WAVE_CH channel, int count, double (*y)(int))
{
    for (int x = 1; x <= count; ++x)
        m_view->addSeriesData(channel, QPointF(x, y(x)));
}

void TestWaveView::xAxisFollowsTheData_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<Span>("x");

    QTest::newRow("fewer than 50") << 49 << Span(0, 50);
    QTest::newRow("up to 120") << 120 << Span(70, 120);
}

void TestWaveView::xAxisFollowsTheData()
{
    QFETCH(int, points);
    QFETCH(Span, x);

    feed(WAVE_CH1, points, [](int n) { return std::sin(n / 5.0); });
    QTRY_COMPARE(span(Qt::Horizontal), x);
    QCOMPARE(span(Qt::Vertical), Span(-25, 25));
    auto *line = qobject_cast<QLineSeries *>(m_view->chart()->series().at(WAVE_CH1));
    QTRY_COMPARE(line->points().value(line->count() - 1), QPointF(points, std::sin(points / 5.0)));
}

// Three steps away from the user: the next data show a window of 50 / 1.2^3
// ending at the newest point.
void TestWaveView::wheelZoomsAboutTheMouse()
{
    feed(WAVE_CH0, 120, [](int n) { return n / 10.0; });
    QTRY_COMPARE(span(Qt::Horizontal), Span(70, 120));
    const QPoint centre = plotCentre();
    for (int step = 0; step < 3; ++step) {
        QWheelEvent wheel(centre, m_view->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &wheel);
    }
    const double window = 50 / std::pow(1.2, 3);
    QCOMPARE(m_view->axes().rangeX(), window);
    QVERIFY2(std::abs(axis(Qt::Vertical)->max() - window / 2) < 0.1,
             qPrintable(QString::number(axis(Qt::Vertical)->max())));
    m_view->addSeriesData(WAVE_CH0, QPointF(121, 0));
    QTRY_VERIFY2(std::abs(axis(Qt::Horizontal)->min() - (121 - window)) < 1e-9,
                 qPrintable(QString::number(axis(Qt::Horizontal)->min())));
}

// A drag moves both axes with the mouse; new data bring X back, Y stays.
void TestWaveView::dragPansBothAxes()
{
    feed(WAVE_CH0, 100, [](int) { return 1.0; });
    QTRY_COMPARE(span(Qt::Horizontal), Span(50, 100));
    const QPoint from = plotCentre();
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(m_view->viewport(), from + QPoint(100, 50));
    QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, from + QPoint(100, 50));
    QVERIFY2(axis(Qt::Horizontal)->max() < 95,
             qPrintable(QString::number(axis(Qt::Horizontal)->max())));
    const Span dragged = span(Qt::Vertical);
    QVERIFY2(dragged.first > -25, qPrintable(QString::number(dragged.first)));
    QVERIFY2(QToolTip::text().startsWith(QLatin1Char('(')), qPrintable(QToolTip::text()));

    m_view->addSeriesData(WAVE_CH0, QPointF(101, 1));
    QTRY_COMPARE(span(Qt::Horizontal), Span(51, 101));
    QCOMPARE(span(Qt::Vertical), dragged);
}

void TestWaveView::rightClickFits_data()
{
    QTest::addColumn<bool>("shownData");
    QTest::addColumn<double>("level"); // of the shown channel, or NaN for a wave
    QTest::addColumn<Span>("x");
    QTest::addColumn<Span>("y");

    QTest::newRow("a wave, the hidden channel ignored")
        << true << qQNaN() << Span(1, 200) << Span(-2, 6);
    QTest::newRow("a flat line") << true << 40.0 << Span(1, 200) << Span(38, 42);
    QTest::newRow("nothing shown: back to the windows")
        << false << 0.0 << Span(150, 200) << Span(-25, 25);
}

// The hidden channel 3 holds far larger values, which the fit leaves out.
void TestWaveView::rightClickFits()
{
    QFETCH(bool, shownData);
    QFETCH(double, level);
    QFETCH(Span, x);
    QFETCH(Span, y);

    m_view->closeChannel(WAVE_CH3);
    feed(WAVE_CH3, 200, [](int n) { return 1000.0 * n; });
    for (int n = 1; shownData && n <= 200; ++n)
        m_view->addSeriesData(WAVE_CH2,
                              QPointF(n, std::isnan(level) ? 2 + 4 * std::sin(n) : level));
    QTRY_COMPARE(span(Qt::Horizontal), Span(150, 200));
    QContextMenuEvent click(QContextMenuEvent::Mouse, plotCentre(), plotCentre());
    QApplication::sendEvent(m_view->viewport(), &click);
    QCOMPARE(span(Qt::Horizontal), x);
    const Span fitted = span(Qt::Vertical);
    QVERIFY2(std::abs(fitted.first - y.first) < 0.01 && std::abs(fitted.second - y.second) < 0.01,
             qPrintable(QStringLiteral("expected Y %1..%2, got %3..%4")
                            .arg(y.first)
                            .arg(y.second)
                            .arg(fitted.first)
                            .arg(fitted.second)));
}

void TestWaveView::pauseDropsData()
{
    m_view->slots_pauseGraph();
    m_view->addSeriesData(WAVE_CH0, QPointF(1, 1));
    m_view->addSeriesData(WAVE_CH1, QList<QPointF>{{1, 1}, {2, 2}});
    QCOMPARE(m_view->trace(WAVE_CH0)->size(), 0);
    QCOMPARE(m_view->trace(WAVE_CH1)->size(), 0);
    m_view->slots_startGraph();
    m_view->addSeriesData(WAVE_CH1, QList<QPointF>{{1, 1}, {2, 2}});
    QCOMPARE(m_view->trace(WAVE_CH1)->size(), 2);
}

// A hidden view draws nothing; shown again, it follows what came meanwhile.
void TestWaveView::hiddenViewCatchesUpWhenShown()
{
    m_view->hide();
    feed(WAVE_CH0, 120, [](int) { return 0.0; });
    QTest::qWait(3 * MWaveView::redrawInterval);
    QCOMPARE(span(Qt::Horizontal), Span(0, 50));
    m_view->show();
    QTRY_COMPARE(span(Qt::Horizontal), Span(70, 120));
}

YURB_TEST_MAIN(TestWaveView)
#include "tst_mwaveview.moc"
