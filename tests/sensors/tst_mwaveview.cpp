#include "mwaveview.h"
#include "yurbtestmain.h"

#include <QApplication>
#include <QChart>
#include <QLineSeries>
#include <QMenu>
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
    void xAxisFollowsTheData();
    void wheelZoomsAboutTheMouse();
    void dragPansBothAxes();
    void rightClickFitsTheShownData();
    void pausedOrHidden();

private:
    [[nodiscard]] Span span(Qt::Orientation orientation) const
    {
        const auto *axis = qobject_cast<QValueAxis *>(m_view->chart()->axes(orientation).first());
        return {axis->min(), axis->max()};
    }
    // Points (1, y) to (count, y) on a channel.
    void feed(WAVE_CH channel, int count, double y = 1)
    {
        for (int x = 1; x <= count; ++x)
            m_view->addSeriesData(channel, QPointF(x, y));
    }
    [[nodiscard]] QPoint centre() const { return m_view->chart()->plotArea().center().toPoint(); }

    std::unique_ptr<MWaveView> m_view;
};

void TestWaveView::init()
{
    m_view = std::make_unique<MWaveView>();
    m_view->resize(800, 500);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

// With fewer than 50 points the X axis shows 0 to 50, then the newest 50.
void TestWaveView::xAxisFollowsTheData()
{
    feed(WAVE_CH1, 49, 3);
    auto *line = qobject_cast<QLineSeries *>(m_view->chart()->series().at(WAVE_CH1));
    QTRY_COMPARE(line->points().value(line->count() - 1), QPointF(49, 3));
    QCOMPARE(span(Qt::Horizontal), Span(0, 50));
    feed(WAVE_CH1, 120, 3);
    QTRY_COMPARE(span(Qt::Horizontal), Span(70, 120));
    QCOMPARE(span(Qt::Vertical), Span(-25, 25));
    // Antialiased while sparse; not when more points than pixel columns show.
    QVERIFY(m_view->renderHints().testFlag(QPainter::Antialiasing));
    m_view->setRangeX(5000);
    feed(WAVE_CH2, 5000, 3);
    QTRY_VERIFY(!m_view->renderHints().testFlag(QPainter::Antialiasing));
}

// Three steps away from the user: the next data show a window of 50 / 1.2^3
// ending at the newest point.
void TestWaveView::wheelZoomsAboutTheMouse()
{
    feed(WAVE_CH0, 120);
    QTRY_COMPARE(m_view->axes().maxX(), 120.0);
    for (int step = 0; step < 3; ++step) {
        QWheelEvent wheel(centre(), m_view->mapToGlobal(centre()), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &wheel);
    }
    const double window = 50 / std::pow(1.2, 3);
    QCOMPARE(m_view->axes().rangeX(), window);
    QVERIFY2(std::abs(span(Qt::Vertical).second - window / 2) < 0.1,
             qPrintable(QString::number(span(Qt::Vertical).second)));
    m_view->addSeriesData(WAVE_CH0, QPointF(121, 0));
    QTRY_VERIFY2(std::abs(span(Qt::Horizontal).first - (121 - window)) < 1e-9,
                 qPrintable(QString::number(span(Qt::Horizontal).first)));

    // The zoom steps by hand: a step of 0 is ignored, the axes wait.
    m_view->setZoomX(2);
    m_view->setZoomY(0);
    m_view->ZoomX();
    m_view->ZoomY();
    QCOMPARE(QPointF(m_view->axes().rangeX(), m_view->axes().rangeY()),
             QPointF(2 * window, 1.2 * window));
    m_view->ZoomOutX();
    m_view->ZoomOutY();
    QCOMPARE(QPointF(m_view->axes().rangeX(), m_view->axes().rangeY()), QPointF(window, window));
    QVERIFY(std::abs(span(Qt::Horizontal).first - (121 - window)) < 1e-9);
}

// A drag moves both axes with the mouse; new data bring X back, Y stays.
void TestWaveView::dragPansBothAxes()
{
    feed(WAVE_CH0, 100);
    QTRY_COMPARE(span(Qt::Horizontal), Span(50, 100));
    const QPoint to = centre() + QPoint(100, 50);
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, centre());
    QTest::mouseMove(m_view->viewport(), to);
    QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, to);
    const Span dragged = span(Qt::Vertical);
    QVERIFY2(span(Qt::Horizontal).second < 95 && dragged.first > -25,
             qPrintable(QStringLiteral("X ends at %1, Y starts at %2")
                            .arg(span(Qt::Horizontal).second)
                            .arg(dragged.first)));
    QVERIFY2(QToolTip::text().startsWith(QLatin1Char('(')), qPrintable(QToolTip::text()));
    m_view->addSeriesData(WAVE_CH0, QPointF(101, 1));
    QTRY_COMPARE(span(Qt::Horizontal), Span(51, 101));
    QCOMPARE(span(Qt::Vertical), dragged);
}

// The fit leaves out the hidden channel's far larger values; with nothing
// shown, the axes go back to their windows.
void TestWaveView::rightClickFitsTheShownData()
{
    m_view->closeChannel(WAVE_CH3);
    feed(WAVE_CH3, 200, 1000);
    QTRY_COMPARE(span(Qt::Horizontal), Span(150, 200));
    QContextMenuEvent click(QContextMenuEvent::Mouse, centre(), centre());
    QApplication::sendEvent(m_view->viewport(), &click);
    QCOMPARE(span(Qt::Horizontal), Span(150, 200));
    QCOMPARE(span(Qt::Vertical), Span(-25, 25));

    for (int x = 1; x <= 200; ++x)
        m_view->addSeriesData(WAVE_CH2, QPointF(x, x % 2 == 0 ? 6 : -2));
    QApplication::sendEvent(m_view->viewport(), &click);
    QCOMPARE(span(Qt::Horizontal), Span(1, 200));
    QCOMPARE(span(Qt::Vertical), Span(-2, 6));

    // Values no axis spans: each fit shows the largest span an axis takes.
    for (const double huge : {1e308, -1e308})
        m_view->addSeriesData(WAVE_CH1, QPointF(201, huge));
    m_view->addSeriesData(WAVE_CH1, QPointF(202, 1e308));
    for (int fits = 0; fits < 2; ++fits) {
        QApplication::sendEvent(m_view->viewport(), &click);
        QCOMPARE(span(Qt::Vertical), Span(-WaveAxes::valueLimit, WaveAxes::valueLimit));
    }
}

// Paused from the menu, data are dropped and the menu offers to start;
// hidden, the view draws nothing and catches up when shown.
void TestWaveView::pausedOrHidden()
{
    const QList<QAction *> entries = m_view->graphMenu()->actions();
    const auto offered = [&entries] {
        QStringList texts;
        for (const QAction *entry : entries)
            if (entry->isVisible())
                texts.append(entry->text());
        return texts.join(QLatin1Char(' '));
    };
    QCOMPARE(offered(), QStringLiteral("暂停 Show Coordinate"));
    entries.at(1)->trigger();
    QVERIFY(m_view->isPaused());
    QCOMPARE(offered(), QStringLiteral("开始 Show Coordinate"));
    feed(WAVE_CH0, 5);
    m_view->addSeriesData(WAVE_CH1, QList<QPointF>{{1, 1}, {2, 2}});
    QCOMPARE(m_view->trace(WAVE_CH0)->size() + m_view->trace(WAVE_CH1)->size(), 0);
    entries.at(0)->trigger();
    QCOMPARE(offered(), QStringLiteral("暂停 Show Coordinate"));
    m_view->pauseGraph();
    QVERIFY(m_view->isPaused());
    m_view->startGraph();
    m_view->hide();
    feed(WAVE_CH0, 120);
    QTest::qWait(3 * MWaveView::redrawInterval);
    QCOMPARE(span(Qt::Horizontal), Span(0, 50));
    m_view->show();
    QTRY_COMPARE(span(Qt::Horizontal), Span(70, 120));
}

YURB_TEST_MAIN(TestWaveView)
#include "tst_mwaveview.moc"
