#include "mwaveview.h"

#include <QAction>
#include <QChart>
#include <QContextMenuEvent>
#include <QLineSeries>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>

#include <array>
#include <utility>

namespace {
const std::array<QColor, MWaveView::channelCount> channelColours = {
    QColor(255, 228, 16), QColor(0, 225, 255), QColor(255, 20, 255),  QColor(0, 23, 255),
    QColor(127, 255, 0),  QColor(255, 0, 255), QColor(147, 112, 219), QColor(0, 255, 255),
    QColor(0, 0, 128),    QColor(128, 0, 128), QColor(46, 139, 87),   QColor(152, 251, 152),
    QColor(0, 255, 127),  QColor(0, 0, 255),   QColor(135, 206, 250), QColor(255, 192, 203)};
} // namespace

MWaveView::MWaveView(QWidget *parent)
    : QChartView(parent)
    , m_chart(new QChart)
    , m_axisX(new QValueAxis(m_chart))
    , m_axisY(new QValueAxis(m_chart))
    , m_menu(new QMenu(this))
    , m_startAction(new QAction(tr("开始"), this))
    , m_pauseAction(new QAction(tr("暂停"), this))
    , m_showCoordinateAction(new QAction(tr("Show Coordinate"), this))
{
    m_axisX->setTickCount(9);
    m_axisY->setTickCount(9);
    m_axisX->setLabelFormat(QStringLiteral("%d"));
    m_axisY->setLabelFormat(QStringLiteral("%.2f"));
    m_axisX->setTickType(QValueAxis::TicksFixed);
    m_axisX->setRange(0, 50);
    m_axisY->setRange(-25, 25);

    m_chart->legend()->hide();
    m_chart->setTheme(QChart::ChartThemeLight);
    setChart(m_chart); // the view owns the chart from here on
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    m_axisX->setLabelsColor(QColor(255, 255, 255, 150));
    m_axisY->setLabelsColor(QColor(255, 255, 255, 150));
    setRenderHint(QPainter::Antialiasing);
    m_chart->setBackgroundBrush(QBrush(Qt::black));

    for (int key = WAVE_CH0; key < channelCount; ++key)
        addChannel(WAVE_CH(key));

    // A line shows only the points of the X window, so it is drawn again
    // whenever the window or the plot's size changes.
    connect(m_axisX, &QValueAxis::rangeChanged, this, &MWaveView::markAllStale);
    connect(m_chart, &QChart::plotAreaChanged, this, &MWaveView::markAllStale);
    m_redrawTimer.setInterval(redrawInterval);
    connect(&m_redrawTimer, &QTimer::timeout, this, &MWaveView::redraw);

    m_startAction->setVisible(false);
    m_menu->addActions({m_startAction, m_pauseAction, m_showCoordinateAction});
    connect(m_startAction, &QAction::triggered, this, &MWaveView::slots_startGraph);
    connect(m_pauseAction, &QAction::triggered, this, &MWaveView::slots_pauseGraph);
}

// Plain series: OpenGL ones would make the whole window compose through
// OpenGL, which without a GPU costs every other tab.
void MWaveView::addChannel(WAVE_CH key)
{
    auto *series = new QLineSeries(m_chart);
    m_chart->addSeries(series);
    series->attachAxis(m_axisX);
    series->attachAxis(m_axisY);
    QPen pen(channelColours.at(size_t(key)));
    pen.setWidth(3);
    series->setPen(pen);
    m_channels[key].series = series;
}

MWaveView::Channel *MWaveView::channel(WAVE_CH key)
{
    const auto found = m_channels.find(key);
    return found == m_channels.end() ? nullptr : &found->second;
}

const MWaveView::Channel *MWaveView::channel(WAVE_CH key) const
{
    const auto found = m_channels.find(key);
    return found == m_channels.end() ? nullptr : &found->second;
}

void MWaveView::openChannel(WAVE_CH key)
{
    if (Channel *shown = channel(key)) {
        shown->series->setVisible(true);
        // Points that came while it was hidden are drawn at the next redraw.
        if (shown->stale)
            scheduleRedraw();
    }
}

void MWaveView::closeChannel(WAVE_CH key)
{
    if (Channel *hidden = channel(key))
        hidden->series->setVisible(false);
}

bool MWaveView::isChannelOpen(WAVE_CH key) const
{
    const Channel *shown = channel(key);
    return shown && shown->series->isVisible();
}

void MWaveView::clearChannel(WAVE_CH key)
{
    if (Channel *cleared = channel(key)) {
        cleared->trace.clear();
        cleared->series->clear();
    }
}

void MWaveView::addSeriesData(WAVE_CH key, const QPointF &point)
{
    Channel *target = channel(key);
    if (m_paused || !target)
        return;
    target->trace.append(point);
    m_axes.setMaxX(qMax(m_axes.maxX(), point.x()));
    dataChanged(*target);
}

void MWaveView::addSeriesData(WAVE_CH key, const QList<QPointF> &points)
{
    Channel *target = channel(key);
    if (m_paused || !target)
        return;
    target->trace.replace(points);
    m_axes.setMaxX(points.isEmpty() ? 0.0 : qMax(points.last().x(), m_axes.maxX()));
    dataChanged(*target);
}

const WaveTrace *MWaveView::trace(WAVE_CH key) const
{
    const Channel *found = channel(key);
    return found ? &found->trace : nullptr;
}

void MWaveView::dataChanged(Channel &changed)
{
    changed.stale = true;
    m_follow = true;
    scheduleRedraw();
}

void MWaveView::markAllStale()
{
    for (auto &entry : m_channels)
        entry.second.stale = true;
    scheduleRedraw();
}

// A hidden view draws nothing: it catches up when it is shown.
void MWaveView::scheduleRedraw()
{
    if (!m_redrawTimer.isActive() && isVisible())
        m_redrawTimer.start();
}

void MWaveView::showEvent(QShowEvent *event)
{
    QChartView::showEvent(event);
    m_redrawTimer.start();
}

// Moves the X window to the newest data, then gives each shown line whose
// points or window changed the points of its window; stops once nothing
// changed, or while the view is hidden.
void MWaveView::redraw()
{
    if (!isVisible()) {
        m_redrawTimer.stop();
        return;
    }
    if (std::exchange(m_follow, false))
        updateRange_for_addSeriesData();
    const int columns = int(m_chart->plotArea().width());
    const int buckets = columns / pixelsPerBucket;
    // Where a line has more than two points per pixel column, the lines are
    // drawn without antialiasing: without a GPU antialiased wide lines cost
    // three times as much, for little to see in lines this dense.
    bool dense = false;
    for (const auto &entry : m_channels)
        dense = dense || (entry.second.series->isVisible() &&
                          entry.second.trace.thins(m_axisX->min(), m_axisX->max(), columns));
    setRenderHint(QPainter::Antialiasing, !dense);
    bool drew = false;
    for (auto &entry : m_channels) {
        Channel &line = entry.second;
        if (!line.stale || !line.series->isVisible())
            continue;
        line.stale = false;
        if (line.trace.isEmpty() && line.series->count() == 0)
            continue;
        line.series->replace(line.trace.drawPoints(m_axisX->min(), m_axisX->max(), buckets));
        drew = true;
    }
    if (!drew)
        m_redrawTimer.stop();
}

void MWaveView::setRangeX(int range)
{
    m_axes.setRangeX(range);
}

void MWaveView::setRangeY(int range)
{
    m_axes.setRangeY(range);
}

void MWaveView::setZoomX(double step)
{
    m_axes.setZoomX(step);
}

void MWaveView::setZoomY(double step)
{
    m_axes.setZoomY(step);
}

void MWaveView::ZoomX()
{
    m_axes.zoomX();
}

void MWaveView::ZoomOutX()
{
    m_axes.zoomOutX();
}

void MWaveView::ZoomY()
{
    m_axes.zoomY();
}

void MWaveView::ZoomOutY()
{
    m_axes.zoomOutY();
}

void MWaveView::setRangeOf(QValueAxis *axis, const WaveAxes::Span &span)
{
    axis->setRange(span.min, span.max);
}

void MWaveView::updateRange()
{
    setRangeOf(m_axisX, m_axes.scrollWindow());
    setRangeOf(m_axisY, m_axes.yWindow());
}

void MWaveView::updateRange_for_addSeriesData()
{
    setRangeOf(m_axisX, m_axes.scrollWindow());
}

std::optional<QRectF> MWaveView::calculateDataRange() const
{
    std::optional<QRectF> range;
    for (const auto &entry : m_channels) {
        const Channel &line = entry.second;
        if (!line.series->isVisible())
            continue;
        const std::optional<QRectF> bounds = line.trace.bounds();
        if (!bounds)
            continue;
        // By hand: QRectF::united passes over rectangles without extent.
        if (range)
            range = QRectF(
                QPointF(qMin(range->left(), bounds->left()), qMin(range->top(), bounds->top())),
                QPointF(qMax(range->right(), bounds->right()),
                        qMax(range->bottom(), bounds->bottom())));
        else
            range = bounds;
    }
    return range;
}

// Either way the menu offers the other entry.
void MWaveView::slots_startGraph()
{
    m_paused = false;
    m_startAction->setVisible(false);
    m_pauseAction->setVisible(true);
}

void MWaveView::slots_pauseGraph()
{
    m_paused = true;
    m_pauseAction->setVisible(false);
    m_startAction->setVisible(true);
}

void MWaveView::startGraph()
{
    slots_startGraph();
}

void MWaveView::pauseGraph()
{
    slots_pauseGraph();
}

// The view shows the chart unscaled at the scene's origin.
QPointF MWaveView::chartPoint(QPointF viewportPosition) const
{
    return m_chart->mapFromScene(QPointF(mapToScene(QPoint())) + viewportPosition);
}

QPointF MWaveView::valueAt(QPointF viewportPosition) const
{
    return m_chart->mapToValue(chartPoint(viewportPosition));
}

void MWaveView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = true;
    m_lastMousePos = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void MWaveView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = false;
    viewport()->setCursor(Qt::ArrowCursor);
}

// A drag moves the plot with the mouse; any move shows the mouse's values.
void MWaveView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (m_leftPressed) {
        m_chart->scroll(m_lastMousePos.x() - position.x(), position.y() - m_lastMousePos.y());
        m_axes.moveCenterY(valueAt(m_lastMousePos).y() - valueAt(position).y());
        m_lastMousePos = position;
    }
    const QPointF value = valueAt(position);
    QToolTip::showText(
        event->globalPosition().toPoint(),
        QStringLiteral("(%1,%2)").arg(value.x(), 0, 'g', 6).arg(value.y(), 0, 'g', 6), this);
}

// One wheel step magnifies or shrinks by the zoom steps about the mouse.
void MWaveView::wheelEvent(QWheelEvent *event)
{
    const QRectF area = m_chart->plotArea();
    const QPointF factors = m_axes.wheel(event->angleDelta().y());
    const QRectF zoomed = WaveAxes::zoomedArea(area, chartPoint(event->position()), factors);
    m_axes.moveCenterY(m_chart->mapToValue(zoomed.center()).y() -
                       m_chart->mapToValue(area.center()).y());
    m_chart->zoomIn(zoomed);
    event->accept();
}

// A right click fits the axes to the shown data; with no point to fit, the
// axes go back to the scrolling window and the Y window.
void MWaveView::contextMenuEvent(QContextMenuEvent *event)
{
    updateRange();
    if (const std::optional<QRectF> bounds = calculateDataRange()) {
        const QRectF shown = m_axes.fit(*bounds);
        setRangeOf(m_axisX, {shown.left(), shown.right()});
        setRangeOf(m_axisY, {shown.top(), shown.bottom()});
    }
    event->accept();
}
