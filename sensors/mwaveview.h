#pragma once

#include "waveaxes.h"
#include "wavetrace.h"

#include <QChartView>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QTimer>

#include <map>
#include <optional>

// Channel keys of the oscilloscope chart.
enum WAVE_CH {
    WAVE_CH0 = 0,
    WAVE_CH1,
    WAVE_CH2,
    WAVE_CH3,
    WAVE_CH4,
    WAVE_CH5,
    WAVE_CH6,
    WAVE_CH7,
    WAVE_CH8,
    WAVE_CH9,
    WAVE_CH10,
    WAVE_CH11,
    WAVE_CH12,
    WAVE_CH13,
    WAVE_CH14,
    WAVE_CH15
};

class QAction;
class QLineSeries;
class QMenu;
class QValueAxis;

// The oscilloscope chart: a coloured line per channel on black whose X axis
// follows the newest point; a left drag pans, the wheel zooms about the
// mouse, a right click fits the shown data, a tooltip tells the mouse's values.
class MWaveView : public QChartView
{
    Q_OBJECT

public:
    static constexpr int channelCount = 16;
    // Each channel keeps its newest points up to this many.
    static constexpr qsizetype pointLimit = 20000;
    // The lines and the X axis follow new data at most this often (ms): a
    // board sends far more often than a person can see, so frames are taken
    // at once and drawn together.
    static constexpr int redrawInterval = 25;
    // Each line is drawn at most two points per this many pixels of plot
    // width, the pen's width.
    static constexpr int pixelsPerBucket = 3;

    explicit MWaveView(QWidget *parent = nullptr);

    // Show or hide a channel's line; a hidden channel still takes points.
    void openChannel(WAVE_CH channel);
    void closeChannel(WAVE_CH channel);
    [[nodiscard]] bool isChannelOpen(WAVE_CH channel) const;
    void clearChannel(WAVE_CH channel);
    // Unless paused, adds a point to the channel, or replaces its points by
    // the list; the line and the X window follow at the next redraw.
    void addSeriesData(WAVE_CH channel, const QPointF &point);
    void addSeriesData(WAVE_CH channel, const QList<QPointF> &points);
    // The channel's points; null for a key without a channel.
    [[nodiscard]] const WaveTrace *trace(WAVE_CH channel) const;
    [[nodiscard]] bool isPaused() const { return m_paused; }
    // The same as the two slots below.
    void startGraph();
    void pauseGraph();

    // The X window while data arrive and the Y window of updateRange, and
    // the wheel's zoom steps; values of 0 or below are ignored.
    void setRangeX(int range);
    void setRangeY(int range);
    void setZoomX(double step);
    void setZoomY(double step);
    // Widen (ZoomX) or narrow (ZoomOutX) the X window by its zoom step, and
    // the Y window likewise; the axes follow at the next data or fit.
    void ZoomX();
    void ZoomOutX();
    void ZoomY();
    void ZoomOutY();
    [[nodiscard]] const WaveAxes &axes() const { return m_axes; }
    // The start, pause and "Show Coordinate" entries; "开始" shows while
    // paused, "暂停" while running. Nothing opens the menu: a right click
    // fits the data.
    [[nodiscard]] QMenu *graphMenu() const { return m_menu; }

    // X to the scrolling window and Y to the window about its centre.
    void updateRange();
    // X to the scrolling window only.
    void updateRange_for_addSeriesData();
    // The smallest rectangle holding the points of the shown channels; none
    // when they have no points.
    [[nodiscard]] std::optional<QRectF> calculateDataRange() const;

public Q_SLOTS:
    // While paused, data handed in are dropped.
    void slots_startGraph();
    void slots_pauseGraph();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Channel
    {
        QLineSeries *series = nullptr;
        WaveTrace trace{pointLimit};
        // The line does not show the trace for the current X window yet.
        bool stale = false;
    };

    void addChannel(WAVE_CH key);
    [[nodiscard]] Channel *channel(WAVE_CH key);
    [[nodiscard]] const Channel *channel(WAVE_CH key) const;
    void setRangeOf(QValueAxis *axis, const WaveAxes::Span &span);
    void dataChanged(Channel &channel);
    void markAllStale();
    void scheduleRedraw();
    void redraw();
    [[nodiscard]] QPointF chartPoint(QPointF viewportPosition) const;
    [[nodiscard]] QPointF valueAt(QPointF viewportPosition) const;

    std::map<WAVE_CH, Channel> m_channels;
    QChart *m_chart = nullptr;
    QValueAxis *m_axisX = nullptr;
    QValueAxis *m_axisY = nullptr;
    WaveAxes m_axes;
    bool m_leftPressed = false;
    QPoint m_lastMousePos;
    bool m_paused = false;
    // Data came since the last redraw: the X window moves to the newest.
    bool m_follow = false;
    QTimer m_redrawTimer;
    QMenu *m_menu;
    QAction *m_startAction;
    QAction *m_pauseAction;
    QAction *m_showCoordinateAction;
};
